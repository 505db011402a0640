#include "view/PrintLayout.h"

#include <algorithm>
#include <cmath>

namespace {
// Truncation that cannot overflow: lengths beyond any paper give no page.
int Trunc(double value) {
  if (!(value > -1e9 && value < 1e9)) return 0;
  return (int)value;
}
}  // namespace

PrintLayout ComputePrintLayout(const PrintPage& page, int printerDpiX, int printerDpiY,
                               int screenDpiX, int screenDpiY, int pointCount) {
  PrintLayout layout;
  if (printerDpiX <= 0 || printerDpiY <= 0 || screenDpiX <= 0 || screenDpiY <= 0) return layout;
  if (printerDpiX > screenDpiX || printerDpiY > screenDpiY) {
    double scale = std::max((double)printerDpiX / screenDpiX, (double)printerDpiY / screenDpiY);
    layout.pointCountOverride = Trunc(pointCount * scale);
  }
  double width = page.paperWidth - page.left - page.right;
  double height = page.paperHeight - page.top - page.bottom;
  layout.screenWidth = Trunc(width * screenDpiX);
  layout.screenHeight = Trunc(height * screenDpiY);
  layout.printerWidth = Trunc(width * printerDpiX);
  layout.printerHeight = Trunc(height * printerDpiY);
  layout.viewportX = Trunc((page.left - page.minLeftRight) * printerDpiX);
  layout.viewportY = Trunc((page.top - page.minTopBottom) * printerDpiY);
  layout.valid = layout.screenWidth > 0 && layout.screenHeight > 0 && layout.printerWidth > 0 &&
                 layout.printerHeight > 0;
  return layout;
}
