// Joint wall compressive strength (JCS) of 13 strength classes of soil and rock, with the
// range text and typical value of each in every unit system.
#pragma once

#include <vector>

#include "framework/base/CString.h"

struct JcsRow {
  CString kind;  // "soil" or "rock"
  CString description;
  CString fieldEstimate;
  CString example;
  CString range;
  double value = 0.0;
};

class CJcsTable {
 public:
  enum { kRowCount = 13 };

  CJcsTable() { Build(0); }
  // The rows of a unit system (UnitsType 0-7); for another index every row is empty with a
  // value of 0.
  void Build(int units);
  const JcsRow& GetRow(int row) const { return m_rows[row]; }

  // The rows whose kind contains the word, in table order.
  std::vector<int> Filter(const CString& word) const;

 private:
  JcsRow m_rows[kRowCount];
};

// What a weathered rock wall keeps of the strength.
const double kJcsWeatheredFactor = 0.25;
// The JCS of a row as picked: quartered for a rock row when weathering is ticked.
double JcsPickedValue(const JcsRow& row, bool weathered);
// The title of the range column: "JCS range (MPa)", ...; MPa for an index outside 0-7.
CString JcsRangeTitle(int units);
