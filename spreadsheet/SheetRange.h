// Cell ranges of a worksheet and their A1-style addresses.
#pragma once

#include "framework/base/CString.h"

// First row, first column, last row, last column; all 1-based, -1 when unset.
class CSheetRange {
 public:
  CSheetRange() = default;
  CSheetRange(int row, int column) { SetCell(row, column); }
  CSheetRange(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    Set(firstRow, firstColumn, lastRow, lastColumn);
  }

  int GetRowCount() const { return m_lastRow - m_firstRow + 1; }
  int GetColumnCount() const { return m_lastColumn - m_firstColumn + 1; }
  int GetFirstRow() const { return m_firstRow; }
  int GetFirstColumn() const { return m_firstColumn; }
  int GetLastRow() const { return m_lastRow; }
  int GetLastColumn() const { return m_lastColumn; }
  void SetLastRow(int row) { m_lastRow = row; }
  void SetLastColumn(int column) { m_lastColumn = column; }
  void SetCell(int row, int column) { Set(row, column, row, column); }
  void Set(int firstRow, int firstColumn, int lastRow, int lastColumn) {
    m_firstRow = firstRow;
    m_firstColumn = firstColumn;
    m_lastRow = lastRow;
    m_lastColumn = lastColumn;
  }
  // Both corners addressable and the first not after the last.
  bool IsValid() const;
  bool Contains(int row, int column) const {
    return row >= m_firstRow && row <= m_lastRow && column >= m_firstColumn &&
           column <= m_lastColumn;
  }
  bool operator==(const CSheetRange& o) const {
    return m_firstRow == o.m_firstRow && m_firstColumn == o.m_firstColumn &&
           m_lastRow == o.m_lastRow && m_lastColumn == o.m_lastColumn;
  }

 private:
  int m_firstRow = -1;
  int m_firstColumn = -1;
  int m_lastRow = -1;
  int m_lastColumn = -1;
};

// The highest column the two-letter addresses reach (ZZ).
enum { SHEET_MAX_COLUMN = 702 };

// "B2" for row 2, column 2; columns 27 to 702 take two letters (AA .. ZZ). A row or column
// outside the addressable range gives an empty text.
CString FormatCellAddress(int row, int column);

// Reads an address written by FormatCellAddress (letters in either case, then the row, nothing
// else); false when the text is not one.
bool ParseCellAddress(const char* text, int* row, int* column);
