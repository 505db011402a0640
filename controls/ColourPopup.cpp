// The colour picker's popup.
#include "controls/ColourPopup.h"

#include "controls/ColourPicker.h"

using namespace colourpopup;

BEGIN_MESSAGE_MAP(CColourPopup, CWnd)
ON_WM_PAINT()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_KEYDOWN()
ON_WM_CAPTURECHANGED()
ON_WM_ACTIVATEAPP()
ON_WM_CLOSE()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
int g_livePopups = 0;
}

int CColourPopup::GetLiveCount() {
  return g_livePopups;
}

CColourPopup::CColourPopup(CPoint p, COLORREF colour, CWnd* pPicker, LPCSTR defaultText,
                           LPCSTR customText, COLORREF defaultColour, BOOL showDefaultSwatch,
                           int pickerHeight)
    : m_hPicker(pPicker->GetSafeHwnd()),
      m_crInitial(WithFlag(colour)),
      m_crColour(WithFlag(colour)),
      m_crDefault(WithFlag(defaultColour)),
      m_bShowDefaultSwatch(showDefaultSwatch),
      m_strDefaultText(defaultText),
      m_strCustomText(customText),
      m_nCurrent(kNone),
      m_nChosen(kNone),
      m_bMouseDown(FALSE),
      m_bEnding(FALSE) {
  ++g_livePopups;
  if (!CreatePopup(p, pickerHeight)) m_bEnding = TRUE;
}

CColourPopup::~CColourPopup() {
  --g_livePopups;
}

void CColourPopup::PostNcDestroy() {
  delete this;
}

BOOL CColourPopup::CreatePopup(CPoint p, int pickerHeight) {
  LPCSTR cls = AfxRegisterWndClass(CS_CLASSDC | CS_SAVEBITS | CS_HREDRAW | CS_VREDRAW, NULL,
                                   reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  NONCLIENTMETRICSA ncm = {};
  ncm.cbSize = sizeof(ncm);
  ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
  m_font.CreateFontIndirect(&ncm.lfMessageFont);

  // Keep the owner's caption active while the popup takes the activation.
  HWND hOwner = NULL;
  if (CWnd* picker = CWnd::FromHandle(m_hPicker))
    hOwner = picker->GetTopLevelOwner()->GetSafeHwnd();
  if (hOwner) ::SendMessageA(hOwner, WM_SETREDRAW, FALSE, 0);
  BOOL created = CreateEx(0, cls, "", WS_POPUP | WS_VISIBLE | WS_DLGFRAME, p.x, p.y, 100, 100,
                          m_hPicker, NULL);
  if (hOwner) {
    ::SendMessageA(hOwner, WM_NCACTIVATE, TRUE, 0);
    ::SendMessageA(hOwner, WM_SETREDRAW, TRUE, 0);
  }
  if (!created) return FALSE;

  // Layout from the texts in the popup font.
  LayoutInput in;
  in.margin = ::GetSystemMetrics(SM_CXEDGE);
  in.hasDefault = !m_strDefaultText.IsEmpty();
  in.hasCustom = !m_strCustomText.IsEmpty();
  {
    CClientDC dc(this);
    CFont* old = dc.SelectObject(&m_font);
    int h1 = dc.GetTextExtent(m_strDefaultText).cy, h2 = dc.GetTextExtent(m_strCustomText).cy;
    in.textHeight = h1 > h2 ? h1 : h2;
    dc.SelectObject(old);
  }
  in.frameX = ::GetSystemMetrics(SM_CXDLGFRAME);
  in.frameY = ::GetSystemMetrics(SM_CYDLGFRAME);
  in.screenWidth = ::GetSystemMetrics(SM_CXSCREEN);
  in.screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
  in.x = p.x;
  in.y = p.y;
  in.pickerHeight = pickerHeight;
  m_layout = ComputeLayout(in);
  ::SetWindowPos(m_hWnd, NULL, m_layout.window.left, m_layout.window.top, m_layout.window.Width(),
                 m_layout.window.Height(), SWP_NOZORDER | SWP_NOACTIVATE);

  // 8x8 checkerboard of face and highlight for the chosen cell.
  {
    CClientDC dc(this);
    CDC mem;
    mem.CreateCompatibleDC(&dc);
    CBitmap bmp;
    bmp.CreateCompatibleBitmap(&dc, 8, 8);
    CBitmap* old = mem.SelectObject(&bmp);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        mem.SetPixel(x, y, ::GetSysColor(((x + y) & 1) ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE));
    mem.SelectObject(old);
    m_ditherBrush.CreatePatternBrush(bmp);
  }

  if (m_tooltip.Create(this)) {
    for (int i = 0; i < kColourCount; ++i) {
      Box b = m_layout.Cell(i);
      CRect r(b.left, b.top, b.right, b.bottom);
      m_tooltip.AddTool(this, kColours[i].name, &r, static_cast<UINT_PTR>(i + 1));
    }
  }

  m_nChosen = InitialCell(m_crInitial, m_crDefault, in.hasDefault, in.hasCustom);
  m_nCurrent = m_nChosen;
  SetCapture();
  return TRUE;
}

BOOL CColourPopup::PreTranslateMessage(MSG* pMsg) {
  if (m_tooltip.m_hWnd && pMsg->hwnd == m_hWnd) m_tooltip.RelayEvent(pMsg);
  return CWnd::PreTranslateMessage(pMsg);
}

void CColourPopup::DrawCell(CDC* pDC, int cell) {
  Box b;
  if (cell == kDefaultBox)
    b = m_layout.defaultBox;
  else if (cell == kCustomBox)
    b = m_layout.customBox;
  else
    b = m_layout.Cell(cell);
  if (b.Empty()) return;
  CRect r(b.left, b.top, b.right, b.bottom);
  COLORREF face = ::GetSysColor(COLOR_BTNFACE), hi = ::GetSysColor(COLOR_BTNHIGHLIGHT),
           sh = ::GetSysColor(COLOR_BTNSHADOW);
  bool hot = cell == m_nCurrent, chosen = cell == m_nChosen;
  if (hot && !m_bMouseDown && !chosen)
    pDC->Draw3dRect(r, hi, sh);
  else if (hot || chosen)
    pDC->Draw3dRect(r, sh, hi);
  else
    pDC->Draw3dRect(r, face, face);
  CRect inner = r;
  inner.DeflateRect(1, 1);
  if (chosen && !hot)
    pDC->FillRect(inner, &m_ditherBrush);
  else
    pDC->FillSolidRect(inner, face);

  if (cell >= 0) {
    CRect swatch = r;
    swatch.DeflateRect(m_layout.margin + 1, m_layout.margin + 1);
    pDC->Draw3dRect(swatch, sh, sh);
    swatch.DeflateRect(1, 1);
    pDC->FillSolidRect(swatch, kColours[cell].colour);
    return;
  }
  CRect text = r;
  if (cell == kDefaultBox && m_bShowDefaultSwatch) {
    int side = m_layout.boxSize - (2 * m_layout.margin + 2);
    if (r.Height() - 4 < side) side = r.Height() - 4;
    CRect sw(r.left + 2 * m_layout.margin, r.top + (r.Height() - side) / 2, 0, 0);
    sw.right = sw.left + side;
    sw.bottom = sw.top + side;
    pDC->Draw3dRect(sw, sh, sh);
    sw.DeflateRect(1, 1);
    pDC->FillSolidRect(sw, WithoutFlag(m_crDefault));
    text.left = sw.right + m_layout.margin;
  }
  CFont* old = pDC->SelectObject(&m_font);
  pDC->SetBkMode(TRANSPARENT);
  pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
  pDC->DrawText(cell == kDefaultBox ? m_strDefaultText : m_strCustomText, text,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  pDC->SelectObject(old);
}

void CColourPopup::OnPaint() {
  CPaintDC dc(this);
  DrawCell(&dc, kDefaultBox);
  for (int i = 0; i < kColourCount; ++i) DrawCell(&dc, i);
  DrawCell(&dc, kCustomBox);
}

void CColourPopup::ChangeSelection(int cell) {
  if (cell > kColourCount) cell = kCustomBox;
  int old = m_nCurrent;
  m_nCurrent = cell;
  if (m_hWnd) {
    CClientDC dc(this);
    if (old != cell) DrawCell(&dc, old);
    DrawCell(&dc, cell);
  }
  if (cell == kNone || !::IsWindow(m_hPicker)) return;
  COLORREF report = m_crInitial;
  if (cell >= 0) {
    m_crColour = WithFlag(kColours[cell].colour);
    report = m_crColour;
  } else if (cell == kDefaultBox) {
    m_crColour = m_crDefault;
    report = m_crColour;
  }
  ::SendMessageA(m_hPicker, CPM_CHANGED, report, 0);
}

void CColourPopup::OnMouseMove(UINT nFlags, CPoint point) {
  CRect client;
  GetClientRect(&client);
  int cell = client.PtInRect(point) ? HitTest(m_layout, point.x, point.y) : kNone;
  if (cell != m_nCurrent) ChangeSelection(cell);
  CWnd::OnMouseMove(nFlags, point);
}

void CColourPopup::OnLButtonDown(UINT, CPoint point) {
  m_bMouseDown = TRUE;
  int cell = HitTest(m_layout, point.x, point.y);
  CClientDC dc(this);
  DrawCell(&dc, cell);
}

void CColourPopup::OnLButtonUp(UINT, CPoint point) {
  m_bMouseDown = FALSE;
  CRect client;
  GetClientRect(&client);
  EndSelection(client.PtInRect(point));
}

void CColourPopup::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
  bool hasDefault = !m_layout.defaultBox.Empty(), hasCustom = !m_layout.customBox.Empty();
  switch (nChar) {
    case VK_RIGHT:
      ChangeSelection(Navigate(m_nCurrent, Key::Right, hasDefault, hasCustom));
      return;
    case VK_LEFT:
      ChangeSelection(Navigate(m_nCurrent, Key::Left, hasDefault, hasCustom));
      return;
    case VK_DOWN:
      ChangeSelection(Navigate(m_nCurrent, Key::Down, hasDefault, hasCustom));
      return;
    case VK_UP:
      ChangeSelection(Navigate(m_nCurrent, Key::Up, hasDefault, hasCustom));
      return;
    case VK_ESCAPE:
      EndSelection(FALSE);
      return;
    case VK_RETURN:
    case VK_SPACE:
      EndSelection(TRUE);
      return;
    default:
      CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
  }
}

void CColourPopup::EndSelection(BOOL accept) {
  if (m_bEnding) return;
  m_bEnding = TRUE;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  if (!accept) {
    m_crColour = m_crInitial;
  } else if (m_nCurrent == kCustomBox) {
    CColorDialog dlg(WithoutFlag(m_crInitial), CC_FULLOPEN | CC_ANYCOLOR, this);
    m_crColour = dlg.DoModal() == IDOK ? WithFlag(dlg.GetColor()) : m_crInitial;
  }
  if (::IsWindow(m_hPicker))
    ::SendMessageA(m_hPicker, accept ? CPM_ACCEPT : CPM_CANCEL, m_crColour, 0);
  DestroyWindow();  // deletes this
}

void CColourPopup::OnCaptureChanged(CWnd* pWnd) {
  // Losing the capture to anything else (Alt+Tab, another window) cancels.
  if (!m_bEnding && pWnd != this) EndSelection(FALSE);
}

void CColourPopup::OnActivateApp(BOOL bActive, DWORD) {
  if (!bActive) EndSelection(FALSE);
}

void CColourPopup::OnClose() {
  EndSelection(FALSE);
}

void CColourPopup::OnDestroy() {
  // Destroyed from outside (with its owner): the picker still hears that the popup is gone.
  if (!m_bEnding) {
    m_bEnding = TRUE;
    if (::IsWindow(m_hPicker)) ::SendMessageA(m_hPicker, CPM_CANCEL, m_crInitial, 0);
  }
  CWnd::OnDestroy();
}
