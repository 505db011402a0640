// The Hoek-Brown constant mi of 42 rock types, with a list filtered by rock class and texture.
#pragma once

#include "framework/base/CString.h"

class CMiTable {
 public:
  enum { kRowCount = 42 };

  // All rows match, sorted by name.
  CMiTable();

  // Each word filters by substring of the row's class or texture (case-sensitive, after
  // lower-casing the word); an empty word clears its filter. "Very Fine" is looked for as the
  // very-fine rows store it ("very f!ne"), so the word "Fine" never lists a very-fine row.
  // The match list is rebuilt, sorted by name with equal names in table order.
  void SetFilter(const CString& classWord, const CString& textureWord);
  int GetCount() const { return m_matchCount; }
  // The row at a position of the match list; false (nothing written) outside 0 .. count - 1.
  bool GetRow(int index, int* mi, int* spread, CString* name) const;
  // The table row at a position of the match list, -1 outside it.
  int GetRowIndex(int index) const;

  struct Row {
    int mi;
    int spread;
    CString name;
    CString rockClass;
    CString texture;
  };
  const Row& GetTableRow(int row) const { return m_rows[row]; }

 private:
  void Rebuild();

  Row m_rows[kRowCount];
  int m_matchCount;
  int m_matches[kRowCount];
  CString m_textureFilter;
  CString m_classFilter;
};

// The list box line of a row: name, four blanks, mi, the plus-minus sign (0xB1 of the
// Windows ANSI code page) and the spread.
CString FormatMiLine(const CString& name, int mi, int spread);

// Word number index of a text whose words are separated by sep: the text from the index-th
// separator to the next one, or to the end when that one is missing; empty when the text has
// fewer words.
CString ExtractWord(const CString& text, int index, char sep = '|');
