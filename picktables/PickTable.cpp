#include "picktables/PickTable.h"

#include "framework/base/NumberText.h"

CPickTable::CPickTable(int rowCount) : m_rows(rowCount > 0 ? rowCount : 0) {}

void CPickTable::SetRow(int index, const char* name, const char* kind, const char* klass,
                        const char* range, double value, int source) {
  if (index < 0 || index >= GetRowCount()) return;
  PickTableRow& row = m_rows[index];
  row.name = name;
  row.kind = kind;
  row.klass = klass;
  row.range = range;
  row.value = value;
  row.source = source;
}

void CPickTable::SetRange(int index, const char* range, double value) {
  if (index < 0 || index >= GetRowCount()) return;
  m_rows[index].range = range;
  m_rows[index].value = value;
}

void CPickTable::FilterByText(const CString& text) {
  CString needle = text;
  needle.MakeLower();
  m_matches.clear();
  for (int i = 0; i < GetRowCount(); ++i) {
    CString name = m_rows[i].name, klass = m_rows[i].klass;
    name.MakeLower();
    klass.MakeLower();
    if (needle.IsEmpty() || name.Find(needle) >= 0 || klass.Find(needle) >= 0)
      m_matches.push_back(i);
  }
}

void CPickTable::FilterByKind(const CString& word) {
  m_matches.clear();
  for (int i = 0; i < GetRowCount(); ++i)
    if (m_rows[i].kind.Find(word) >= 0) m_matches.push_back(i);
}

int CPickTable::RowAtPosition(int position, bool filtered) const {
  if (position < 0) return -1;
  if (filtered) return position < GetMatchCount() ? m_matches[position] : -1;
  return position < GetRowCount() ? position : -1;
}

std::vector<int> PickColumnWidths(const std::vector<int>& titleWidths, int iconWidth,
                                  int spareColumn, int spaceToFill) {
  std::vector<int> widths;
  int sum = 0;
  for (int w : titleWidths) {
    widths.push_back(w + iconWidth);
    sum += w + iconWidth;
  }
  if (sum < spaceToFill && spareColumn >= 0 && spareColumn < static_cast<int>(widths.size()))
    widths[spareColumn] += spaceToFill - sum;
  return widths;
}

double RangeMidpoint(const CString& range) {
  double low = 0.0, high = 0.0;
  const char* end = nullptr;
  if (ParseDouble(range, low, &end) != NumberParse::Ok) return 0.0;
  CString rest(end);
  rest.Trim();
  if (rest.IsEmpty()) return low;
  if (rest[0] != '-' || ParseDouble(rest.Mid(1), high) != NumberParse::Ok) return 0.0;
  return (low + high) / 2.0;
}
