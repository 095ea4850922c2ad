// The response file: the option list, handed to the emulator in a temporary file.
#pragma once

#include <string>

// The folder where response files are made: TMPDIR, else /tmp, made absolute and
// ending in '/'.
std::string TemporaryDirectory();

// Writes bytes, exactly, into a new private file "m2b<hex digits>.tmp" in
// TemporaryDirectory(). Returns its path, or "" with nothing left behind when the
// file cannot be made or not every byte reaches it.
std::string WriteResponseFile(const std::string &bytes);
