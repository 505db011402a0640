#include "spreadsheet/ExcelExport.h"

#include <memory>

#include "framework/base/NumberText.h"
#include "framework/win/AfxCore.h"
#include "spreadsheet/WorkbookAutomation.h"

namespace {
// Dispatch ids of the spreadsheet program's members.
enum : DISPID {
  DISPID_APP_WORKBOOKS = 0x23C,
  DISPID_APP_USERCONTROL = 0x4BA,
  DISPID_APP_VISIBLE = 0x22E,
  DISPID_WORKBOOKS_ADD = 0xB5,
  DISPID_WORKBOOK_SHEETS = 0x1E5,
  DISPID_SHEETS_ITEM = 0xAA,
  DISPID_SHEET_RANGE = 0xC5,
  DISPID_SHEET_CHARTOBJECTS = 0x424,
  DISPID_RANGE_VALUE = 0x6,
  DISPID_CHARTOBJECTS_COUNT = 0x76,
  DISPID_CHARTOBJECTS_ADD = 0xB5,
  DISPID_CHARTOBJECT_CHART = 0x7,
  DISPID_CHART_WIZARD = 0xC4,
  DISPID_CHART_TYPE = 0x578,
  DISPID_CHART_GROUPS = 0x8,
  DISPID_CHART_HASLEGEND = 0x35,
  DISPID_CHART_LEGEND = 0x54,
  DISPID_CHART_SERIESCOLLECTION = 0x44,
  DISPID_GROUP_GAPWIDTH = 0x33,
  DISPID_SERIESCOLLECTION_ITEM = 0xAA,
  DISPID_SERIESCOLLECTION_NEWSERIES = 0x45D,
  DISPID_SERIES_NAME = 0x6E,
  DISPID_SERIES_VALUES = 0xA4,
  DISPID_SERIES_XVALUES = 0x457,
  DISPID_LEGEND_POSITION = 0x85
};

const char kStartFailed[] =
    "Unable to start the spreadsheet export\n"
    "The workbook cannot be written to the folder for temporary files.";

// Chart types whose bars get no gap.
const int kColumnClustered = 51;
const int k3DColumnClustered = 54;

// A VARIANT holding a dispatch pointer (its own reference).
COleVariant DispatchVariant(LPDISPATCH dispatch) {
  COleVariant v;
  v.vt = VT_DISPATCH;
  v.pdispVal = dispatch;
  if (dispatch) dispatch->AddRef();
  return v;
}

IDispatch* DefaultApplication() {
  CString folder = WritableTempFolder();
  if (folder.IsEmpty()) return nullptr;
  auto session = std::make_shared<WorkbookSession>();
  session->folder = folder;
  return CreateWorkbookApplication(session);
}

CExcelExport::ApplicationFactory& Factory() {
  static CExcelExport::ApplicationFactory factory;
  return factory;
}
}  // namespace

CExcelExport::ApplicationFactory CExcelExport::SetApplicationFactory(ApplicationFactory factory) {
  ApplicationFactory previous = Factory();
  Factory() = std::move(factory);
  return previous;
}

CExcelExport::CExcelExport()
    : m_strNumberFormat("%.12g"), m_varMissing((long)DISP_E_PARAMNOTFOUND, VT_ERROR) {}

CExcelExport::~CExcelExport() {
  delete m_pArray;
  m_varMissing.Clear();
  m_worksheet.ReleaseDispatch();
  m_sheets.ReleaseDispatch();
  m_application.ReleaseDispatch();
}

void CExcelExport::ShowMessage(LPCSTR text) {
  if (m_bShowMessages) AfxMessageBox(text, MB_OK);
}

BOOL CExcelExport::Start() {
  IDispatch* application = Factory() ? Factory()() : DefaultApplication();
  if (!application) {
    ShowMessage(kStartFailed);
    return FALSE;
  }
  m_application.AttachDispatch(application);
  COleDispatchDriver workbooks, workbook;
  LPDISPATCH dispatch = nullptr;
  m_application.InvokeHelper(DISPID_APP_WORKBOOKS, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch,
                             VTS_NONE);
  workbooks.AttachDispatch(dispatch);
  dispatch = nullptr;
  workbooks.InvokeHelper(DISPID_WORKBOOKS_ADD, DISPATCH_METHOD, VT_DISPATCH, &dispatch,
                         VTS_VARIANT, &m_varMissing);
  workbook.AttachDispatch(dispatch);
  dispatch = nullptr;
  workbook.InvokeHelper(DISPID_WORKBOOK_SHEETS, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch,
                        VTS_NONE);
  m_sheets.AttachDispatch(dispatch);
  dispatch = nullptr;
  COleVariant first((short)1);
  m_sheets.InvokeHelper(DISPID_SHEETS_ITEM, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch,
                        VTS_VARIANT, &first);
  m_worksheet.AttachDispatch(dispatch);
  return TRUE;
}

void CExcelExport::SetVisible(BOOL visible) {
  m_application.InvokeHelper(DISPID_APP_VISIBLE, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BOOL,
                             visible);
}

void CExcelExport::SetUserControl(BOOL userControl) {
  m_application.InvokeHelper(DISPID_APP_USERCONTROL, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr,
                             VTS_BOOL, userControl);
}

CString CExcelExport::SaveIncomplete() {
  if (!m_application.m_lpDispatch) return CString();
  try {
    SetVisible(FALSE);
    SetUserControl(TRUE);
  } catch (CException* e) {
    e->Delete();
    return CString();
  }
  return SavedWorkbookPath(m_application.m_lpDispatch);
}

LPDISPATCH CExcelExport::GetRange(const CSheetRange& range, COleDispatchDriver& worksheet) {
  if (!range.IsValid())
    AfxThrowOleDispatchException(E_INVALIDARG, "A cell lies outside the sheet's addresses.");
  COleVariant first(FormatCellAddress(range.GetFirstRow(), range.GetFirstColumn()));
  COleVariant last(FormatCellAddress(range.GetLastRow(), range.GetLastColumn()));
  LPDISPATCH dispatch = nullptr;
  worksheet.InvokeHelper(DISPID_SHEET_RANGE, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch,
                         VTS_VARIANT VTS_VARIANT, &first, &last);
  return dispatch;
}

void CExcelExport::SetCellText(const char* text, const CSheetRange& cell) {
  COleDispatchDriver range(GetRange(cell, m_worksheet));
  COleVariant value(text);
  range.InvokeHelper(DISPID_RANGE_VALUE, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_VARIANT,
                     &value);
}

void CExcelExport::SetCellNumber(double value, const CSheetRange& cell) {
  SetCellText(FormatNumber(m_strNumberFormat, value), cell);
}

void CExcelExport::CreateArray(const CSheetRange& range) {
  delete m_pArray;
  m_pArray = nullptr;
  m_arrayRange = range;
  if (!range.IsValid()) return;
  DWORD elements[2] = {(DWORD)range.GetRowCount(), (DWORD)range.GetColumnCount()};
  std::unique_ptr<COleSafeArray> array(new COleSafeArray);
  array->Create(VT_R8, 2, elements);
  m_pArray = array.release();
}

void CExcelExport::PutArrayNumber(double value, int row, int column) {
  if (!m_pArray || row < 0 || row >= m_arrayRange.GetRowCount() || column < 0 ||
      column >= m_arrayRange.GetColumnCount())
    return;
  long index[2] = {row, column};
  m_pArray->PutElement(index, &value);
}

void CExcelExport::WriteArray() {
  if (!m_pArray) return;
  COleDispatchDriver range(GetRange(m_arrayRange, m_worksheet));
  range.InvokeHelper(DISPID_RANGE_VALUE, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_VARIANT,
                     static_cast<const VARIANT*>(m_pArray));
  // The block has been handed over; the next one starts with CreateArray.
  delete m_pArray;
  m_pArray = nullptr;
}

void CExcelExport::PlaceChart(COleDispatchDriver& chart) {
  COleDispatchDriver objects, object;
  LPDISPATCH dispatch = nullptr;
  m_worksheet.InvokeHelper(DISPID_SHEET_CHARTOBJECTS, DISPATCH_METHOD, VT_DISPATCH, &dispatch,
                           VTS_VARIANT, &m_varMissing);
  objects.AttachDispatch(dispatch);
  long count = 0;
  objects.InvokeHelper(DISPID_CHARTOBJECTS_COUNT, DISPATCH_PROPERTYGET, VT_I4, &count, VTS_NONE);
  dispatch = nullptr;
  objects.InvokeHelper(DISPID_CHARTOBJECTS_ADD, DISPATCH_METHOD, VT_DISPATCH, &dispatch,
                       VTS_R8 VTS_R8 VTS_R8 VTS_R8, 150.0, ChartTop(count), 350.0, 250.0);
  object.AttachDispatch(dispatch);
  dispatch = nullptr;
  object.InvokeHelper(DISPID_CHARTOBJECT_CHART, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch,
                      VTS_NONE);
  chart.AttachDispatch(dispatch);
}

void CExcelExport::Wizard(COleDispatchDriver& chart, LPDISPATCH source,
                          const SheetChartStyle& style, short seriesLabels) {
  COleVariant sourceValue = DispatchVariant(source);
  COleVariant gallery((short)style.gallery);
  COleVariant plotBy((short)(style.plotByRows ? 1 : 2));
  COleVariant categoryLabels((short)1);
  COleVariant seriesLabelsValue(seriesLabels);
  COleVariant hasLegend((short)(style.hasLegend ? 1 : 0));
  COleVariant title(style.title), xTitle(style.xTitle), yTitle(style.yTitle);
  chart.InvokeHelper(DISPID_CHART_WIZARD, DISPATCH_METHOD, VT_EMPTY, nullptr,
                     VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT
                         VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT,
                     &sourceValue, &gallery, &m_varMissing, &plotBy, &categoryLabels,
                     &seriesLabelsValue, &hasLegend, &title, &xTitle, &yTitle, &m_varMissing);
}

void CExcelExport::FinishChart(COleDispatchDriver& chart, const SheetChartStyle& style) {
  if (style.setChartType)
    chart.InvokeHelper(DISPID_CHART_TYPE, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_I4,
                       (long)style.chartType);
  if (style.chartType == kColumnClustered || style.chartType == k3DColumnClustered) {
    COleVariant index((long)1);
    LPDISPATCH dispatch = nullptr;
    chart.InvokeHelper(DISPID_CHART_GROUPS, DISPATCH_METHOD, VT_DISPATCH, &dispatch, VTS_VARIANT,
                       &index);
    COleDispatchDriver group(dispatch);
    group.InvokeHelper(DISPID_GROUP_GAPWIDTH, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_I4,
                       0L);
  }
  if (style.hasLegend) {
    LPDISPATCH dispatch = nullptr;
    chart.InvokeHelper(DISPID_CHART_LEGEND, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch,
                       VTS_NONE);
    COleDispatchDriver legend(dispatch);
    legend.InvokeHelper(DISPID_LEGEND_POSITION, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_I4,
                        (long)style.legendPosition);
  }
}

void CExcelExport::AddChart(const CSheetRange& range, const SheetChartStyle& style) {
  COleDispatchDriver chart;
  PlaceChart(chart);
  COleDispatchDriver source(GetRange(range, m_worksheet));
  Wizard(chart, source.m_lpDispatch, style, 1);
  FinishChart(chart, style);
}

void CExcelExport::AddSeriesChart(const CArray<CSheetRange>& ranges, const CStringArray& names,
                                  const SheetChartStyle& style) {
  if (ranges.GetSize() == 0 || ranges.GetSize() != names.GetSize()) return;
  COleDispatchDriver chart;
  PlaceChart(chart);
  {
    COleDispatchDriver source(GetRange(ranges[0], m_worksheet));
    Wizard(chart, source.m_lpDispatch, style, 0);
  }
  FinishChart(chart, style);
  if (ranges.GetSize() < 2) return;

  LPDISPATCH dispatch = nullptr;
  chart.InvokeHelper(DISPID_CHART_SERIESCOLLECTION, DISPATCH_METHOD, VT_DISPATCH, &dispatch,
                     VTS_VARIANT, &m_varMissing);
  COleDispatchDriver collection(dispatch);
  {
    COleVariant first((short)1);
    dispatch = nullptr;
    collection.InvokeHelper(DISPID_SERIESCOLLECTION_ITEM, DISPATCH_METHOD, VT_DISPATCH, &dispatch,
                            VTS_VARIANT, &first);
    COleDispatchDriver series(dispatch);
    series.InvokeHelper(DISPID_SERIES_NAME, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BSTR,
                        names[0].GetString());
  }
  for (int i = 1; i < ranges.GetSize(); ++i) {
    const CSheetRange& r = ranges[i];
    dispatch = nullptr;
    collection.InvokeHelper(DISPID_SERIESCOLLECTION_NEWSERIES, DISPATCH_METHOD, VT_DISPATCH,
                            &dispatch, VTS_NONE);
    COleDispatchDriver series(dispatch);
    COleDispatchDriver xRange(GetRange(
        CSheetRange(r.GetFirstRow(), r.GetFirstColumn(), r.GetLastRow(), r.GetFirstColumn()),
        m_worksheet));
    COleDispatchDriver yRange(GetRange(
        CSheetRange(r.GetFirstRow(), r.GetLastColumn(), r.GetLastRow(), r.GetLastColumn()),
        m_worksheet));
    COleVariant x = DispatchVariant(xRange.m_lpDispatch);
    COleVariant y = DispatchVariant(yRange.m_lpDispatch);
    series.InvokeHelper(DISPID_SERIES_XVALUES, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr,
                        VTS_VARIANT, &x);
    series.InvokeHelper(DISPID_SERIES_VALUES, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_VARIANT,
                        &y);
    series.InvokeHelper(DISPID_SERIES_NAME, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BSTR,
                        names[i].GetString());
  }
  dispatch = nullptr;
  chart.InvokeHelper(DISPID_CHART_LEGEND, DISPATCH_PROPERTYGET, VT_DISPATCH, &dispatch, VTS_NONE);
  COleDispatchDriver legend(dispatch);
  chart.InvokeHelper(DISPID_CHART_HASLEGEND, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_BOOL,
                     TRUE);
  legend.InvokeHelper(DISPID_LEGEND_POSITION, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, VTS_I4,
                      (long)style.legendPosition);
}
