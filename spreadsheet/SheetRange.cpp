#include "spreadsheet/SheetRange.h"

#include <climits>

bool CSheetRange::IsValid() const {
  return m_firstRow >= 1 && m_firstColumn >= 1 && m_firstColumn <= SHEET_MAX_COLUMN &&
         m_lastRow >= m_firstRow && m_lastColumn >= m_firstColumn &&
         m_lastColumn <= SHEET_MAX_COLUMN;
}

CString FormatCellAddress(int row, int column) {
  CString text;
  if (row < 1 || column < 1 || column > SHEET_MAX_COLUMN) return text;
  int c = column - 1;
  if (column <= 26)
    text.Format("%c%d", 'A' + c, row);
  else
    text.Format("%c%c%d", 'A' + c / 26 - 1, 'A' + c % 26, row);
  return text;
}

bool ParseCellAddress(const char* text, int* row, int* column) {
  if (!text) return false;
  int letters = 0;
  int col = 0;
  const char* p = text;
  for (; *p; ++p) {
    char ch = *p;
    if (ch >= 'a' && ch <= 'z') ch = (char)(ch - 'a' + 'A');
    if (ch < 'A' || ch > 'Z') break;
    if (++letters > 2) return false;
    col = col * 26 + (ch - 'A' + 1);
  }
  if (letters == 0 || *p < '1' || *p > '9') return false;
  long r = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    r = r * 10 + (*p - '0');
    if (r > INT_MAX / 10) return false;
  }
  if (*p != '\0') return false;
  *row = (int)r;
  *column = col;
  return true;
}
