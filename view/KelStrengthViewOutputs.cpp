// The view's reports and exports: the analysis report to the clipboard or to a workbook, the
// view as an image file, and the envelope as a shear/normal function file. Each command
// catches what goes wrong where it runs and says so in one message.
#include "document/KelStrengthDoc.h"
#include "framework/win/AfxCore.h"
#include "shell/DocManagerEx.h"
#include "spreadsheet/ExcelExport.h"
#include "view/ChartImageExporter.h"
#include "view/KelStrengthView.h"
#include "view/ReportClipboard.h"
#include "view/ShearNormalFunctionFile.h"

using namespace qxchart;

namespace {
// The titles of a chart's axes (empty for a chart not made yet).
void AxisTitles(CChart2D& chart, CString* x, CString* y) {
  Chart* c = chart.GetChart();
  std::string text;
  if (c && c->GetString(prop::kXTitle, &text)) *x = text.c_str();
  if (c && c->GetString(prop::kYTitle, &text)) *y = text.c_str();
}

// One message for a failure caught at a command, with what the user still has after it.
void ReportFailure(const char* what, CException* e, const CString& after = CString()) {
  CString text = what;
  CString reason = e ? e->GetErrorMessage() : CString();
  if (!reason.IsEmpty()) text += ": " + reason;
  if (!after.IsEmpty()) text += "\n" + after;
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}
}  // namespace

ReportView CKelStrengthView::MakeReportView() {
  ReportView view;
  view.pointCount = GetPlotPointCount();
  view.principalShown = m_state.showPrincipalPlot;
  view.shearShown = m_state.showShearPlot;
  view.mohrCoulombOverlay = m_state.mohrCoulombOverlay;
  AxisTitles(m_principalChart, &view.principalXTitle, &view.principalYTitle);
  AxisTitles(m_shearChart, &view.shearXTitle, &view.shearYTitle);
  return view;
}

void CKelStrengthView::ExportReport(BOOL toSpreadsheet) {
  if (!GetDocument()) return;
  const PlotDocument doc = MakePlotDocument();
  const ReportView view = MakeReportView();
  // Nothing to export (an envelope application outside the criterion's list): no report at all.
  CString text = BuildReportText(doc, view);
  if (text.IsEmpty()) return;
  if (!toSpreadsheet) {
    // A clipboard another program holds open would leave its old text to be pasted as the report.
    if (!CopyTextToClipboard(m_hWnd, text))
      AfxMessageBox("The report could not be put on the clipboard.", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CWaitCursor wait;
  CExcelExport excel;
  try {
    excel.SetShowMessages(TRUE);
    if (!excel.Start()) return;
    excel.SetVisible(TRUE);
    WriteReportSheet(doc, view, excel);
    excel.SetUserControl(TRUE);
  } catch (CException* e) {
    // What was written before the failure is kept, under the report's usual name.
    const CString saved = excel.SaveIncomplete();
    CString after;
    if (!saved.IsEmpty())
      after.Format("The report is incomplete. What was written before the failure was saved as\n%s",
                   saved.GetString());
    ReportFailure("Spreadsheet export failed", e, after);
    e->Delete();
  }
}

void CKelStrengthView::OnCopyData() {
  ExportReport(FALSE);
}

void CKelStrengthView::OnExportExcel() {
  ExportReport(TRUE);
}

void CKelStrengthView::OnExportImage() {
  CChartImageExporter exporter(this);
  // A file to be made: it need not exist yet.
  CFileDialogEx dialog(FALSE, "jpg", nullptr, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                       "JPEG (*.jpg)|*.jpg|Windows Bitmap (*.bmp)|*.bmp|"
                       "Windows Enhanced Metafile (*.emf)|*.emf|Windows Metafile (*.wmf)|*.wmf||",
                       nullptr);
  if (dialog.DoModal() != IDOK) return;
  CString path = dialog.GetPathName();
  exporter.SetPath(path);
  if (exporter.m_nFormat == CChartImageExporter::FORMAT_NONE) {
    AfxMessageBox("Unsupported image format\nImages can be saved as JPG, BMP, EMF or WMF files.",
                  MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  if (!exporter.HasPicture()) {
    AfxMessageBox("The window is too small to hold a picture.", MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CWaitCursor wait;
  try {
    if (!exporter.Write()) {
      CString text;
      text.Format("Could not write %s\n%s", path.GetString(), exporter.m_strError.GetString());
      AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
    }
  } catch (CException* e) {
    ReportFailure("Could not write " + path, e);
    e->Delete();
  }
}

void CKelStrengthView::OnExportShearNormalFunction() {
  CKelStrengthDoc* doc = GetDocument();
  if (!doc) return;
  CFileDialogEx dialog(FALSE, "fn2", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST,
                       "Shear/Normal Function Files (*.fn2)|*.fn2||", nullptr);
  if (dialog.DoModal() != IDOK) return;
  CString path = dialog.GetPathName();
  CString text = BuildShearNormalFunctionText(MakePlotDocument(), doc->m_strTitle, GetPlotPointCount());
  CString error;
  if (!WriteShearNormalFunctionFile(path, text, &error)) {
    CString message;
    message.Format("Could not write %s\n%s", path.GetString(), error.GetString());
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
  }
}
