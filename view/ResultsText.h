// The analysis summary painted over the charts: the project title and a white panel with the
// current criterion's parameters, derived strengths, Mohr-Coulomb fit, test-data statistics and
// fit status. The lines and their places are worked out here; the view draws them.
#pragma once

#include <string>
#include <vector>

#include "view/PlotGeometry.h"
#include "view/PlotInputs.h"

// Deletes the zeros before an "e" (and a "." left before it), the leading zeros of a negative
// exponent, the "+" and leading zeros of a positive one, and an "e" left at the end:
// "5e-05" -> "5e-5", "1.5e+06" -> "1.5e6".
std::string TrimExponent(const std::string& text);

// One number of the summary: with the default format when decimals is -1, else fixed point
// with that many decimals (decimals brought into -1..8). A result that reads as zero is
// formatted again with "%.3g" (decimals -1) or "%.<decimals>g" (at least 1), so small values
// keep a digit. The exponent is tidied.
std::string FormatResultNumber(const char* defaultFormat, double value, int decimals);

// The model's parameters are those of its last fit: its residuals equal the residuals the fit
// stored. Never-fitted models (residuals -1) are not.
bool IsCurrentBestFit(const CStrengthCriterion& model);

struct ResultLine {
  bool heading = false;
  std::string text;
};

struct ResultsPanel {
  std::vector<ResultLine> lines;
  std::string keyLine;   // the line whose width, plus extraWidth, is the panel's width
  int extraWidth = 0;
  CStrengthCriterion* model = nullptr;  // the model summarised
  bool hasDataBlock = false;            // the test-data lines and the fit status are there
};

// The summary of the document's criterion; false (nothing to draw) for an unknown criterion.
// decimals: the decimal-places setting (-1 "Default", 0..8).
bool BuildResultLines(const PlotDocument& doc, int decimals, ResultsPanel* panel);

// The fit status line: the method's "best-fit" line when the model holds its last fit, else
// the "NOT a 'best-fit'" line.
std::string FitStatusLine(int criterion, const CStrengthCriterion& model);

struct ResultsLayoutInput {
  PlotRect client;
  int lineHeight = 0;
  bool projectData = true;  // the panel is shown
  bool showTitle = true;
  int titleWidth = 0;  // 0 when there is no title text
  int titleHeight = 0;
  bool hasTitle = false;
  bool shearOnly = false;  // only the shear plot is shown
  int shearOriginX = 0;    // view pixel of the shear chart's data point (0, 0)
  int keyWidth = 0;
  int extraWidth = 0;
  const std::vector<ResultLine>* lines = nullptr;
};

struct ResultsLayout {
  bool drawTitle = false;
  PlotRect title;
  bool drawPanel = false;
  PlotRect panel;                 // white; grows to hold every line
  std::vector<PlotRect> lineRects;  // one per line
};

// Places the title (centred, bold, one title height down) and the panel: from 3 line heights
// down, at 40% of the width (or 20 pixels right of the shear chart's origin when only that
// plot is shown, not centred), centred in the room to the right and pushed back inside the
// client area. Body lines are indented by 25; a heading after the first starts a third of a
// line lower.
ResultsLayout LayoutResults(const ResultsLayoutInput& in);
