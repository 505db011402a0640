#include "core/io/NumberScan.h"

#include "core/io/TextCursor.h"
#include "framework/base/NumberText.h"

bool ConvertIntToken(const char* token, size_t length, int& value) {
  std::string text(token, length);
  long parsed = 0;
  if (ParseInt(text.c_str(), parsed) != NumberParse::Ok) return false;
  value = static_cast<int>(parsed);
  return true;
}

bool ConvertDoubleToken(const char* token, size_t length, double& value) {
  std::string text(token, length);
  double parsed = 0.0;
  if (ParseDouble(text.c_str(), parsed) != NumberParse::Ok) return false;
  value = parsed;
  return true;
}

bool ParseLeadingDouble(const std::string& text, double& value) {
  CTextCursor cursor(text);
  return cursor.ScanDouble(value);
}

bool ParseLeadingInt(const std::string& text, int& value) {
  CTextCursor cursor(text);
  return cursor.ScanInt(value);
}

std::string FormatFileDouble(double value) {
  if (value == 0.0) return "0";
  return FormatRoundTrip(value).str();
}
