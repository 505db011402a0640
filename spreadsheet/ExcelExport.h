// The program's connection to the spreadsheet program: starts it with a new workbook and
// writes cells, blocks of numbers and XY-scatter charts into the first worksheet through
// automation. A rejected call throws COleDispatchException.
#pragma once

#include <windows.h>

#include <oaidl.h>

#include <functional>

#include "framework/win/OleDispatch.h"
#include "spreadsheet/SheetWriter.h"

class CExcelExport : public CSheetWriter {
 public:
  CExcelExport();
  ~CExcelExport() override;
  CExcelExport(const CExcelExport&) = delete;
  CExcelExport& operator=(const CExcelExport&) = delete;

  void SetShowMessages(BOOL show) { m_bShowMessages = show; }
  // A message box with the text, only when messages are on.
  void ShowMessage(LPCSTR text);

  // Starts the application with a new workbook and takes its first worksheet. FALSE (with the
  // start message) when the application cannot be had.
  BOOL Start();
  void SetVisible(BOOL visible);
  // TRUE hands the workbook over to the user.
  void SetUserControl(BOOL userControl);
  // After a failure part-way: hands over the workbook as far as it was written, without
  // opening it. The file it was written to, or empty when there is none (no workbook was
  // made, or it could not be written). Never throws.
  CString SaveIncomplete();

  // The Range object of the range's corners on the worksheet (the caller releases it).
  LPDISPATCH GetRange(const CSheetRange& range, COleDispatchDriver& worksheet);

  void SetCellText(const char* text, const CSheetRange& cell) override;
  void SetCellNumber(double value, const CSheetRange& cell) override;
  void CreateArray(const CSheetRange& range) override;
  void PutArrayNumber(double value, int row, int column) override;
  void WriteArray() override;
  void AddChart(const CSheetRange& range, const SheetChartStyle& style) override;
  void AddSeriesChart(const CArray<CSheetRange>& ranges, const CStringArray& names,
                      const SheetChartStyle& style) override;

  // Where the application comes from: a function giving a new application object (one
  // reference) or null when none can be had. The default is the program's own workbook
  // writer. Returns the previous factory; an empty function restores the default.
  typedef std::function<IDispatch*()> ApplicationFactory;
  static ApplicationFactory SetApplicationFactory(ApplicationFactory factory);

  // Where the next chart goes: stacked below the ones already on the sheet, in points.
  static double ChartTop(long chartsOnSheet) { return 20.0 + 275.0 * chartsOnSheet; }

 private:
  // ChartObjects.Add below the existing charts; the new chart into chart.
  void PlaceChart(COleDispatchDriver& chart);
  void Wizard(COleDispatchDriver& chart, LPDISPATCH source, const SheetChartStyle& style,
              short seriesLabels);
  void FinishChart(COleDispatchDriver& chart, const SheetChartStyle& style);

  CString m_strNumberFormat;
  COleDispatchDriver m_application;
  COleDispatchDriver m_worksheet;
  COleDispatchDriver m_sheets;
  BOOL m_bShowMessages = FALSE;
  COleVariant m_varMissing;
  COleSafeArray* m_pArray = nullptr;
  CSheetRange m_arrayRange;
};
