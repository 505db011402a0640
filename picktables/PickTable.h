// The tables of the list-pick dialogs (cohesion, friction angle, residual friction angle): a
// fixed set of rows, and the match list of the rows that passed the last filter.
#pragma once

#include <vector>

#include "framework/base/CString.h"

struct PickTableRow {
  CString name;   // first list column
  CString kind;   // "soil" / "rock", or the moisture "wet" / "dry"
  CString klass;  // second column (USCS class, moisture or stress range)
  CString range;  // third column: the range text of the value
  double value = 0.0;  // what the row returns
  int source = 0;      // 1-based number of its reference text
};

class CPickTable {
 public:
  explicit CPickTable(int rowCount);

  int GetRowCount() const { return static_cast<int>(m_rows.size()); }
  // Stores the fields into the row; an index outside the table does nothing.
  void SetRow(int index, const char* name, const char* kind, const char* klass, const char* range,
              double value, int source);
  const PickTableRow& GetRow(int index) const { return m_rows[index]; }
  // Only the range text and the value (the parts that follow the unit system).
  void SetRange(int index, const char* range, double value);

  // Rows whose lower-cased name or class contains the lower-cased text, in table order; an
  // empty text matches every row. No trimming: a single blank matches rows with a blank.
  void FilterByText(const CString& text);
  // Rows whose kind contains the word (case-sensitive), in table order.
  void FilterByKind(const CString& word);
  int GetMatchCount() const { return static_cast<int>(m_matches.size()); }
  int GetMatch(int index) const { return m_matches[index]; }
  // The table row shown at a list position: through the match list when filtered, else the
  // position itself; -1 when the position lists nothing.
  int RowAtPosition(int position, bool filtered) const;

 private:
  std::vector<PickTableRow> m_rows;
  std::vector<int> m_matches;
};

// Widths of list columns: each title's width plus the small-icon width; when they add up to
// less than the space to fill, the spare column takes the difference.
std::vector<int> PickColumnWidths(const std::vector<int>& titleWidths, int iconWidth,
                                  int spareColumn, int spaceToFill);

// The middle of a range text "a - b", or the number of a single-number text; 0 for a text
// that is neither.
double RangeMidpoint(const CString& range);
