// How a number field reads the text typed into it.
#pragma once

#include <QString>

#include <cstdint>

// Blanks in front, an optional sign, then decimal digits up to the first other
// character: " 12x" reads 12, "1,000" reads 1, text without digits reads 0. A
// number past the 32-bit range reads as the nearest 32-bit value, so that every
// setter still clamps it into its own range.
int32_t ReadEditNumber(const QString &text);
