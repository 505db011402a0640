#include "spreadsheet/WorkbookModel.h"

#include "framework/base/NumberText.h"

bool CellTextIsNumber(const char* text, double* value) {
  double v = 0.0;
  if (ParseDouble(text, v) != NumberParse::Ok) return false;
  *value = v;
  return true;
}

void CWorkbookModel::SetCellText(int row, int column, const char* text) {
  WorkbookCell& cell = m_cells[{row, column}];
  cell.text = text;
  cell.isNumber = CellTextIsNumber(text, &cell.number);
  if (!cell.isNumber) cell.number = 0.0;
}

void CWorkbookModel::SetCellNumber(int row, int column, double value) {
  WorkbookCell& cell = m_cells[{row, column}];
  cell.isNumber = true;
  cell.number = value;
  cell.text = FormatNumber("%.15g", value);
}

const WorkbookCell* CWorkbookModel::GetCell(int row, int column) const {
  auto it = m_cells.find({row, column});
  return it == m_cells.end() ? nullptr : &it->second;
}

int CWorkbookModel::GetLastRow() const {
  return m_cells.empty() ? 0 : m_cells.rbegin()->first.first;
}

WorkbookChart& CWorkbookModel::AddChart() {
  m_charts.emplace_back();
  return m_charts.back();
}
