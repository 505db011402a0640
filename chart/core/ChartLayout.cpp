#include "chart/core/ChartLayout.h"

#include <algorithm>
#include <cmath>

namespace qxchart {

FontSpacing SpacingFor(const TextMeasure& numbers) {
  FontSpacing s;
  const int h = std::max(1, numbers.LineHeight());
  s.gap = std::max(2, h / 4);
  s.tick = std::max(3, h / 3);
  s.numberWidth = std::max(0, numbers.TextWidth("-8888.88"));
  return s;
}

namespace {

// Shrinks a and b in proportion when together they pass limit.
void FitPair(int* a, int* b, int limit) {
  const int sum = *a + *b;
  if (sum <= limit || sum <= 0) return;
  limit = std::max(0, limit);
  const int na = static_cast<int>(static_cast<long long>(*a) * limit / sum);
  *b = static_cast<int>(static_cast<long long>(*b) * limit / sum);
  *a = na;
}

}  // namespace

Margins AutoMargins(const TextMeasure& numbers, const TextMeasure& titles, int w, int h) {
  const FontSpacing s = SpacingFor(numbers);
  const int numH = std::max(1, numbers.LineHeight());
  const int titleH = std::max(1, titles.LineHeight());
  Margins m;
  m.left = s.gap + titleH + s.gap + s.numberWidth + s.gap + s.tick;
  m.bottom = s.tick + s.gap + numH + s.gap + titleH + s.gap;
  m.top = numH;
  m.right = s.numberWidth / 2 + s.gap;
  FitPair(&m.left, &m.right, std::max(0, w) / 2);
  FitPair(&m.top, &m.bottom, std::max(0, h) / 2);
  return m;
}

int RoundPixel(double v) {
  return static_cast<int>(std::floor(v + 0.5));
}

}  // namespace qxchart
