// Paints the results summary (title and panel) into any device context, in its logical
// units, in the chart font: on screen, into the clipboard picture, image files and printed
// pages.
#pragma once

#include "framework/base/CString.h"
#include "framework/win/DeviceContext.h"
#include "view/ResultsText.h"

struct ResultsPaintInput {
  PlotDocument doc;
  int decimals = -1;         // "num_decimal_places"
  bool projectData = true;   // "project_data"
  bool showTitle = true;     // "show_title"
  CString title;             // the project title
  PlotRect client;           // the view's client rectangle
  bool shearOnly = false;    // only the shear plot is shown
  int shearOriginX = 0;      // pixel of the shear chart's data point (0, 0)
  HFONT font = NULL;         // the chart font
};

// Draws the summary. Drawing the test-data block stores the model's best-fit flag (whether its
// parameters are those of its last fit), which the project file keeps. Returns the layout used
// (nothing drawn: no title and no panel).
ResultsLayout PaintResultsText(CDC* dc, const ResultsPaintInput& in);
