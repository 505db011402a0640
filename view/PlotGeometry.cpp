#include "view/PlotGeometry.h"

#include <cstdio>

PlotArrangement ArrangePlots(const PlotRect& client, bool showPrincipal, bool showShear) {
  PlotArrangement a;
  PlotRect leftEdge = client;
  leftEdge.right = client.left;
  if (showShear && !showPrincipal) {
    a.principal = leftEdge;
    a.shear = client;
  } else if (showPrincipal && !showShear) {
    a.principal = client;
    a.shear = leftEdge;
  } else {
    const int split = client.left + static_cast<int>(0.4 * client.Width());
    a.principal = client;
    a.principal.right = split;
    a.shear = client;
    a.shear.left = split;
  }
  return a;
}

int GetPlotPointCount(int override, int pointCountIndex) {
  if (override > 0) return override;
  static const int kCounts[] = {10, 20, 50, 100, 200, 500};
  if (pointCountIndex < 0 || pointCountIndex > 5) return 100;
  return kCounts[pointCountIndex];
}

int ChartFontPointSize(int clientWidth, int clientHeight, int fontPointSize) {
  const int mean = (clientWidth + clientHeight) / 2;
  double factor = 1.0;
  if (mean < 100)
    factor = 0.375;
  else if (mean < 200)
    factor = 0.5;
  else if (mean < 300)
    factor = 0.625;
  else if (mean < 400)
    factor = 0.75;
  else if (mean < 500)
    factor = 0.875;
  return static_cast<int>(fontPointSize * factor);
}

std::string ChartFontText(const std::string& face, int pointSize, int weight, bool italic) {
  std::string text = face + "," + std::to_string(pointSize);
  if (weight >= 700) text += ",Bold";
  if (italic) text += ",Italic";
  if (text.size() > 255) text.resize(255);
  return text;
}

bool AxesMayMove(bool locked, int redrawHint, bool surfaceMode) {
  return !locked && (redrawHint == 2 || (surfaceMode && redrawHint == 1));
}

AxisStep EqualAxisStep(const AxisStep& x, const AxisStep& y) {
  return x.step <= y.step ? x : y;
}
