// The short form of a path, as the emulator's option list gives every path.
#pragma once

#include <string>

// Linux keeps no short names, so every path is its own short form; whatever its
// length, it comes back whole.
std::string ShortPath(const std::string &path);
