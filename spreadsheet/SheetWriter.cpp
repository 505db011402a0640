#include "spreadsheet/SheetWriter.h"

#include "framework/base/NumberText.h"

CString SheetNumberText(double value) {
  return FormatNumber("%.12g", value);
}
