// The grid's clipboard text, as spreadsheets write it: cells separated by tabs, rows by CR LF.
// Writing the selection and reading pasted or dropped text need no window; the reader is
// bounded by the data's size and never trusts a NUL to be there.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "controls/GridTypes.h"

namespace gridtext {

// The text of the block `range`: row by row, a selected cell gives its text (a blank for an
// empty one), an unselected cell nothing; a tab after every column but the last, CR LF after
// every row but the last. The caller adds the closing NUL.
template <class IsSelected, class CellText>
std::string FormatCopyText(const GRIDRANGE& range, IsSelected isSelected, CellText cellText) {
  std::string out;
  for (int row = range.minRow; row <= range.maxRow; ++row) {
    for (int col = range.minCol; col <= range.maxCol; ++col) {
      if (isSelected(row, col)) {
        const std::string& text = cellText(row, col);
        out += text.empty() ? std::string(" ") : text;
      }
      if (col < range.maxCol) out += '\t';
    }
    if (row < range.maxRow) out += "\r\n";
  }
  return out;
}

// Reads pasted text line by line. The data ends at its size or its first NUL. Lines end at
// "\n"; a line splits into fields at tabs, commas and newlines, where runs of separators count
// as one, so empty fields vanish; each field is trimmed of white space (a CR LF line end leaves
// no CR). An empty line followed by a newline is one blank field; an empty last line is no line.
class PasteReader {
 public:
  PasteReader(const char* data, size_t size);
  // The next line's fields; false when no line is left.
  bool NextLine(std::vector<std::string>& fields);
  // Whether any field of a line holds text.
  static bool HasText(const std::vector<std::string>& fields);

 private:
  const char* m_pos;
  const char* m_end;
};

// Whether a cell may hold this text: nothing at all, or one decimal number read whole (blanks
// around it allowed); "nan", "inf", hexadecimal and trailing text are refused.
bool IsNumberText(const std::string& text);

}  // namespace gridtext
