#include "fitdialogs/FitDialog.h"

#include <algorithm>
#include <climits>
#include <type_traits>

#include <commctrl.h>

#include "chart/core/ChartIds.h"
#include "document/KelStrengthDoc.h"
#include "document/MainSideBar.h"
#include "fitdialogs/logic/FitNumbers.h"
#include "framework/win/CommonDialogs.h"
#include "framework/win/OleDataObject.h"
#include "res/resource.h"

namespace {

const char kImportTooltip[] =
    "Import data from a Quarvex file or a (comma or tab delimited) text file";
const COLORREF kStatusColour = RGB(255, 0, 0);

}  // namespace

int ChooseImportFile(CWnd* parent, BOOL offerLorvane, CString* path) {
  path->Empty();
  CFileDialog dialog(TRUE, NULL, NULL, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                     offerLorvane ? kImportFilter : kImportFilterNoLorvane, parent);
  char folder[MAX_PATH + 1] = "";
  if (AfxGetApp() != NULL && ::GetCurrentDirectoryA(MAX_PATH, folder) > 0)
    dialog.m_ofn.lpstrInitialDir = folder;
  if (dialog.DoModal() != IDOK) return IMPORT_NONE;
  *path = dialog.GetPathName();
  return ImportKindForPath(*path, offerLorvane);
}

template <class TBase>
CFitDialogT<TBase>::CFitDialogT(UINT templateId, CKelStrengthDoc* doc, CWnd* parent)
    : TBase(templateId, parent), m_pDoc(doc) {
  CGridCtrl::RegisterWindowClass();
}

template <class TBase>
CFitDialogT<TBase>::~CFitDialogT() {
  // The chart forgets the data before they go.
  if (qxchart::Chart* chart = m_chart.GetChart()) chart->SetData(qxchart::prop::kData, nullptr);
  m_chartData.reset();
}

template <class TBase>
void CFitDialogT<TBase>::DoDataExchange(CDataExchange* pDX) {
  TBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_FIT_METHOD, m_methodCombo);
  DDX_Control(pDX, IDC_FIT_COPY, m_copyButton);
  DDX_Control(pDX, IDC_FIT_PASTE, m_pasteButton);
  if (!pDX->m_bSaveAndValidate) m_nTests = Session().TestCount();
  DDX_Text(pDX, IDC_FIT_TEST_COUNT, m_nTests);
  if (CountHasRange()) DDV_MinMaxInt(pDX, m_nTests, 0, INT_MAX);
  if (::GetDlgItem(this->m_hWnd, IDC_FIT_MOGI) != NULL) {
    if (!pDX->m_bSaveAndValidate) m_bMogi = Session().MogiLine() ? TRUE : FALSE;
    DDX_Check(pDX, IDC_FIT_MOGI, m_bMogi);
  }
  if (!pDX->m_bSaveAndValidate) m_nMethod = Session().Method();
  DDX_CBIndex(pDX, IDC_FIT_METHOD, m_nMethod);
  DDX_GridControl(pDX, IDC_FIT_GRID, m_grid);
  ExchangeInputs(pDX);
}

template <class TBase>
BOOL CFitDialogT<TBase>::OnInitDialog() {
  TBase::OnInitDialog();
  CFitSession& session = Session();
  if constexpr (std::is_same<TBase, CTipsDialog>::value)
    this->AddTool(IDC_FIT_IMPORT, kImportTooltip);
  this->SendDlgItemMessage(IDC_FIT_TEST_SPIN, UDM_SETRANGE32, 0, kMaxFitTests);
  m_pasteButton.SetIcon(IDI_PASTE);
  m_pasteButton.SetAlwaysShowBorder(TRUE);
  m_pasteButton.SetTooltipText("Paste data from clipboard");
  m_copyButton.SetIcon(IDI_COPY);
  m_copyButton.SetAlwaysShowBorder(TRUE);
  m_copyButton.SetTooltipText("Copy the contents of the grid to the clipboard");
  m_methodCombo.ResetContent();
  for (const CString& name : session.MethodNames()) m_methodCombo.AddString(name);
  m_grid.SetMaxRowCount(kMaxFitTests + 1);  // the tests under their heading
  m_grid.SetAlternateCellDrawing(TRUE);
  SetupGrid();
  m_bInitialised = true;
  this->UpdateData(FALSE);

  // The chart fills its frame, one pixel inside the frame's line.
  CWnd* frame = this->GetDlgItem(IDC_FIT_CHART_FRAME);
  CRect area;
  frame->GetClientRect(&area);
  area.DeflateRect(1, 1);
  session.SetChartAspect(area.Height() > 0 ? double(area.Width()) / area.Height() : 1.0);
  m_chart.Create("", WS_CHILD | WS_VISIBLE, area, frame, 0);
  if (qxchart::Chart* chart = m_chart.GetChart()) {
    chart->SetFontText(qxchart::prop::kFont, "Arial,7");
    // Equal scales need the plot area's own proportions, inside the axes' margins.
    const qxchart::ChartLayout layout = chart->Layout();
    if (layout.plot.Width() > 0 && layout.plot.Height() > 0)
      session.SetChartAspect(double(layout.plot.Width()) / layout.plot.Height());
  }
  if (InputsInRange()) Recompute();
  return TRUE;
}

template <class TBase>
void CFitDialogT<TBase>::SetupGrid() {
  CFitSession& session = Session();
  std::vector<FitRowText> rows;
  const int leftOut = session.RowsFromModel(&rows);
  const int tests = session.TestCount();
  m_grid.SetRedraw(FALSE);
  while (m_grid.GetRowCount() > 0) m_grid.DeleteRow(m_grid.GetRowCount() - 1);
  if (CWnd* unit = this->GetDlgItem(UnitStaticId())) m_grid.SetFont(unit->GetFont());
  m_grid.SetRowCount(tests + 1);
  m_grid.SetFixedRowCount(1);
  m_grid.SetColumnCount(3);
  m_grid.SetFixedColumnCount(1);
  for (int row = 0; row <= tests; ++row) {
    for (int col = 0; col < 3; ++col) {
      CString text;
      if (row == 0)
        text = session.Heading(col);
      else if (col == 0)
        text.Format("%d", row);
      else
        text = col == 1 ? rows[row - 1].x : rows[row - 1].y;
      GRIDITEM item;
      item.row = row;
      item.col = col;
      item.mask = GRIDIF_TEXT | GRIDIF_FORMAT;
      item.format = DT_CENTER | DT_WORDBREAK;
      item.text = text;
      m_grid.SetItem(&item);
    }
  }
  m_grid.ResetSelectedRange();
  m_grid.EnableSelection(TRUE);
  m_grid.ResetSelectedRange();
  m_grid.AutoSize();
  m_grid.ExpandColumnsToFit();
  m_grid.SetRedraw(TRUE);
  m_grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  this->SetDlgItemText(UnitStaticId(), session.UnitLabel());
  if (leftOut > 0) ShowMessage(TestsLeftOutMessage(leftOut));
}

template <class TBase>
void CFitDialogT<TBase>::SetTestCount(int tests) {
  if (!m_bInitialised || tests < 0) return;
  const int oldRows = m_grid.GetRowCount();
  m_grid.SetRowCount(tests + 1);
  for (int row = oldRows; row <= tests; ++row) {
    CString number;
    number.Format("%d", row);
    for (int col = 0; col < 3; ++col) {
      GRIDITEM item;
      item.row = row;
      item.col = col;
      item.mask = GRIDIF_TEXT | GRIDIF_FORMAT;
      item.format = DT_CENTER | DT_WORDBREAK;
      item.text = col == 0 ? number : CString();
      m_grid.SetItem(&item);
    }
  }
  m_grid.AutoSize();
  m_grid.ExpandColumnsToFit();
  m_grid.RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

template <class TBase>
void CFitDialogT<TBase>::ShowTestCount() {
  CString text;
  text.Format("%d", Session().TestCount());
  this->SetDlgItemText(IDC_FIT_TEST_COUNT, text);
  this->SendDlgItemMessage(IDC_FIT_TEST_SPIN, UDM_SETPOS32, 0, Session().TestCount());
}

template <class TBase>
std::vector<FitRowText> CFitDialogT<TBase>::GridRows() {
  std::vector<FitRowText> rows;
  const int count = std::min(Session().TestCount(), m_grid.GetRowCount() - 1);
  rows.reserve(count > 0 ? count : 0);
  for (int row = 1; row <= count; ++row) rows.push_back({m_grid.GetItemText(row, 1), m_grid.GetItemText(row, 2)});
  return rows;
}

template <class TBase>
void CFitDialogT<TBase>::ShowMessage(const CString& text) {
  if (!text.IsEmpty()) AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

template <class TBase>
BOOL CFitDialogT<TBase>::ReadDialog() {
  if (!this->UpdateData(TRUE)) return FALSE;
  CFitSession& session = Session();
  const int leftOut = session.SetTestCount(m_nTests);
  if (leftOut > 0 || m_nTests < 0) {
    ShowTestCount();
    if (leftOut > 0) ShowMessage(TestsLeftOutMessage(leftOut));
  }
  if (m_nMethod >= 0 && m_nMethod != session.Method()) session.SetMethod(m_nMethod);
  session.SetMogiLine(m_bMogi != FALSE);
  return TRUE;
}

template <class TBase>
int CFitDialogT<TBase>::Recompute() {
  if (!ReadDialog()) return -1;
  CFitSession& session = Session();
  const RecomputeResult result = session.Recompute(GridRows());
  this->SetDlgItemText(IDC_FIT_STATUS, session.StatusText());
  if (result.invertedRows > 0) return result.invertedRows;
  PlotChart();
  ShowResults();
  ShowMessage(result.message);
  return 0;
}

template <class TBase>
void CFitDialogT<TBase>::ResetChartData() {
  if (Recompute() > 0) EmptyChart();
}

template <class TBase>
void CFitDialogT<TBase>::EmptyChart() {
  Session().ClearPlot();
  if (qxchart::Chart* chart = m_chart.GetChart()) {
    chart->SetData(qxchart::prop::kData, nullptr);
    chart->SetInt(qxchart::prop::kUpdatesOn, 1);
  }
  m_chartData.reset();
  if (m_chart.GetSafeHwnd()) m_chart.Invalidate();
}

template <class TBase>
void CFitDialogT<TBase>::PlotChart() {
  qxchart::Chart* chart = m_chart.GetChart();
  if (chart == nullptr) return;
  const FitPlot& plot = Session().Plot();
  chart->SetInt(qxchart::prop::kUpdatesOn, 0);
  if (plot.IsEmpty()) {
    chart->SetData(qxchart::prop::kData, nullptr);
    m_chartData.reset();
    chart->SetInt(qxchart::prop::kUpdatesOn, 1);
    return;
  }
  using namespace qxchart::prop;
  chart->SetInt(kRepaint, 1);
  for (int id : {kXSpacingAuto, kYSpacingAuto, kXRangeAuto, kYRangeAuto}) chart->SetInt(id, 1);
  chart->SetData(kData, nullptr);
  const int sets = static_cast<int>(plot.series.size());
  m_chartData = qxchart::ChartData::Create(qxchart::ChartData::kTypeGeneral, sets, plot.pointsPerSeries);
  for (int set = 0; set < sets && m_chartData; ++set) {
    const FitSeries& series = plot.series[set];
    for (size_t i = 0; i < series.x.size() && static_cast<int>(i) < plot.pointsPerSeries; ++i) {
      m_chartData->SetX(set, static_cast<int>(i), series.x[i]);
      m_chartData->SetY(set, static_cast<int>(i), series.y[i]);
    }
    chart->SetDataStyle(1, set, series.style);
  }
  chart->SetFontText(kFont, "Arial,7");
  chart->SetString(kXTitle, plot.xTitle);
  chart->SetString(kYTitle, plot.yTitle);
  chart->SetDouble(kXMax, plot.axes.xMax);
  chart->SetDouble(kXMin, plot.axes.xMin);
  chart->SetDouble(kYMax, plot.axes.yMax);
  chart->SetDouble(kYMin, plot.axes.yMin);
  chart->SetData(kData, m_chartData.get());
  // Equal number spacing: the axis with the closer numbers takes the other's step and decimals.
  double xStep = 0.0, yStep = 0.0;
  int xPrecision = 0, yPrecision = 0;
  if (chart->GetDouble(kXTickSpacing, &xStep) && chart->GetDouble(kYTickSpacing, &yStep) &&
      chart->GetInt(kXPrecision, &xPrecision) && chart->GetInt(kYPrecision, &yPrecision)) {
    const SpacingChange change = EqualNumberSpacing(xStep, yStep, xPrecision, yPrecision);
    if (change.axis >= 0) {
      chart->SetDouble(change.axis == 0 ? kXTickSpacing : kYTickSpacing, change.step);
      chart->SetInt(change.axis == 0 ? kXPrecision : kYPrecision, change.precision);
    }
  }
  chart->SetInt(kUpdatesOn, 1);
  if (m_chart.GetSafeHwnd()) m_chart.Invalidate();
}

template <class TBase>
void CFitDialogT<TBase>::ShowValue(int id, double value) {
  this->SetDlgItemText(id, FormatFitResult(value));
}

template <class TBase>
BOOL CFitDialogT<TBase>::ApplyFit() {
  if (!ReadDialog()) return FALSE;
  CFitSession& session = Session();
  const ApplyResult result = session.Apply(GridRows());
  this->SetDlgItemText(IDC_FIT_STATUS, session.StatusText());
  if (result.recompute.invertedRows == 0) {
    PlotChart();
    ShowResults();
    ShowMessage(result.recompute.message);
  }
  switch (result.kind) {
    case ApplyResult::INPUT_ERROR:
      this->UpdateData(FALSE);
      m_grid.ShowInputError(result.gridRow, 2, result.message);
      return FALSE;
    case ApplyResult::REFUSED:
      ShowMessage(result.message);
      return FALSE;
    case ApplyResult::APPLIED:
      break;
  }
  RefreshSideBar();
  return TRUE;
}

template <class TBase>
void CFitDialogT<TBase>::OnApply() {
  ApplyFit();
}

template <class TBase>
void CFitDialogT<TBase>::OnOK() {
  if (!ApplyFit()) return;
  if (m_pDoc != NULL) m_pDoc->SetModifiedFlag(TRUE);
  this->EndDialog(IDOK);
}

template <class TBase>
void CFitDialogT<TBase>::OnCancel() {
  Session().Cancel();
  RefreshSideBar();
  this->EndDialog(IDCANCEL);
}

template <class TBase>
void CFitDialogT<TBase>::OnDeltaPosTestCount(NMHDR* pNMHDR, LRESULT* pResult) {
  const NMUPDOWN* change = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
  *pResult = 1;  // the spin keeps no count of its own: its position is set from ours
  // The count typed into the edit counts, when it reads.
  long long tests = this->UpdateData(TRUE) ? m_nTests : Session().TestCount();
  if (tests < 0) tests = 0;
  tests += change->iDelta;
  const int leftOut = Session().SetTestCount(tests < 0 ? 0 : tests);
  SetTestCount(Session().TestCount());
  ShowTestCount();
  if (leftOut > 0) ShowMessage(TestsLeftOutMessage(leftOut));
  if (change->iDelta < 0) Recompute();
}

template <class TBase>
void CFitDialogT<TBase>::OnGridEndEdit(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  ResetChartData();
}

template <class TBase>
void CFitDialogT<TBase>::OnSelChangeFitMethod() {
  const int method = m_methodCombo.GetCurSel();
  if (method >= 0) Session().SetMethod(method);
  Recompute();
}

template <class TBase>
void CFitDialogT<TBase>::OnPlotMogiLine() {
  Recompute();
}

template <class TBase>
void CFitDialogT<TBase>::OnCopy() {
  m_grid.OnEditSelectAll();
  m_grid.OnEditCopy();
  m_grid.ResetSelectedRange();
}

template <class TBase>
void CFitDialogT<TBase>::OnPaste() {
  COleDataObject clipboard;
  if (!clipboard.AttachClipboard()) return;
  const CString text = AfxGetGlobalText(clipboard.GetGlobalData(CF_TEXT));
  const int lines = CountClipboardLines(text);
  const GRIDCELLID focus = m_grid.GetFocusCell();
  const bool focusValid = m_grid.IsValid(focus) && focus.row >= 1;
  CFitSession& session = Session();
  const PastePlan plan = session.PlanPaste(lines, focusValid ? focus.row : -1);
  if (plan.kind == PastePlan::NOTHING) return;
  if (plan.tests != session.TestCount()) {
    session.SetTestCount(plan.tests);
    SetTestCount(plan.tests);
    ShowTestCount();
  }
  if (plan.kind == PastePlan::AT_FOCUS)
    m_grid.PasteTextToGrid(focus, &clipboard);
  else
    m_grid.OnEditPaste();
  if (plan.leftOut > 0) ShowMessage(TestsLeftOutMessage(plan.leftOut));
  Recompute();
}

template <class TBase>
void CFitDialogT<TBase>::OnImport() {
  CString path;
  const int kind = ChooseImportFile(this, OfferLorvane(), &path);
  // Inputs typed just before take part in the fit of the imported data; a cancelled chooser
  // still refits what the dialog holds.
  this->UpdateData(TRUE);
  const ImportOutcome outcome = Session().Import(kind, path);
  if (outcome.changed) {
    SetupGrid();
    this->UpdateData(FALSE);
  }
  if (Session().TestCount() > 0) ResetChartData();
  ShowMessage(outcome.message);
}

template <class TBase>
HBRUSH CFitDialogT<TBase>::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = TBase::OnCtlColor(pDC, pWnd, nCtlColor);
  if (pWnd != NULL && pWnd->GetDlgCtrlID() == IDC_FIT_STATUS) {
    pDC->SetTextColor(kStatusColour);
    pDC->SetBkMode(TRANSPARENT);
  }
  return brush;
}

BEGIN_TEMPLATE_MESSAGE_MAP(CFitDialogT, TBase, TBase)
ON_NOTIFY(UDN_DELTAPOS, IDC_FIT_TEST_SPIN, &ThisClass::OnDeltaPosTestCount)
ON_NOTIFY(GRIDN_CHANGED, IDC_FIT_GRID, &ThisClass::OnGridEndEdit)
ON_CBN_SELCHANGE(IDC_FIT_METHOD, &ThisClass::OnSelChangeFitMethod)
ON_BN_CLICKED(IDC_FIT_MOGI, &ThisClass::OnPlotMogiLine)
ON_BN_CLICKED(IDC_FIT_COPY, &ThisClass::OnCopy)
ON_BN_CLICKED(IDC_FIT_PASTE, &ThisClass::OnPaste)
ON_BN_CLICKED(IDC_FIT_IMPORT, &ThisClass::OnImport)
ON_BN_CLICKED(IDC_FIT_APPLY, &ThisClass::OnApply)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

template class CFitDialogT<CTipsDialog>;
template class CFitDialogT<CDialog>;
