#include "fitdialogs/logic/FitNumbers.h"

#include <cmath>

#include "framework/base/NumberText.h"

bool ParseCellNumber(const char* text, double& value) {
  if (text == nullptr) return false;
  double v = 0.0;
  if (ParseDouble(text, v) != NumberParse::Ok) return false;
  value = v;
  return true;
}

bool ScanLineNumber(const char*& text, double& value) {
  if (text == nullptr) return false;
  const char* end = text;
  double v = 0.0;
  if (ParseDouble(text, v, &end) != NumberParse::Ok) return false;
  // "0x1A" would otherwise read as 0 followed by ignored text.
  if (*end == 'x' || *end == 'X') return false;
  value = v;
  text = end;
  return true;
}

CString FormatFitResult(double value) {
  if (value == 0.0) value = 0.0;  // no "-0.000"
  CString text = FormatNumber("%.3f", value);
  if (value != 0.0 && std::isfinite(value) && (text == "0.000" || text == "-0.000"))
    text = FormatNumber("%.3g", value);
  return text;
}

CString FormatGridValue(double value) {
  if (value == 0.0) value = 0.0;
  return FormatRoundTrip(value);
}
