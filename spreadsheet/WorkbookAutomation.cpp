#include "spreadsheet/WorkbookAutomation.h"

#include <cstring>

#include "framework/win/OleDispatch.h"
#include "framework/win/TestSeams.h"
#include "spreadsheet/WorkbookFile.h"

namespace {

typedef std::shared_ptr<WorkbookSession> Session;

const WORD GET = DISPATCH_PROPERTYGET;
const WORD PUT = DISPATCH_PROPERTYPUT;
const WORD METHOD = DISPATCH_METHOD;

// Spreadsheet codes the charts understand.
const int kGalleryXYScatter = -4169;
const int kChartTypeXYScatterLines = 74;
const int kPlotByColumns = 2;

HRESULT Fail(CString* error, const char* text) {
  *error = text;
  return DISP_E_EXCEPTION;
}

// Base of the objects below: every one of them works on the session's workbook.
class CSessionObject : public CAutomationObject {
 public:
  CSessionObject(const char* name, Session session)
      : CAutomationObject(name, session->calls), m_session(std::move(session)) {}

  const WorkbookSession& GetSession() const { return *m_session; }

 protected:
  bool Refuses(const AutomationMember& member, CString* error) override {
    if (!m_session->refusal) return false;
    *error = m_session->refusal(GetClassName(), member.name);
    return !error->IsEmpty();
  }

  Session m_session;
};

class CRangeObject : public CSessionObject {
 public:
  CRangeObject(Session s, const CSheetRange& range) : CSessionObject("Range", s), m_range(range) {}
  const CSheetRange& GetRange() const { return m_range; }

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{6, PUT, "Value", "a"}, {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>& args, VARIANT*,
               CString* error) override {
    const VARIANT& value = *args[0];
    CWorkbookModel& model = m_session->model;
    if (value.vt == VT_BSTR || value.vt == VT_R8) {
      // One value goes into every cell of the range.
      for (int r = m_range.GetFirstRow(); r <= m_range.GetLastRow(); ++r)
        for (int c = m_range.GetFirstColumn(); c <= m_range.GetLastColumn(); ++c) {
          if (value.vt == VT_BSTR)
            model.SetCellText(r, c, AfxBstrToString(value.bstrVal));
          else
            model.SetCellNumber(r, c, value.dblVal);
        }
      return S_OK;
    }
    // A two-dimensional array, rows first, fills the range from its top-left cell; elements
    // beyond the range are dropped, as are cells of the range beyond the array.
    SAFEARRAY* array = value.parray;
    long r0 = 0, r1 = -1, c0 = 0, c1 = -1;
    if (FAILED(::SafeArrayGetLBound(array, 1, &r0)) || FAILED(::SafeArrayGetUBound(array, 1, &r1)) ||
        FAILED(::SafeArrayGetLBound(array, 2, &c0)) || FAILED(::SafeArrayGetUBound(array, 2, &c1)))
      return Fail(error, "The array has no bounds.");
    long rows = std::min<long>(r1 - r0 + 1, m_range.GetRowCount());
    long columns = std::min<long>(c1 - c0 + 1, m_range.GetColumnCount());
    for (long r = 0; r < rows; ++r)
      for (long c = 0; c < columns; ++c) {
        long index[2] = {r0 + r, c0 + c};
        double number = 0.0;
        if (FAILED(::SafeArrayGetElement(array, index, &number)))
          return Fail(error, "An array element could not be read.");
        model.SetCellNumber(m_range.GetFirstRow() + (int)r, m_range.GetFirstColumn() + (int)c,
                            number);
      }
    return S_OK;
  }

 private:
  CSheetRange m_range;
};

class CSeriesObject : public CSessionObject {
 public:
  CSeriesObject(Session s, size_t chart, size_t series)
      : CSessionObject("Series", s), m_chart(chart), m_series(series) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x6E, PUT, "Name", "b"},
                                               {0xA4, PUT, "Values", "d"},
                                               {0x457, PUT, "XValues", "d"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args, VARIANT*,
               CString* error) override {
    WorkbookSeries& series = m_session->model.GetCharts()[m_chart].series[m_series];
    if (member.id == 0x6E) {
      series.name = AfxBstrToString(args[0]->bstrVal);
      return S_OK;
    }
    auto* range = dynamic_cast<CRangeObject*>(FromDispatch(args[0]->pdispVal));
    if (!range) return Fail(error, "Series values must be a range of the sheet.");
    (member.id == 0xA4 ? series.yValues : series.xValues) = range->GetRange();
    return S_OK;
  }

 private:
  size_t m_chart, m_series;
};

class CSeriesCollectionObject : public CSessionObject {
 public:
  CSeriesCollectionObject(Session s, size_t chart)
      : CSessionObject("SeriesCollection", s), m_chart(chart) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0xAA, METHOD, "Item", "h"},
                                               {0x45D, METHOD, "NewSeries", ""},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args,
               VARIANT* result, CString*) override {
    std::vector<WorkbookSeries>& list = m_session->model.GetCharts()[m_chart].series;
    size_t index;
    if (member.id == 0xAA) {
      int item = args[0]->iVal;
      if (item < 1 || (size_t)item > list.size()) return DISP_E_BADINDEX;
      index = (size_t)item - 1;
    } else {
      list.emplace_back();
      index = list.size() - 1;
    }
    ReturnObject(result, new CSeriesObject(m_session, m_chart, index));
    return S_OK;
  }

 private:
  size_t m_chart;
};

class CLegendObject : public CSessionObject {
 public:
  CLegendObject(Session s, size_t chart) : CSessionObject("Legend", s), m_chart(chart) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x85, PUT, "Position", "l"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>& args, VARIANT*,
               CString*) override {
    m_session->model.GetCharts()[m_chart].legendPosition = (int)args[0]->lVal;
    return S_OK;
  }

 private:
  size_t m_chart;
};

class CChartGroupObject : public CSessionObject {
 public:
  CChartGroupObject(Session s, size_t chart) : CSessionObject("ChartGroup", s), m_chart(chart) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x33, PUT, "GapWidth", "l"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>& args, VARIANT*,
               CString*) override {
    m_session->model.GetCharts()[m_chart].gapWidth = (int)args[0]->lVal;
    return S_OK;
  }

 private:
  size_t m_chart;
};

class CChartObject : public CSessionObject {
 public:
  CChartObject(Session s, size_t chart) : CSessionObject("Chart", s), m_chart(chart) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0xC4, METHOD, "ChartWizard", "dhmhhhhbbbm"},
                                               {0x578, PUT, "ChartType", "l"},
                                               {0x8, METHOD, "ChartGroups", "l"},
                                               {0x35, PUT, "HasLegend", "B"},
                                               {0x54, GET, "Legend", ""},
                                               {0x44, METHOD, "SeriesCollection", "m"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args,
               VARIANT* result, CString* error) override {
    WorkbookChart& chart = m_session->model.GetCharts()[m_chart];
    switch (member.id) {
      case 0xC4: return Wizard(chart, args, error);
      case 0x578:
        if (args[0]->lVal != kChartTypeXYScatterLines)
          return Fail(error, "Only XY scatter charts with lines and markers can be made.");
        chart.chartType = (int)args[0]->lVal;
        return S_OK;
      case 0x8:
        if (args[0]->lVal != 1) return DISP_E_BADINDEX;
        ReturnObject(result, new CChartGroupObject(m_session, m_chart));
        return S_OK;
      case 0x35: chart.hasLegend = args[0]->boolVal != VARIANT_FALSE; return S_OK;
      case 0x54: ReturnObject(result, new CLegendObject(m_session, m_chart)); return S_OK;
      default: ReturnObject(result, new CSeriesCollectionObject(m_session, m_chart)); return S_OK;
    }
  }

 private:
  // Source, Gallery, Format, PlotBy, CategoryLabels, SeriesLabels, HasLegend, Title,
  // CategoryTitle, ValueTitle, ExtraTitle.
  HRESULT Wizard(WorkbookChart& chart, const std::vector<const VARIANT*>& args, CString* error) {
    auto* source = dynamic_cast<CRangeObject*>(FromDispatch(args[0]->pdispVal));
    if (!source) return Fail(error, "The chart source must be a range of the sheet.");
    if (args[1]->iVal != kGalleryXYScatter)
      return Fail(error, "Only XY scatter charts can be made.");
    if (args[3]->iVal != kPlotByColumns)
      return Fail(error, "Chart series can only be taken from columns.");
    int categoryLabels = args[4]->iVal, seriesLabels = args[5]->iVal;
    if (categoryLabels < 0 || categoryLabels > 1 || seriesLabels < 0 || seriesLabels > 1)
      return Fail(error, "Only one row of series names and one column of x values are known.");
    const CSheetRange& range = source->GetRange();
    int firstData = range.GetFirstRow() + seriesLabels;
    int firstY = range.GetFirstColumn() + categoryLabels;
    if (firstData > range.GetLastRow() || firstY > range.GetLastColumn())
      return Fail(error, "The chart source holds no data.");
    chart.series.clear();
    for (int c = firstY; c <= range.GetLastColumn(); ++c) {
      WorkbookSeries series;
      if (seriesLabels) {
        const WorkbookCell* name = m_session->model.GetCell(range.GetFirstRow(), c);
        if (name) series.name = name->text;
      }
      if (categoryLabels)
        series.xValues.Set(firstData, range.GetFirstColumn(), range.GetLastRow(),
                           range.GetFirstColumn());
      series.yValues.Set(firstData, c, range.GetLastRow(), c);
      chart.series.push_back(series);
    }
    chart.hasLegend = args[6]->iVal != 0;
    chart.title = AfxBstrToString(args[7]->bstrVal);
    chart.xTitle = AfxBstrToString(args[8]->bstrVal);
    chart.yTitle = AfxBstrToString(args[9]->bstrVal);
    return S_OK;
  }

  size_t m_chart;
};

class CChartObjectObject : public CSessionObject {
 public:
  CChartObjectObject(Session s, size_t chart) : CSessionObject("ChartObject", s), m_chart(chart) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x7, GET, "Chart", ""}, {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>&, VARIANT* result,
               CString*) override {
    ReturnObject(result, new CChartObject(m_session, m_chart));
    return S_OK;
  }

 private:
  size_t m_chart;
};

class CChartObjectsObject : public CSessionObject {
 public:
  explicit CChartObjectsObject(Session s) : CSessionObject("ChartObjects", s) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x76, GET, "Count", ""},
                                               {0xB5, METHOD, "Add", "rrrr"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args,
               VARIANT* result, CString* error) override {
    std::vector<WorkbookChart>& charts = m_session->model.GetCharts();
    if (member.id == 0x76) {
      if (result) {
        result->vt = VT_I4;
        result->lVal = (LONG)charts.size();
      }
      return S_OK;
    }
    double left = args[0]->dblVal, top = args[1]->dblVal;
    double width = args[2]->dblVal, height = args[3]->dblVal;
    if (!(left >= 0 && top >= 0 && width > 0 && height > 0 && width < 1e5 && height < 1e5 &&
          left < 1e6 && top < 1e7))
      return Fail(error, "The chart position is outside the sheet.");
    WorkbookChart& chart = m_session->model.AddChart();
    chart.left = left;
    chart.top = top;
    chart.width = width;
    chart.height = height;
    ReturnObject(result, new CChartObjectObject(m_session, charts.size() - 1));
    return S_OK;
  }
};

class CWorksheetObject : public CSessionObject {
 public:
  explicit CWorksheetObject(Session s) : CSessionObject("Worksheet", s) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0xC5, GET, "Range", "bb"},
                                               {0x424, METHOD, "ChartObjects", "m"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args,
               VARIANT* result, CString* error) override {
    if (member.id == 0x424) {
      ReturnObject(result, new CChartObjectsObject(m_session));
      return S_OK;
    }
    int r1, c1, r2, c2;
    if (!ParseCellAddress(AfxBstrToString(args[0]->bstrVal), &r1, &c1) ||
        !ParseCellAddress(AfxBstrToString(args[1]->bstrVal), &r2, &c2))
      return Fail(error, "A cell address is not valid.");
    CSheetRange range(std::min(r1, r2), std::min(c1, c2), std::max(r1, r2), std::max(c1, c2));
    if (!range.IsValid()) return Fail(error, "A cell address is not valid.");
    ReturnObject(result, new CRangeObject(m_session, range));
    return S_OK;
  }
};

class CSheetsObject : public CSessionObject {
 public:
  explicit CSheetsObject(Session s) : CSessionObject("Sheets", s) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0xAA, GET, "Item", "h"}, {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>& args, VARIANT* result,
               CString*) override {
    if (args[0]->iVal != 1) return DISP_E_BADINDEX;  // the workbook has one sheet
    ReturnObject(result, new CWorksheetObject(m_session));
    return S_OK;
  }
};

class CWorkbookObject : public CSessionObject {
 public:
  explicit CWorkbookObject(Session s) : CSessionObject("Workbook", s) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x1E5, GET, "Sheets", ""},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>&, VARIANT* result,
               CString*) override {
    ReturnObject(result, new CSheetsObject(m_session));
    return S_OK;
  }
};

class CWorkbooksObject : public CSessionObject {
 public:
  explicit CWorkbooksObject(Session s) : CSessionObject("Workbooks", s) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0xB5, METHOD, "Add", "m"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember&, const std::vector<const VARIANT*>&, VARIANT* result,
               CString* error) override {
    if (m_session->workbookAdded) return Fail(error, "Only one workbook can be made.");
    m_session->workbookAdded = true;
    ReturnObject(result, new CWorkbookObject(m_session));
    return S_OK;
  }
};

class CApplicationObject : public CSessionObject {
 public:
  explicit CApplicationObject(Session s) : CSessionObject("Application", s) {}

 protected:
  const AutomationMember* GetMembers() const override {
    static const AutomationMember members[] = {{0x23C, GET, "Workbooks", ""},
                                               {0x22E, PUT, "Visible", "B"},
                                               {0x4BA, PUT, "UserControl", "B"},
                                               {0, 0, nullptr, nullptr}};
    return members;
  }
  HRESULT Call(const AutomationMember& member, const std::vector<const VARIANT*>& args,
               VARIANT* result, CString* error) override {
    switch (member.id) {
      case 0x23C: ReturnObject(result, new CWorkbooksObject(m_session)); return S_OK;
      case 0x22E: m_session->visible = args[0]->boolVal != VARIANT_FALSE; return S_OK;
      default: {
        bool handOver = args[0]->boolVal != VARIANT_FALSE;
        if (handOver && !m_session->userControl && m_session->workbookAdded) {
          HRESULT hr = HandOver(error);
          if (FAILED(hr)) return hr;
        }
        m_session->userControl = handOver;
        return S_OK;
      }
    }
  }

 private:
  // The user takes over the workbook: it is written and, when the application is visible,
  // opened with the program the shell associates with workbooks.
  HRESULT HandOver(CString* error) {
    SYSTEMTIME now;
    AfxGetLocalTime(&now);
    CString path = MakeReportFileName(m_session->folder, now);
    CString reason;
    auto writer = m_session->writer ? m_session->writer : WriteWorkbookFile;
    if (!writer(m_session->model, path, &reason)) {
      ::DeleteFileA(path);
      // In the user's words first, as a project save says it; the writer's reason after.
      // The path has a line of its own: message boxes are narrow.
      error->Format("Could not write\n%s\nThe disk may be full or the folder not writable.",
                    path.GetString());
      if (!reason.IsEmpty()) *error += "\n(" + reason + ")";
      return DISP_E_EXCEPTION;
    }
    m_session->savedPath = path;
    if (m_session->visible) {
      HINSTANCE opened = AfxShellExecute(NULL, "open", path, NULL, NULL, SW_SHOWNORMAL);
      if ((INT_PTR)opened <= 32) {
        CString text;
        text.Format("The report was saved as\n%s\nNo program is set up to open workbooks.",
                    path.GetString());
        AfxShowMessageBox(NULL, text, "Quarvex", MB_OK | MB_ICONINFORMATION);
      }
    }
    return S_OK;
  }
};

bool FileExists(const CString& path) {
  return ::GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

IDispatch* CreateWorkbookApplication(std::shared_ptr<WorkbookSession> session) {
  return new CApplicationObject(std::move(session));
}

CString SavedWorkbookPath(IDispatch* application) {
  CAutomationObject* object = CAutomationObject::FromDispatch(application);
  if (!object || std::strcmp(object->GetClassName(), "Application") != 0) return CString();
  return static_cast<CSessionObject*>(object)->GetSession().savedPath;
}

CString MakeReportFileName(const CString& folder, const SYSTEMTIME& t) {
  CString stem;
  stem.Format("%sQuarvex Report %04d-%02d-%02d %02d-%02d-%02d", folder.GetString(), t.wYear,
              t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
  CString path = stem + ".xlsx";
  for (int n = 2; FileExists(path) && n < 1000; ++n) path.Format("%s (%d).xlsx", stem.GetString(), n);
  return path;
}

CString WritableTempFolder() {
  char buffer[MAX_PATH + 1] = {};
  DWORD n = ::GetTempPathA(MAX_PATH, buffer);
  if (n == 0 || n > MAX_PATH) return CString();
  CString folder(buffer);
  if (folder.Right(1) != "\\") folder += "\\";
  char probe[MAX_PATH + 1] = {};
  if (!::GetTempFileNameA(folder, "qxr", 0, probe)) return CString();
  ::DeleteFileA(probe);
  return folder;
}
