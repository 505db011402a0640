// The program's one way to turn numbers into text and back.
// Formatting is printf-style with two-digit exponents ("1e-20") on every
// build; parsing never depends on the C locale and rejects nan, inf, hex
// and trailing text.
#pragma once

#include "CString.h"

// Formats value with a printf format holding one floating conversion
// (e.g. "%g", "%.3f", "%10.4e"; flags, width and precision allowed, any
// other text is copied). A format that is not exactly that falls back to
// "%g". Infinite and NaN values give "inf", "-inf" and "nan".
CString FormatNumber(const char* printfFormat, double value);

// The "%g" text when it reads back exactly, else the shortest %.Ng
// (N = 7..17) that does.
CString FormatRoundTrip(double value);

enum class NumberParse { Ok, Empty, Invalid, TrailingText, NotFinite, OutOfRange };

// Reads a decimal number: optional white space, optional sign, digits with
// an optional point, optional exponent. With end == nullptr trailing white
// space is allowed and anything else gives TrailingText; with end given,
// parsing stops at the first unused char and *end points there (on failure
// *end = text). value changes only on Ok. Overflow ("1e999") is
// OutOfRange; values below the smallest denormal read as zero.
NumberParse ParseDouble(const char* text, double& value, const char** end = nullptr);

// Reads a decimal integer (optional white space and sign), range-checked
// to 32 bits on every build so both builds accept the same texts.
NumberParse ParseInt(const char* text, long& value, const char** end = nullptr);

// A sentence for messages, e.g. "The text is not a number."
const char* NumberParseMessage(NumberParse result);
