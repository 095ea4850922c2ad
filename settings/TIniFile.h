// The settings file: a profile file on one path, read and written key by key.
#pragma once

#include "IniText.h"

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

// "Unable to write to <full path>": the file was left as it was.
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TIniFile {
public:
    // Opening reads nothing; every operation works on the file as it is then.
    explicit TIniFile(std::string fileName);

    const std::string &FileName() const { return fileName_; }

    std::string ReadString(std::string_view section, std::string_view key, const std::string &defaultValue) const;
    int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int32_t value);

    // The whole file; empty when it is missing or cannot be read.
    IniText Read() const;
    // Applies edit to the file as it is now and writes the result at once, so that
    // several keys land together or not at all. Throws IniWriteError.
    void Update(const std::function<void(IniText &)> &edit);

private:
    [[noreturn]] void Fail() const;

    std::string fileName_;
};
