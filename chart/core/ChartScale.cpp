#include "chart/core/ChartScale.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "framework/base/NumberText.h"

namespace qxchart {

namespace {

// 10^k for whole k, exact where a double can hold it.
double PowerOfTen(int k) {
  double p = 1.0;
  for (int i = 0; i < std::abs(k); ++i) p *= 10.0;
  return k >= 0 ? p : 1.0 / p;
}

// m x 10^k, rounded once (m / 10^-k for negative k, so 0.2 and 0.5 come out exact).
double Scaled(double m, int k) {
  return k >= 0 ? m * PowerOfTen(k) : m / PowerOfTen(-k);
}

}  // namespace

double NiceStepAtLeast(double minStep) {
  if (!(minStep > 0) || !std::isfinite(minStep)) return 1.0;
  int k = static_cast<int>(std::floor(std::log10(minStep)));
  k = std::max(-320, std::min(307, k));
  static const double kMantissas[] = {1, 2, 5};
  for (int tries = 0; tries < 3; ++tries, ++k) {
    for (double m : kMantissas) {
      const double s = Scaled(m, k);
      if (s >= minStep * (1 - 1e-12)) return s;
    }
  }
  return Scaled(1, k);
}

int StepPrecision(double step) {
  if (!(step > 0) || !std::isfinite(step)) return 0;
  for (int p = 0; p < kMaxPrecision; ++p) {
    const double v = step * PowerOfTen(p);
    const double r = std::round(v);
    if (r != 0 && std::fabs(v - r) <= 1e-9 * v) return p;
  }
  return kMaxPrecision;
}

TickIndices TicksInRange(double lo, double hi, double step, long long maxCount) {
  TickIndices t;
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(lo) || !std::isfinite(hi) || hi < lo)
    return t;
  const double a = std::ceil(lo / step - 1e-6);
  const double b = std::floor(hi / step + 1e-6);
  if (!std::isfinite(a) || !std::isfinite(b) || std::fabs(a) > 1e15 || std::fabs(b) > 1e15 || b < a)
    return t;
  const long long count = static_cast<long long>(b - a) + 1;
  if (count > maxCount) return t;
  t.first = static_cast<long long>(a);
  t.last = static_cast<long long>(b);
  t.count = count;
  return t;
}

double TickValue(long long index, double step) {
  const int p = StepPrecision(step);
  double v;
  if (p > 0) {
    // Whole multiples of the step's last decimal, divided once: 3 x 0.1 gives 0.3, not
    // 0.30000000000000004.
    const double scale = PowerOfTen(p);
    const double units = std::round(step * scale);
    const double whole = static_cast<double>(index) * units;
    v = std::fabs(whole) < 9e15 ? whole / scale : static_cast<double>(index) * step;
  } else {
    v = static_cast<double>(index) * step;
  }
  if (std::fabs(v) < step * 1e-6) v = 0.0;
  return v;
}

std::string FormatTickLabel(double value, int precision) {
  if (!std::isfinite(value)) return std::string();
  precision = std::max(0, std::min(kMaxPrecision, precision));
  char format[16];
  std::snprintf(format, sizeof format, "%%.%df", precision);
  std::string s(FormatNumber(format, value).GetString());
  if (!s.empty() && s[0] == '-' && s.find_first_of("123456789") == std::string::npos) s.erase(0, 1);
  return s;
}

double ChooseTickStep(double lo, double hi, double pixelLength, double minTickPixels,
                      const std::function<bool(double step)>& fits) {
  const double range = hi - lo;
  if (!(range > 0) || !std::isfinite(range)) return 1.0;
  if (!(pixelLength > 0)) return NiceStepAtLeast(range / 5);
  const double maxTicks = std::max(1.0, pixelLength / std::max(1.0, minTickPixels));
  double step = NiceStepAtLeast(range / maxTicks);
  for (int i = 0; i < 64; ++i) {
    if (step >= range || !fits || fits(step)) return step;
    step = NiceStepAtLeast(step * 1.5);
  }
  return NiceStepAtLeast(range);
}

bool AutoRange(double dataLo, double dataHi, double fixedLo, double fixedHi, bool includeZero,
               const std::function<double(double lo, double hi)>& stepFor, AxisRange* out) {
  const bool loFixed = std::isfinite(fixedLo);
  const bool hiFixed = std::isfinite(fixedHi);
  if (loFixed && hiFixed) {
    out->lo = fixedLo;
    out->hi = fixedHi;
    return fixedLo < fixedHi && std::isfinite(fixedHi - fixedLo);
  }
  if (!std::isfinite(dataLo) || !std::isfinite(dataHi) || dataHi < dataLo) return false;
  double lo = dataLo;
  double hi = dataHi;
  if (includeZero && !loFixed) lo = std::min(lo, 0.0);
  if (loFixed) lo = fixedLo;
  if (hiFixed) hi = fixedHi;
  if (hi <= lo) {
    if (loFixed) {
      hi = lo + (lo != 0 ? std::fabs(lo) : 1.0);
    } else if (hiFixed) {
      lo = hi - (hi != 0 ? std::fabs(hi) : 1.0);
    } else if (lo == 0) {
      hi = 1.0;
      if (!includeZero) lo = -1.0;
    } else {
      const double pad = std::fabs(lo) * 0.5;
      lo -= pad;
      hi += pad;
      if (includeZero && dataLo >= 0) lo = std::max(lo, 0.0);
    }
  }
  if (!std::isfinite(hi - lo) || !(hi > lo)) return false;

  // Round the automatic ends out to the step, then ask again for the rounded range, since a
  // longer range may want a longer step.
  double curLo = lo, curHi = hi;
  for (int pass = 0; pass < 4; ++pass) {
    const double step = stepFor ? stepFor(curLo, curHi) : NiceStepAtLeast((curHi - curLo) / 5);
    if (!(step > 0) || !std::isfinite(step)) return false;
    const double a = std::floor(lo / step + 1e-9);
    const double b = std::ceil(hi / step - 1e-9);
    if (!std::isfinite(a) || !std::isfinite(b) || std::fabs(a) > 1e15 || std::fabs(b) > 1e15)
      return false;
    const double newLo = loFixed ? lo : TickValue(static_cast<long long>(a), step);
    const double newHi = hiFixed ? hi : TickValue(static_cast<long long>(b), step);
    const bool same = newLo == curLo && newHi == curHi;
    curLo = newLo;
    curHi = newHi;
    if (same) break;
  }
  if (!(curHi > curLo) || !std::isfinite(curHi - curLo)) return false;
  out->lo = curLo;
  out->hi = curHi;
  return true;
}

}  // namespace qxchart
