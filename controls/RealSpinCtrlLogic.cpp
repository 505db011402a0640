// Arithmetic of the real-number spin control.
#include "controls/RealSpinCtrlLogic.h"

#include <cmath>

#include "framework/base/NumberText.h"

namespace realspin {

int Positions(double min, double max, double step) {
  if (step == 0.0 || !std::isfinite(step) || !std::isfinite(min) || !std::isfinite(max)) return -1;
  // max - min may overflow to infinity (for example -DBL_MAX .. DBL_MAX): that is the cap.
  double q = std::fabs((max - min) / step);
  if (!(q < kMaxPositions)) return kMaxPositions;
  return static_cast<int>(q);
}

int PositionOf(double value, double min, double max, int positions) {
  if (max == min || std::isnan(value) || std::isnan(min) || std::isnan(max)) return -1;
  if (value < min) return 0;
  if (value > max) return positions;
  double span = max - min;
  double p = std::isfinite(span) ? (value - min) / span * positions + 0.5
                                 : (value / 2 - min / 2) / (max / 2 - min / 2) * positions + 0.5;
  if (!(p >= 0)) return 0;
  if (p > positions) return positions;
  return static_cast<int>(p);
}

double Step(double current, int delta, double step, double min, double max) {
  double next = current + delta * step;
  if (std::isnan(next)) return current;
  if (delta >= 0 && next > max) next = max;
  if (delta < 0 && next < min) next = min;
  return std::isfinite(next) ? next : current;
}

namespace {

// Removes trailing zeros and then a trailing point from a mantissa that has a point.
void TrimMantissa(CString& mantissa) {
  if (mantissa.Find('.') < 0) return;
  mantissa.TrimRight('0');
  mantissa.TrimRight('.');
}

}  // namespace

CString FormatValue(double value, int decimals, const CString& format) {
  if (!format.IsEmpty()) return FormatNumber(format, value);
  if (decimals < 0) return FormatNumber("%.15g", value);
  if (decimals > 30) decimals = 30;
  CString probe = FormatNumber("%g", value);
  bool exponent = probe.Find('e') >= 0;
  CString spec;
  spec.Format(exponent ? "%%.%de" : "%%.%df", decimals);
  CString text = FormatNumber(spec, value);
  if (exponent) {
    int e = text.Find('e');
    if (e < 0) return text;
    CString mantissa = text.Left(e);
    TrimMantissa(mantissa);
    return mantissa + text.Mid(e);
  }
  TrimMantissa(text);
  return text;
}

EditNumber ReadEditNumber(const CString& input) {
  EditNumber result;
  result.text = input;
  if (input.IsEmpty()) return result;
  if (input.GetLength() >= 2 && input[0] == '.') {
    result.text = "0" + input;
    result.rewritten = true;
  }
  const CString& text = result.text;
  if (text[text.GetLength() - 1] == '.') return result;
  if (text == "-") {
    result.accepted = true;
    result.value = 0.0;
    return result;
  }
  double value = 0.0;
  if (ParseDouble(text, value) != NumberParse::Ok) return result;
  if (value == 0.0 && text[0] != '0') return result;
  result.accepted = true;
  result.value = value;
  return result;
}

bool EditChangeAppliesAtOnce(int textLength, int selectionStart, int selectionEnd) {
  return textLength > 0 && selectionStart == 0 && selectionEnd == 0;
}

}  // namespace realspin
