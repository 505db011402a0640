// The contents of the one-sheet workbook the spreadsheet export fills: cells (text or number)
// and XY-scatter charts over cell ranges, in the order they were added.
#pragma once

#include <map>
#include <utility>
#include <vector>

#include "framework/base/CString.h"
#include "spreadsheet/SheetRange.h"

struct WorkbookCell {
  bool isNumber = false;
  double number = 0.0;
  CString text;  // the text as written (also for numbers)
};

struct WorkbookSeries {
  CString name;  // empty: the sheet program's default name
  CSheetRange xValues;
  CSheetRange yValues;
};

struct WorkbookChart {
  // Position and size on the sheet, in points.
  double left = 0, top = 0, width = 0, height = 0;
  CString title, xTitle, yTitle;
  int chartType = 0;
  bool hasLegend = false;
  int legendPosition = 0;  // -4107 bottom
  int gapWidth = -1;       // -1 unset (column charts only)
  std::vector<WorkbookSeries> series;
};

class CWorkbookModel {
 public:
  // Text that reads completely as a number becomes a number cell, as a sheet program's own
  // value entry does; other text stays text.
  void SetCellText(int row, int column, const char* text);
  void SetCellNumber(int row, int column, double value);
  const WorkbookCell* GetCell(int row, int column) const;
  // Cells ordered by row, then column.
  const std::map<std::pair<int, int>, WorkbookCell>& GetCells() const { return m_cells; }
  int GetLastRow() const;

  WorkbookChart& AddChart();
  std::vector<WorkbookChart>& GetCharts() { return m_charts; }
  const std::vector<WorkbookChart>& GetCharts() const { return m_charts; }

 private:
  std::map<std::pair<int, int>, WorkbookCell> m_cells;
  std::vector<WorkbookChart> m_charts;
};

// The value a cell text stands for: true with *value when it is a plain decimal number.
bool CellTextIsNumber(const char* text, double* value);
