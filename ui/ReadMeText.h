// Reading a plain-text read-me for a memo of the Read Me page.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// A read-me larger than this is treated as unreadable: 8 MiB is far beyond any
// read-me, yet still a text that a memo lays out in a moment.
inline constexpr int64_t MaxReadMeBytes = 8 * 1024 * 1024;

// The text of the regular file at the path (its bytes in the locale's encoding),
// with every CR LF, lone CR and lone LF turned into '\n'. Nothing when the path is
// empty, names no regular file, cannot be read or holds more than MaxReadMeBytes.
// The path is taken byte for byte, so a name that is not valid in the locale's
// encoding is still found.
std::optional<QString> LoadReadMeText(const std::string &path);
