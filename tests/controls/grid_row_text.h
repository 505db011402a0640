// A grid row's cell texts joined by "|", for tests that compare whole rows.
#pragma once

#include <string>

#include "controls/GridCtrl.h"

namespace gridtest {

inline std::string RowText(CGridCtrl& grid, int row) {
  std::string s;
  for (int c = 0; c < grid.GetColumnCount(); ++c) {
    if (c) s += "|";
    s += grid.GetItemText(row, c).GetString();
  }
  return s;
}

}  // namespace gridtest
