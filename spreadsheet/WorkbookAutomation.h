// The spreadsheet program as the export sees it: an in-process automation object model
// (Application, Workbooks, Workbook, Sheets, Worksheet, Range, ChartObjects, ChartObject,
// Chart, ChartGroup, Legend, SeriesCollection, Series) over one workbook model. When the
// export hands the workbook to the user (Application.UserControl = TRUE) it is written as a
// real .xlsx file and, when the application is visible, opened through the shell.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <functional>
#include <memory>
#include <vector>

#include "spreadsheet/AutomationObject.h"
#include "spreadsheet/WorkbookModel.h"

struct WorkbookSession {
  CWorkbookModel model;
  std::shared_ptr<std::vector<AutomationCall>> calls =
      std::make_shared<std::vector<AutomationCall>>();
  bool visible = false;
  bool userControl = false;
  bool workbookAdded = false;
  // The folder the workbook goes to (with a trailing backslash).
  CString folder;
  // The workbook written, once it has been.
  CString savedPath;
  // Writes the model; the default is the .xlsx writer. Returns false with a reason.
  std::function<bool(const CWorkbookModel&, const char* path, CString* error)> writer;
  // Calls to turn down: given the object's class and the member's name, the reason, or empty to
  // run the call. None by default.
  std::function<CString(const char* object, const char* member)> refusal;
};

// A new Application object over the session (one reference, for the caller).
IDispatch* CreateWorkbookApplication(std::shared_ptr<WorkbookSession> session);

// The file the workbook of an application object made above was written to; empty before it
// has been written, and for any other object.
CString SavedWorkbookPath(IDispatch* application);

// "Quarvex Report 2024-03-05 14-07-09.xlsx" in folder, with " (2)", " (3)" ... before the
// extension while a file of that name exists.
CString MakeReportFileName(const CString& folder, const SYSTEMTIME& time);

// The folder for temporary files with a trailing backslash; empty when it cannot be written.
CString WritableTempFolder();
