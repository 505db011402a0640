// The two GSI chart sheets: where each picture's contour lines of equal GSI, plot area,
// excluded areas, column headings and hosted controls lie, in picture pixels, and the rule
// that turns a point of the picture into a GSI value.
//
// The same tables draw the pictures at build time (tools/gsichart), so a click lands on the
// value the picture shows there. Standard C++ only: the picture generator is built on the
// build machine without the program's libraries.
#pragma once

#include <string>
#include <vector>

struct GsiRect {
  int left, top, right, bottom;
  // Right and bottom edges are outside, as the platform's point-in-rectangle test has it.
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

// A contour stands for the infinite straight line through its two end points.
struct GsiSegment {
  int x1, y1, x2, y2;
};

struct GsiColumn {
  GsiRect rect;
  const char* text;  // tooltip text; "\n" breaks the line
};

// The controls the chart window places on each sheet, in this order.
enum GsiControl {
  GSI_CONTROL_SHEET_COMBO = 0,  // height includes the drop-down list
  GSI_CONTROL_VALUE_EDIT,
  GSI_CONTROL_OK_BUTTON,
  GSI_CONTROL_SHEET_LABEL,
  GSI_CONTROL_VALUE_LABEL,
  GSI_CONTROL_COUNT
};

class CGsiChartSheet {
 public:
  const char* name;  // the sheet's text in the combo box
  int pictureId;     // its "IMAGE" resource
  int width, height;  // picture size in pixels
  GsiRect plot;       // where clicks give values
  int base, step;     // value of the lowest contour and the spacing
  std::vector<GsiSegment> contours;  // highest value first
  std::vector<GsiRect> excluded;     // areas of the plot without a value
  GsiRect controls[GSI_CONTROL_COUNT];
  std::vector<GsiColumn> columns;    // surface-condition headings

  int ContourCount() const { return static_cast<int>(contours.size()); }
  // Value of contour i: index 0 is the highest, the last one has the value base.
  int ContourValue(int i) const;
  // The contour line's y at x (its line extended); false for a vertical contour.
  bool ContourY(int i, double x, double* y) const;
  // The GSI at a picture point, -1 where the chart gives none. Values fall by one step from
  // each contour to the next one below it, from ContourValue(0) + step at the plot's top-left
  // corner down to 0 at its bottom-right corner.
  int HitTest(int x, int y) const;
  // What the tooltip says at a point: the value a click would give, else the heading of the
  // column under the point (the last one that holds it), else nothing.
  std::string TipText(int x, int y) const;
};

enum { GSI_SHEET_GENERAL = 0, GSI_SHEET_FLYSCH = 1, GSI_SHEET_COUNT = 2 };

// The sheets in combo order ("General", then "Flysch").
const CGsiChartSheet& GsiChartSheet(int index);

// The leading decimal integer of a text, as typed into the GSI edit: optional blanks and sign,
// then digits up to the first other character; 0 when the text does not start with a number.
// Values beyond the int range are clamped to it.
int LeadingInteger(const char* text);

// Placing the GSI dialog around its chart (all rectangles in screen pixels).
struct GsiDialogLayout {
  GsiRect chart;
  GsiRect dialog;
};
// The chart grows to the required size (right and down) and the dialog by the same amounts; the
// dialog is then centred on the anchor (its owner window, or the work area when it has none)
// and shifted into the work area: right, down, left, up, in that order.
GsiDialogLayout LayoutToChart(const GsiRect& workArea, const GsiRect& anchor, GsiRect dialog,
                              GsiRect chart, int requiredWidth, int requiredHeight);
