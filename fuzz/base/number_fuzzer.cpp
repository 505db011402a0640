// Feeds arbitrary bytes to the number parsers and checks what they promise:
// Ok results are finite and read back exactly from their round-trip text,
// failures leave the value alone, and the end pointer stays in the text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/base/NumberText.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckRoundTrip(double value) {
  if (!std::isfinite(value)) return;
  CString text = FormatRoundTrip(value);
  double back = 1.0;
  Check(ParseDouble(text, back) == NumberParse::Ok);
  Check(back == value);
  Check(std::signbit(back) == std::signbit(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);  // NUL-terminated copy
  const char* begin = text.c_str();
  const char* stop = begin + std::strlen(begin);

  const double marker = 123.25;
  double value = marker;
  NumberParse whole = ParseDouble(begin, value);
  if (whole == NumberParse::Ok) {
    Check(std::isfinite(value));
    CheckRoundTrip(value);
  } else {
    Check(value == marker);
  }

  const char* end = nullptr;
  double prefix = marker;
  NumberParse part = ParseDouble(begin, prefix, &end);
  Check(end >= begin && end <= stop);
  if (part == NumberParse::Ok) {
    Check(std::isfinite(prefix));
    Check(end > begin);
    // The whole-text parse agrees whenever only white space follows.
    if (whole == NumberParse::Ok)
      Check(prefix == value || (std::isnan(prefix) && std::isnan(value)));
  } else {
    Check(end == begin && prefix == marker);
    Check(whole != NumberParse::Ok);
  }

  long number = 77;
  NumberParse integer = ParseInt(begin, number, &end);
  Check(end >= begin && end <= stop);
  if (integer == NumberParse::Ok)
    Check(number >= -2147483647L - 1 && number <= 2147483647L);
  else
    Check(number == 77);

  // The raw bytes as a double exercise formatting over every bit pattern.
  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckRoundTrip(raw);
    CString g = FormatNumber("%g", raw);
    Check(g.GetLength() > 0);
  }
  return 0;
}
