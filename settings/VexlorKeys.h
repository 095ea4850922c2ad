// The keys of section "Vexlor" of the settings file: one row per stored setting.
#pragma once

#include "TVexlor.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::string_view VexlorSection = "Vexlor";

// Text rows have no number members and number rows (flags included) no text members.
struct VexlorKey {
    const char *key;
    std::string TVexlor::*text;
    void (TVexlor::*setText)(const std::string &);
    int32_t TVexlor::*number;
    void (TVexlor::*setNumber)(int32_t);
    // What a missing key or a value that is no number loads as.
    int32_t readDefault;
};

// In the file's order, which is the order of loading and saving.
extern const std::array<VexlorKey, 50> VexlorKeys;
