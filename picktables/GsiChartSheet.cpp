#include "picktables/GsiChartSheet.h"

#include <cfloat>
#include <climits>
#include <cstdlib>

namespace {

CGsiChartSheet MakeGeneral() {
  CGsiChartSheet s;
  s.name = "General";
  s.pictureId = 145;
  s.width = 542;
  s.height = 530;
  s.plot = {273, 87, 540, 528};
  s.base = 5;
  s.step = 5;
  // Values 95 down to 5.
  s.contours = {{271, 109, 298, 86},  {271, 136, 326, 88},  {272, 167, 354, 87},
                {271, 198, 380, 88},  {271, 233, 404, 88},  {427, 88, 271, 263},
                {272, 299, 435, 107}, {435, 131, 272, 336}, {271, 377, 434, 160},
                {459, 162, 271, 420}, {280, 457, 481, 162}, {505, 162, 317, 457},
                {531, 161, 355, 456}, {381, 465, 541, 187}, {541, 229, 382, 529},
                {415, 530, 540, 276}, {540, 333, 452, 529}, {482, 529, 541, 396},
                {540, 467, 515, 529}};
  s.excluded = {{270, 457, 382, 530}, {435, 86, 541, 161}};
  s.controls[GSI_CONTROL_SHEET_COMBO] = {112, 8, 202, 300};
  s.controls[GSI_CONTROL_VALUE_EDIT] = {112, 35, 168, 59};
  s.controls[GSI_CONTROL_OK_BUTTON] = {188, 35, 266, 59};
  s.controls[GSI_CONTROL_SHEET_LABEL] = {8, 8, 104, 32};
  s.controls[GSI_CONTROL_VALUE_LABEL] = {8, 35, 104, 59};
  s.columns = {
      {{272, 25, 326, 64}, "Very rough, fresh unweathered surfaces"},
      {{330, 25, 379, 64}, "Rough, slightly weathered and altered surfaces"},
      {{384, 25, 435, 64}, "Smooth, moderately weathered and altered surfaces"},
      {{440, 25, 486, 64},
       "Slickensided, highly weathered surfaces with compact\n"
       "coatings or fillings or angular fragments"},
      {{491, 25, 538, 64},
       "Slickensided, highly weathered surfaces with soft clay\ncoatings or fillings"}};
  return s;
}

CGsiChartSheet MakeFlysch() {
  CGsiChartSheet s;
  s.name = "Flysch";
  s.pictureId = 144;
  s.width = 756;
  s.height = 437;
  s.plot = {477, 64, 754, 420};
  s.base = 5;
  s.step = 5;
  // Values 70 down to 5.
  s.contours = {{476, 104, 508, 64},  {478, 139, 534, 63},  {562, 62, 477, 175},
                {477, 226, 584, 64},  {477, 281, 616, 64},  {636, 65, 480, 331},
                {520, 331, 658, 65},  {692, 64, 556, 330},  {590, 336, 718, 65},
                {744, 64, 590, 421},  {625, 421, 754, 107}, {754, 180, 661, 423},
                {694, 422, 755, 262}, {755, 348, 729, 421}};
  s.excluded = {{476, 331, 590, 422}};
  s.controls[GSI_CONTROL_SHEET_COMBO] = {80, 12, 180, 304};
  s.controls[GSI_CONTROL_VALUE_EDIT] = {308, 12, 364, 36};
  s.controls[GSI_CONTROL_OK_BUTTON] = {390, 12, 468, 36};
  s.controls[GSI_CONTROL_SHEET_LABEL] = {8, 12, 78, 36};
  s.controls[GSI_CONTROL_VALUE_LABEL] = {220, 12, 300, 36};
  s.columns = {
      {{476, 26, 531, 64}, "Very rough, fresh unweathered surfaces"},
      {{535, 26, 588, 64}, "Rough, slightly weathered surfaces"},
      {{593, 26, 643, 64}, "Smooth, moderately weathered and altered surfaces"},
      {{648, 26, 698, 64},
       "Very smooth, occasionally slickensided surfaces with\n"
       "compact coatings or fillings with angular fragments"},
      {{703, 26, 754, 64},
       "Very smooth slickensided or highly weathered surfaces\n"
       "with soft clay coatings or fillings"}};
  return s;
}

// Slope of a contour; a vertical one (none in the tables) counts as flat so that the corner
// lines through the plot stay defined.
double Slope(const GsiSegment& c) {
  if (c.x2 == c.x1) return 0.0;
  return static_cast<double>(c.y2 - c.y1) / (c.x2 - c.x1);
}

}  // namespace

const CGsiChartSheet& GsiChartSheet(int index) {
  static const CGsiChartSheet sheets[GSI_SHEET_COUNT] = {MakeGeneral(), MakeFlysch()};
  if (index < 0 || index >= GSI_SHEET_COUNT) index = GSI_SHEET_GENERAL;
  return sheets[index];
}

int CGsiChartSheet::ContourValue(int i) const { return (ContourCount() - i - 1) * step + base; }

bool CGsiChartSheet::ContourY(int i, double x, double* y) const {
  const GsiSegment& c = contours[i];
  if (c.x2 == c.x1) return false;
  *y = static_cast<double>(c.y2 - c.y1) / (c.x2 - c.x1) * (x - c.x1) + c.y1;
  return true;
}

int CGsiChartSheet::HitTest(int x, int y) const {
  if (!plot.Contains(x, y)) return -1;
  for (const GsiRect& r : excluded)
    if (r.Contains(x, y)) return -1;
  if (contours.empty()) return -1;

  int above = -1, below = -1;
  double yAbove = -DBL_MAX, yBelow = DBL_MAX;
  for (int i = 0; i < ContourCount(); ++i) {
    double yc = 0.0;
    if (!ContourY(i, x, &yc)) continue;
    if (static_cast<int>(yc) == y) return ContourValue(i);
    if (yc < y && yc > yAbove) {
      yAbove = yc;
      above = i;
    } else if (yc > y && yc < yBelow) {
      yBelow = yc;
      below = i;
    }
  }
  if (above < 0 && below < 0) return -1;

  double value = 0.0;
  if (above < 0) {
    // Above the highest contour: the line through the plot's top-left corner parallel to it.
    yAbove = plot.top + Slope(contours.front()) * (x - plot.left);
    value = ContourValue(0) + step;
  } else if (below < 0) {
    // Below the lowest: the line through the bottom-right corner parallel to the last contour.
    yBelow = plot.bottom + Slope(contours.back()) * (x - plot.right);
    value = ContourValue(ContourCount() - 1);
  } else {
    value = ContourValue(above);
  }
  if (!(yBelow > yAbove)) return -1;
  return static_cast<int>(value - step * (y - yAbove) / (yBelow - yAbove) + 0.5);
}

std::string CGsiChartSheet::TipText(int x, int y) const {
  int value = HitTest(x, y);
  if (value > 0) return std::to_string(value);
  const char* text = nullptr;
  for (const GsiColumn& c : columns)
    if (c.rect.Contains(x, y)) text = c.text;
  return text ? text : "";
}

int LeadingInteger(const char* text) {
  if (!text) return 0;
  long long value = std::strtoll(text, nullptr, 10);
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

GsiDialogLayout LayoutToChart(const GsiRect& workArea, const GsiRect& anchor, GsiRect dialog,
                              GsiRect chart, int requiredWidth, int requiredHeight) {
  const int dx = requiredWidth - chart.Width();
  const int dy = requiredHeight - chart.Height();
  chart.right += dx;
  chart.bottom += dy;
  dialog.right += dx;
  dialog.bottom += dy;

  const int width = dialog.Width(), height = dialog.Height();
  int left = anchor.left + (anchor.Width() - width) / 2;
  int top = anchor.top + (anchor.Height() - height) / 2;
  if (left < workArea.left) left = workArea.left;
  if (top < workArea.top) top = workArea.top;
  if (left + width > workArea.right) left = workArea.right - width;
  if (top + height > workArea.bottom) top = workArea.bottom - height;
  dialog = {left, top, left + width, top + height};
  return {chart, dialog};
}
