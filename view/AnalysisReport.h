// The analysis report of a project's current criterion: its parameters, derived values,
// envelope range, equivalent Mohr-Coulomb fit and test-data statistics, either as
// tab-separated clipboard text (CR LF lines) or as worksheet cells with the test data and the
// sampled envelopes as tables, each with an XY-scatter chart.
//
// The report reads scratch copies of the models: the project is never changed by it.
#pragma once

#include "framework/base/CString.h"
#include "spreadsheet/SheetWriter.h"
#include "view/PlotInputs.h"

// What the report takes from the view.
struct ReportView {
  int pointCount = 100;  // envelope points per curve; the tables sample pointCount - 1 rows
  bool principalShown = true;
  bool shearShown = true;
  bool mohrCoulombOverlay = false;  // the Hoek-Brown plots show the equivalent line
  // Axis titles of the principal-stress and the normal-shear charts.
  CString principalXTitle, principalYTitle;
  CString shearXTitle, shearYTitle;
};

// The clipboard form; empty when there is nothing to export (an unknown criterion or an
// envelope application outside the criterion's list).
CString BuildReportText(const PlotDocument& doc, const ReportView& view);

// Writes the spreadsheet form into sheet (from row 2). False, nothing written, when there is
// nothing to export. Failures of the sheet itself come as its exceptions.
bool WriteReportSheet(const PlotDocument& doc, const ReportView& view, CSheetWriter& sheet);

// The report's fit status line (without a line end): the method's "'best-fit'" line when the
// model holds its last fit and has residuals, else the NOT line; empty for a method outside
// the criterion's list.
CString ReportStatusLine(int criterion, const CStrengthCriterion& model);

// Application name and depth label of an envelope application; false for a value outside the
// criterion's list. The label is empty for applications without unit-weight rows.
bool ReportApplication(int criterion, int application, CString* name, CString* depthLabel);

// The signmax a power-curve report shows: the curve's closest point to its sig3max.
double PowerCurveReportSignMax(const CPowerCurveCriterion& model);
