// Writes a workbook model as an Office Open XML workbook (.xlsx): one sheet named "Sheet1"
// with its cells, and each chart as a native XY-scatter chart (lines and markers) over the
// sheet's cells.
#pragma once

#include "framework/base/CString.h"
#include "spreadsheet/WorkbookModel.h"

// False with a reason when the file could not be written completely.
bool WriteWorkbookFile(const CWorkbookModel& model, const char* path, CString* error);

// "=Sheet1!$D$5:$D$105"
CString SheetRangeFormula(const CSheetRange& range);
