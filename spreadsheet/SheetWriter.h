// What the analysis report writes into a worksheet: cells, blocks of numbers and charts. The
// spreadsheet export implements it over automation; tests record it.
#pragma once

#include "framework/base/Arrays.h"
#include "framework/base/CString.h"
#include "spreadsheet/SheetRange.h"

// Spreadsheet codes the report passes to the chart calls.
enum {
  SHEET_GALLERY_XY_SCATTER = -4169,
  SHEET_CHART_XY_SCATTER_LINES = 74,
  SHEET_LEGEND_BOTTOM = -4107
};

// The chart arguments both chart calls share.
struct SheetChartStyle {
  BOOL plotByRows = FALSE;
  CString title, xTitle, yTitle;
  int gallery = SHEET_GALLERY_XY_SCATTER;
  int chartType = SHEET_CHART_XY_SCATTER_LINES;
  int legendPosition = SHEET_LEGEND_BOTTOM;
  BOOL hasLegend = FALSE;
  BOOL setChartType = TRUE;
};

class CSheetWriter {
 public:
  virtual ~CSheetWriter() = default;
  virtual void SetCellText(const char* text, const CSheetRange& cell) = 0;
  // The number goes as text with 12 significant digits ("%.12g").
  virtual void SetCellNumber(double value, const CSheetRange& cell) = 0;
  // A block of numbers over range, filled by PutArrayNumber (0-based row and column inside the
  // block; outside it nothing happens) and written in one go by WriteArray.
  virtual void CreateArray(const CSheetRange& range) = 0;
  virtual void PutArrayNumber(double value, int row, int column) = 0;
  virtual void WriteArray() = 0;
  // A chart over one range: x values in its first column, series names in its first row.
  virtual void AddChart(const CSheetRange& range, const SheetChartStyle& style) = 0;
  // A chart of named series, each range's first column its x values and last column its y
  // values. Lists of different lengths, or empty ones, add no chart.
  virtual void AddSeriesChart(const CArray<CSheetRange>& ranges, const CStringArray& names,
                              const SheetChartStyle& style) = 0;
};

// "%.12g" of the value, as the cells receive it.
CString SheetNumberText(double value);
