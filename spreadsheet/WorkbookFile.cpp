#include "spreadsheet/WorkbookFile.h"

#include <windows.h>

#include <xlsxwriter.h>

namespace {
const char kSheetName[] = "Sheet1";
// Charts are placed in points; the library places them in pixels of a 96-dpi sheet, and its
// default chart is 480 x 288 pixels.
const double kPixelsPerPoint = 96.0 / 72.0;
const double kDefaultChartWidth = 480.0;
const double kDefaultChartHeight = 288.0;

// A text that starts with "=" would be taken for a cell reference in a chart title.
CString PlainTitle(const CString& text) {
  return text.Left(1) == "=" ? " " + text : text;
}

CString LibraryError(lxw_error e) {
  return CString(lxw_strerror(e));
}
}  // namespace

CString SheetRangeFormula(const CSheetRange& range) {
  CString first = FormatCellAddress(range.GetFirstRow(), range.GetFirstColumn());
  CString last = FormatCellAddress(range.GetLastRow(), range.GetLastColumn());
  // "$D$5": a dollar sign before the letters and before the row.
  auto absolute = [](const CString& a) {
    int digits = 0;
    while (digits < a.GetLength() && !(a[digits] >= '0' && a[digits] <= '9')) ++digits;
    return "$" + a.Left(digits) + "$" + a.Mid(digits);
  };
  return CString("=") + kSheetName + "!" + absolute(first) + ":" + absolute(last);
}

bool WriteWorkbookFile(const CWorkbookModel& model, const char* path, CString* error) {
  char tempFolder[MAX_PATH + 1] = {};
  DWORD n = ::GetTempPathA(MAX_PATH, tempFolder);
  lxw_workbook_options options = {};
  options.tmpdir = (n > 0 && n <= MAX_PATH) ? tempFolder : nullptr;
  lxw_workbook* workbook = workbook_new_opt(path, &options);
  if (!workbook) {
    *error = "The workbook could not be created.";
    return false;
  }
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, kSheetName);
  CString failure;
  for (const auto& entry : model.GetCells()) {
    if (!failure.IsEmpty()) break;
    lxw_row_t row = (lxw_row_t)(entry.first.first - 1);
    lxw_col_t column = (lxw_col_t)(entry.first.second - 1);
    const WorkbookCell& cell = entry.second;
    lxw_error e = cell.isNumber ? worksheet_write_number(sheet, row, column, cell.number, nullptr)
                                : worksheet_write_string(sheet, row, column, cell.text, nullptr);
    if (e != LXW_NO_ERROR) failure = LibraryError(e);
  }
  for (const WorkbookChart& c : model.GetCharts()) {
    if (!failure.IsEmpty() || c.series.empty()) continue;
    lxw_chart* chart = workbook_add_chart(workbook, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    if (!chart) {
      failure = "A chart could not be made.";
      break;
    }
    for (const WorkbookSeries& s : c.series) {
      CString x = s.xValues.IsValid() ? SheetRangeFormula(s.xValues) : CString();
      CString y = SheetRangeFormula(s.yValues);
      lxw_chart_series* series =
          chart_add_series(chart, x.IsEmpty() ? nullptr : x.GetString(), y.GetString());
      if (!series) {
        failure = "A chart series could not be made.";
        break;
      }
      if (!s.name.IsEmpty()) chart_series_set_name(series, PlainTitle(s.name));
    }
    if (!c.title.IsEmpty()) chart_title_set_name(chart, PlainTitle(c.title));
    if (!c.xTitle.IsEmpty()) chart_axis_set_name(chart->x_axis, PlainTitle(c.xTitle));
    if (!c.yTitle.IsEmpty()) chart_axis_set_name(chart->y_axis, PlainTitle(c.yTitle));
    // -4107 is the bottom; other positions keep the library's default place at the right.
    if (!c.hasLegend)
      chart_legend_set_position(chart, LXW_CHART_LEGEND_NONE);
    else if (c.legendPosition == -4107)
      chart_legend_set_position(chart, LXW_CHART_LEGEND_BOTTOM);
    lxw_chart_options place = {};
    place.x_offset = (int32_t)(c.left * kPixelsPerPoint + 0.5);
    place.y_offset = (int32_t)(c.top * kPixelsPerPoint + 0.5);
    place.x_scale = c.width * kPixelsPerPoint / kDefaultChartWidth;
    place.y_scale = c.height * kPixelsPerPoint / kDefaultChartHeight;
    lxw_error e = worksheet_insert_chart_opt(sheet, 0, 0, chart, &place);
    if (e != LXW_NO_ERROR) failure = LibraryError(e);
  }
  // The workbook is closed (and freed) in every case; a failure leaves a file the caller
  // deletes.
  lxw_error closed = workbook_close(workbook);
  if (failure.IsEmpty() && closed != LXW_NO_ERROR) failure = LibraryError(closed);
  if (!failure.IsEmpty()) {
    *error = failure;
    return false;
  }
  return true;
}
