// Axis arithmetic: nice tick steps, the decimals a step needs, tick positions, automatic axis
// ranges and tick labels.
#ifndef QUARVEX_CHART_CORE_CHARTSCALE_H
#define QUARVEX_CHART_CORE_CHARTSCALE_H

#include <functional>
#include <string>

namespace qxchart {

constexpr int kMaxPrecision = 15;

// The smallest step of the form {1, 2, 5} x 10^k that is at least minStep (minStep > 0 and
// finite; otherwise 1).
double NiceStepAtLeast(double minStep);

// The decimals needed to write multiples of step exactly: 0 for whole steps, 1 for 0.5, 2 for
// 0.25 or 0.05, ...; at most kMaxPrecision. 0 for a step that is not positive and finite.
int StepPrecision(double step);

// Indices of the first and last multiple of step inside [lo, hi] (with a tolerance of a
// millionth of a step, so ends that are multiples count). count = last - first + 1, 0 when
// none or when there would be more than maxCount.
struct TickIndices {
  long long first = 0;
  long long last = -1;
  long long count = 0;
};
TickIndices TicksInRange(double lo, double hi, double step, long long maxCount);

// The value of tick i: i x step, with values within a millionth of a step of 0 made exactly 0.
double TickValue(long long index, double step);

// Fixed-point text with the given decimals ("-0" never appears).
std::string FormatTickLabel(double value, int precision);

// Chooses a nice step for an axis of pixelLength pixels showing [lo, hi]: the smallest nice
// step for which fits(step) is true, trying from the step that gives one tick per
// minTickPixels. Falls back to one interval over the range when nothing fits, and to about
// five intervals when the pixel length is not positive. lo < hi, both finite.
double ChooseTickStep(double lo, double hi, double pixelLength, double minTickPixels,
                      const std::function<bool(double step)>& fits);

// Automatic range for data in [dataLo, dataHi]: ends rounded outward to the step that
// stepFor(lo, hi) gives for the rounded range. fixedLo / fixedHi keep an end that was set
// explicitly (pass NaN to leave an end automatic). includeZero widens the automatic lower
// end down to 0 (y axes start at 0 unless the data go below). Returns false when the data
// are not finite or the result is not a usable range.
struct AxisRange {
  double lo = 0;
  double hi = 1;
};
bool AutoRange(double dataLo, double dataHi, double fixedLo, double fixedHi, bool includeZero,
               const std::function<double(double lo, double hi)>& stepFor, AxisRange* out);

}  // namespace qxchart

#endif
