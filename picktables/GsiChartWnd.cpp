#include "picktables/GsiChartWnd.h"

#include <climits>

namespace {
const int kMarkerSquare = 50;
const COLORREF kMarkerColour = RGB(160, 0, 0);
const char* const kRangeMessage = "Please pick a GSI value from 1 to 100";
}  // namespace

BEGIN_MESSAGE_MAP(CGsiChartWnd, CWnd)
ON_WM_CREATE()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_MOUSEMOVE()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
ON_WM_CTLCOLOR()
ON_BN_CLICKED(IDOK, &CGsiChartWnd::OnOkButton)
ON_CBN_SELCHANGE(CGsiChartWnd::IDC_SHEET_COMBO, &CGsiChartWnd::OnRockTypeChange)
END_MESSAGE_MAP()

CGsiChartWnd::CGsiChartWnd() : m_nSheet(GSI_SHEET_GENERAL), m_nValue(0), m_marker(-1, -1) {
  for (int i = 0; i < GSI_SHEET_COUNT; ++i) m_pictures[i].Load(GsiChartSheet(i).pictureId);
}

CGsiChartWnd::~CGsiChartWnd() {
  if (m_hWnd) DestroyWindow();
}

bool CGsiChartWnd::CreateAt(UINT id, CDialog* parent) {
  CWnd* placeholder = parent ? parent->GetDlgItem(id) : nullptr;
  if (!placeholder) return false;
  CRect rect;
  placeholder->GetWindowRect(&rect);
  parent->ScreenToClient(&rect);
  if (!Create(NULL, "", WS_CHILD | WS_VISIBLE, rect, parent, id)) return false;
  SetWindowPos(placeholder, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  placeholder->DestroyWindow();
  return true;
}

int CGsiChartWnd::OnCreate(LPCREATESTRUCT lpcs) {
  if (CWnd::OnCreate(lpcs) == -1) return -1;
  // One tool over the whole window; its text follows the mouse.
  if (!m_tip.Create(this) || !m_tip.AddTool(this, "")) return -1;
  m_tip.SetMaxTipWidth(INT_MAX);  // line breaks in the headings take effect
  m_tip.SetDelayTime(TTDT_INITIAL, 0);
  m_tip.SetDelayTime(TTDT_AUTOPOP, 10000);

  LOGFONTA lf = {};
  CFont arial;
  if (!arial.CreatePointFont(90, "Arial") || !arial.GetLogFont(&lf)) return -1;
  lf.lfWeight = 800;
  if (!m_labelFont.CreateFontIndirect(&lf)) return -1;
  if (!m_controlFont.CreatePointFont(80, "MS Sans Serif")) return -1;

  const GsiRect* r = Sheet().controls;
  auto rectOf = [&](int control) {
    return CRect(r[control].left, r[control].top, r[control].right, r[control].bottom);
  };
  if (!m_combo.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
                      rectOf(GSI_CONTROL_SHEET_COMBO), this, IDC_SHEET_COMBO))
    return -1;
  for (int i = 0; i < GSI_SHEET_COUNT; ++i) m_combo.AddString(GsiChartSheet(i).name);
  m_combo.SetCurSel(m_nSheet);
  CString text;
  text.Format("%d", m_nValue);
  if (!m_edit.CreateEx(WS_EX_STATICEDGE, "EDIT", text,
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                       rectOf(GSI_CONTROL_VALUE_EDIT), this, IDC_VALUE_EDIT))
    return -1;
  if (!m_ok.Create("OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON | BS_CENTER |
                             BS_VCENTER,
                   rectOf(GSI_CONTROL_OK_BUTTON), this, IDOK))
    return -1;
  if (!m_sheetLabel.Create("Rock Type:", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                           rectOf(GSI_CONTROL_SHEET_LABEL), this, IDC_SHEET_LABEL))
    return -1;
  if (!m_valueLabel.Create("GSI Selection:", WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE,
                           rectOf(GSI_CONTROL_VALUE_LABEL), this, IDC_VALUE_LABEL))
    return -1;
  for (CWnd* w : {static_cast<CWnd*>(&m_combo), static_cast<CWnd*>(&m_edit),
                  static_cast<CWnd*>(&m_ok), static_cast<CWnd*>(&m_sheetLabel),
                  static_cast<CWnd*>(&m_valueLabel)})
    w->SetFont(&m_controlFont);
  if (!m_whiteBrush.CreateSolidBrush(RGB(255, 255, 255))) return -1;
  SetFocus();
  return 0;
}

void CGsiChartWnd::PlaceControls(BOOL repaint) {
  const GsiRect* r = Sheet().controls;
  CWnd* controls[GSI_CONTROL_COUNT] = {&m_combo, &m_edit, &m_ok, &m_sheetLabel, &m_valueLabel};
  for (int i = 0; i < GSI_CONTROL_COUNT; ++i)
    controls[i]->MoveWindow(r[i].left, r[i].top, r[i].Width(), r[i].Height(), repaint);
}

int CGsiChartWnd::HitTest(CPoint point) const { return Sheet().HitTest(point.x, point.y); }

void CGsiChartWnd::GetTipText(CString& text, CPoint point) const {
  text = Sheet().TipText(point.x, point.y).c_str();
}

CSize CGsiChartWnd::GetWindowSizeForSheet() const {
  CRect window, client;
  GetWindowRect(&window);
  GetClientRect(&client);
  return CSize(Sheet().width + window.Width() - client.Width(),
               Sheet().height + window.Height() - client.Height());
}

BOOL CGsiChartWnd::PreTranslateMessage(MSG* pMsg) {
  if (m_tip.m_hWnd) m_tip.RelayEvent(pMsg);
  return CWnd::PreTranslateMessage(pMsg);
}

BOOL CGsiChartWnd::OnEraseBkgnd(CDC*) { return TRUE; }  // the picture covers everything

void CGsiChartWnd::OnPaint() {
  CPaintDC dc(this);
  const CRect area = dc.m_ps.rcPaint;
  if (area.IsRectEmpty()) return;
  // Through a bitmap of the paint area, so the marker never flickers over the picture.
  CDC memory;
  CBitmap bitmap;
  if (!memory.CreateCompatibleDC(&dc) ||
      !bitmap.CreateCompatibleBitmap(&dc, area.Width(), area.Height())) {
    DrawSheet(&dc);
    return;
  }
  CBitmap* old = memory.SelectObject(&bitmap);
  memory.SetViewportOrg(-area.left, -area.top);
  memory.FillSolidRect(area, RGB(255, 255, 255));
  DrawSheet(&memory);
  memory.SetViewportOrg(0, 0);
  dc.BitBlt(area.left, area.top, area.Width(), area.Height(), &memory, 0, 0, SRCCOPY);
  memory.SelectObject(old);
}

void CGsiChartWnd::DrawSheet(CDC* pDC) {
  // The picture's own pixels: the chart's coordinates are picture pixels, whatever the
  // screen's resolution.
  m_pictures[m_nSheet].Render(pDC, 0, 0, Sheet().width, Sheet().height);
  if (m_nValue == -1 || m_marker.x == -1 || m_marker.y == -1) return;
  CFont* oldFont = pDC->SelectObject(&m_labelFont);
  pDC->SetTextColor(RGB(255, 255, 255));
  pDC->SetBkMode(TRANSPARENT);
  CString text;
  text.Format("%d", m_nValue);
  const CSize extent = pDC->GetTextExtent(text);
  CRect box(m_marker.x, m_marker.y, m_marker.x + extent.cx + 4, m_marker.y + extent.cy + 4);
  box.OffsetRect(-(extent.cx + 4) / 2, -(extent.cy + 4) / 2);
  pDC->FillSolidRect(box, kMarkerColour);
  pDC->DrawText(text, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SelectObject(oldFont);
}

void CGsiChartWnd::InvalidateMarker() {
  if (m_marker.x == -1 && m_marker.y == -1) return;
  CRect square(m_marker.x - kMarkerSquare / 2, m_marker.y - kMarkerSquare / 2,
               m_marker.x + kMarkerSquare / 2, m_marker.y + kMarkerSquare / 2);
  InvalidateRect(square, FALSE);
}

void CGsiChartWnd::OnLButtonDown(UINT nFlags, CPoint point) {
  const int value = HitTest(point);
  if (value >= 1) {
    m_nValue = value;
    InvalidateMarker();
    m_marker = point;
    InvalidateMarker();
    CString text;
    text.Format("%d", value);
    m_edit.SetWindowText(text);
  }
  CWnd::OnLButtonDown(nFlags, point);
}

void CGsiChartWnd::OnLButtonDblClk(UINT nFlags, CPoint point) {
  const int value = HitTest(point);
  if (value > 0) {
    m_nValue = value;
    GetParent()->SendMessage(WM_COMMAND, IDOK);
  }
  CWnd::OnLButtonDblClk(nFlags, point);
}

void CGsiChartWnd::OnMouseMove(UINT nFlags, CPoint point) {
  CString text;
  GetTipText(text, point);
  m_tip.UpdateTipText(text, this);
  m_tip.Activate(!text.IsEmpty());
  CWnd::OnMouseMove(nFlags, point);
}

void CGsiChartWnd::OnOkButton() {
  CString text;
  m_edit.GetWindowText(text);
  const int value = LeadingInteger(text);
  if (value < 1 || value > 100) {
    AfxMessageBox(kRangeMessage);
    return;
  }
  m_nValue = value;
  GetParent()->SendMessage(WM_COMMAND, IDOK);
}

void CGsiChartWnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  if (nChar == VK_RETURN) {
    OnOkButton();
  } else if (nChar == VK_TAB) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(m_hWnd, focus)) {
      const bool back = ::GetKeyState(VK_SHIFT) < 0;
      HWND next = ::GetNextDlgTabItem(m_hWnd, focus, back);
      if (next) ::SetFocus(next);
    }
  }
  CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

UINT CGsiChartWnd::OnGetDlgCode() { return DLGC_WANTTAB; }

HBRUSH CGsiChartWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  HBRUSH brush = CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
  pDC->SetTextColor(RGB(0, 0, 0));
  if (nCtlColor == CTLCOLOR_STATIC) {
    pDC->SetBkMode(TRANSPARENT);
    return static_cast<HBRUSH>(m_whiteBrush.m_hObject);
  }
  return brush;
}

void CGsiChartWnd::OnRockTypeChange() {
  const int sheet = m_combo.GetCurSel();
  if (sheet < 0 || sheet >= GSI_SHEET_COUNT) return;
  m_nSheet = sheet;
  PlaceControls(TRUE);
  m_marker = CPoint(-1, -1);  // the value stays
  Invalidate(FALSE);
  NMHDR hdr = {};
  hdr.hwndFrom = m_hWnd;
  hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
  hdr.code = NOTIFY_SHEET_CHANGED;
  GetParent()->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}
