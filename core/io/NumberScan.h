// Number conversions of the file readers and writers, over the program's
// locale-independent number text. Nothing here accepts inf, nan or values
// that overflow.
#pragma once

#include <cstddef>
#include <string>

// Converts a whole token (no blanks) that DecimalNumberPrefix accepted.
bool ConvertIntToken(const char* token, size_t length, int& value);
bool ConvertDoubleToken(const char* token, size_t length, double& value);

// The leading number of text after optional white space; the rest of the
// text is ignored (like the C library's strtod and atoi).
bool ParseLeadingDouble(const std::string& text, double& value);
bool ParseLeadingInt(const std::string& text, int& value);

// Text of a double for a file: the "%g" text when it reads back exactly,
// else the shortest "%.Ng" that does. Minus zero is written as "0".
std::string FormatFileDouble(double value);
