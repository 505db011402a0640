#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>

namespace {

bool IsSpace(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\v' || ch == '\f';
}

bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

bool StartsNoCase(const char* text, const char* word) {
  for (; *word; ++text, ++word) {
    char c = *text;
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != *word) return false;
  }
  return true;
}

// True when format holds exactly one conversion, a floating one with only
// flags, width, precision and an optional 'l' (no '*').
bool IsSingleFloatFormat(const char* format) {
  int conversions = 0;
  for (const char* p = format; *p; ++p) {
    if (*p != '%') continue;
    ++p;
    if (*p == '%') continue;
    while (*p && std::strchr("-+ #0", *p)) ++p;
    while (IsDigit(*p)) ++p;
    if (*p == '.') {
      ++p;
      while (IsDigit(*p)) ++p;
    }
    if (*p == 'l') ++p;
    if (!*p || !std::strchr("eEfFgGaA", *p)) return false;
    ++conversions;
  }
  return conversions == 1;
}

// Older C runtimes print three exponent digits ("1e-020"); keep two unless
// the third is needed.
void TrimExponents(std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if ((c != 'e' && c != 'E') || i == 0 || !IsDigit(text[i - 1])) continue;
    size_t d = i + 1;
    if (d < text.size() && (text[d] == '+' || text[d] == '-')) ++d;
    size_t n = 0;
    while (d + n < text.size() && IsDigit(text[d + n])) ++n;
    if (n == 3 && text[d] == '0') text.erase(d, 1);
  }
}

const long kIntMin = -2147483647L - 1;
const long kIntMax = 2147483647L;

}  // namespace

CString FormatNumber(const char* printfFormat, double value) {
  if (std::isnan(value)) return CString("nan");
  if (std::isinf(value)) return CString(value < 0 ? "-inf" : "inf");
  const char* format = (printfFormat && IsSingleFloatFormat(printfFormat)) ? printfFormat : "%g";
  char small[64];
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#endif
  int n = std::snprintf(small, sizeof small, format, value);
  std::string text;
  if (n < 0) return CString();
  if (static_cast<size_t>(n) < sizeof small) {
    text.assign(small, static_cast<size_t>(n));
  } else {
    text.assign(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(&text[0], text.size(), format, value);
    text.resize(static_cast<size_t>(n));
  }
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif
  TrimExponents(text);
  return CString(text);
}

CString FormatRoundTrip(double value) {
  if (!std::isfinite(value)) return FormatNumber("%g", value);
  // The shortest round-trip digit count tells where the search can start:
  // fewer digits never read back, so usually the first try is the answer.
  char shortest[64];
  auto r =
      std::to_chars(shortest, shortest + sizeof shortest, value, std::chars_format::scientific);
  int digits = 0;
  for (const char* p = shortest; p < r.ptr && *p != 'e'; ++p)
    if (IsDigit(*p)) ++digits;
  double back = 0;
  CString text;
  if (digits <= 6) {
    text = FormatNumber("%g", value);
    if (ParseDouble(text, back) == NumberParse::Ok && back == value) return text;
  }
  for (int n = digits < 7 ? 7 : digits; n <= 17; ++n) {
    char format[8];
    std::snprintf(format, sizeof format, "%%.%dg", n);
    text = FormatNumber(format, value);
    if (ParseDouble(text, back) == NumberParse::Ok && back == value) break;
  }
  return text;  // 17 significant digits always read back
}

NumberParse ParseDouble(const char* text, double& value, const char** end) {
  if (end) *end = text;
  if (!text) return NumberParse::Empty;
  const char* p = text;
  while (IsSpace(*p)) ++p;
  if (!*p) return NumberParse::Empty;

  // The scan below accepts only sign, digits, point and exponent, so
  // from_chars (which never looks at the locale) sees nothing else. It
  // takes no '+' before the digits, so the number starts after one.
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  const char* number = negative ? p - 1 : p;
  if (StartsNoCase(p, "nan") || StartsNoCase(p, "inf")) return NumberParse::NotFinite;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return NumberParse::Invalid;

  // Decimal magnitude of the leading digit, to tell overflow from underflow.
  long long leadPower = 0;
  bool seenNonZero = false;
  int mantissaDigits = 0;
  for (; IsDigit(*p); ++p, ++mantissaDigits) {
    if (*p != '0') seenNonZero = true;
    if (seenNonZero) ++leadPower;
  }
  if (*p == '.') {
    for (++p; IsDigit(*p); ++p, ++mantissaDigits) {
      if (seenNonZero) continue;
      if (*p != '0')
        seenNonZero = true;
      else
        --leadPower;
    }
  }
  if (mantissaDigits == 0) return NumberParse::Invalid;

  long long exponent = 0;
  if (*p == 'e' || *p == 'E') {
    const char* q = p + 1;
    bool expNegative = false;
    if (*q == '+' || *q == '-') expNegative = *q++ == '-';
    // "1e" or "1e+" without digits: the number ends before the 'e'.
    if (IsDigit(*q)) {
      for (; IsDigit(*q); ++q)
        if (exponent < 100000000) exponent = exponent * 10 + (*q - '0');
      if (expNegative) exponent = -exponent;
      p = q;
    }
  }

  const char* stop = p;
  if (!end) {
    while (IsSpace(*p)) ++p;
    if (*p) return NumberParse::TrailingText;
  }

  double result = 0;
  auto r = std::from_chars(number, stop, result);
  if (r.ec == std::errc::result_out_of_range) {
    if (seenNonZero && leadPower + exponent > 0) return NumberParse::OutOfRange;
    result = negative ? -0.0 : 0.0;  // below the smallest denormal
  } else if (r.ec != std::errc() || r.ptr != stop) {
    return NumberParse::Invalid;
  }
  if (!std::isfinite(result)) return NumberParse::OutOfRange;
  value = result;
  if (end) *end = stop;
  return NumberParse::Ok;
}

NumberParse ParseInt(const char* text, long& value, const char** end) {
  if (end) *end = text;
  if (!text) return NumberParse::Empty;
  const char* p = text;
  while (IsSpace(*p)) ++p;
  if (!*p) return NumberParse::Empty;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  if (!IsDigit(*p)) return NumberParse::Invalid;
  if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return NumberParse::Invalid;
  long long magnitude = 0;
  bool tooBig = false;
  while (IsDigit(*p)) {
    magnitude = magnitude * 10 + (*p++ - '0');
    if (magnitude > 2147483648LL) {
      tooBig = true;
      magnitude = 2147483648LL;
    }
  }
  const char* stop = p;
  if (!end) {
    while (IsSpace(*p)) ++p;
    if (*p) return NumberParse::TrailingText;
  }
  long long result = negative ? -magnitude : magnitude;
  if (tooBig || result < kIntMin || result > kIntMax) return NumberParse::OutOfRange;
  value = static_cast<long>(result);
  if (end) *end = stop;
  return NumberParse::Ok;
}

const char* NumberParseMessage(NumberParse result) {
  switch (result) {
    case NumberParse::Ok:
      return "The number is valid.";
    case NumberParse::Empty:
      return "A number is required.";
    case NumberParse::Invalid:
      return "The text is not a number.";
    case NumberParse::TrailingText:
      return "The number is followed by text that is not part of it.";
    case NumberParse::NotFinite:
      return "The number must be finite (not NaN or infinity).";
    case NumberParse::OutOfRange:
      return "The number is out of range.";
  }
  return "The text is not a number.";
}
