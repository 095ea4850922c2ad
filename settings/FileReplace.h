// Reading a whole file, and replacing one so that no reader ever sees it half written.
#pragma once

#include <string>

// 0 with the bytes in out, or the errno of the failure.
int ReadWholeFile(const std::string &path, std::string &out);

// Writes bytes to a new file beside path and renames it over path, keeping the old
// file's permission bits and owner; a symbolic link stays a link and its target is
// replaced. A file that may not be written is refused. Where the folder takes no new
// file but the file itself may be written, the file is rewritten in place.
// Returns 0, or the errno of the failure; path is then as it was.
int ReplaceFile(const std::string &path, const std::string &bytes);
