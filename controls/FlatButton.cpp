// CFlatButton: attaching, setters, hover tracking, clicks and the tooltip.
#include "controls/FlatButton.h"

#include "controls/ButtonLogic.h"
#include "controls/ButtonPictures.h"
#include "controls/OwnerDrawMenuLogic.h"

IMPLEMENT_DYNAMIC(CFlatButton, CButton)

BEGIN_MESSAGE_MAP(CFlatButton, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_KILLFOCUS()
ON_WM_CANCELMODE()
ON_WM_ACTIVATE()
ON_WM_ENABLE()
ON_WM_GETDLGCODE()
ON_WM_CTLCOLOR_REFLECT()
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CFlatButton::OnClicked)
ON_MESSAGE(BM_SETSTYLE, &CFlatButton::OnSetStyle)
ON_MESSAGE(BM_SETCHECK, &CFlatButton::OnSetCheck)
ON_MESSAGE(BM_GETCHECK, &CFlatButton::OnGetCheck)
END_MESSAGE_MAP()

static_assert(buttons::kOwnerDraw == BS_OWNERDRAW && buttons::kDefPushButton == BS_DEFPUSHBUTTON,
              "button styles");

CFlatButton::CFlatButton()
    : m_bDrawDisabledBitmaps(TRUE),
      m_bIsFlat(TRUE),
      m_bMouseOnButton(FALSE),
      m_bIsPressed(FALSE),
      m_bIsFocused(FALSE),
      m_bIsDisabled(FALSE),
      m_bIsDefault(FALSE),
      m_bIsCheckBox(FALSE),
      m_byAlign(ST_ALIGN_HORIZ),
      m_bDrawBorder(TRUE),
      m_bDrawFlatFocus(FALSE),
      m_bDrawCaption(TRUE),
      m_bAlwaysShowBorder(FALSE),
      m_nTypeStyle(0x1F),
      m_bHoverWhenInactive(TRUE),
      m_bChecked(FALSE) {
  SetDefaultColors(FALSE);
}

CFlatButton::~CFlatButton() {
  FreePictures();
}

void CFlatButton::PreSubclassWindow() {
  buttons::AttachedStyle a = buttons::AttachStyle(GetStyle());
  m_nTypeStyle = a.type;
  m_bIsCheckBox = a.checkBoxMode;
  if (a.defaultButton) m_bIsDefault = TRUE;
  ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
  CButton::PreSubclassWindow();
}

LRESULT CFlatButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // A double click is a second press, so it clicks again.
  if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
  return CButton::DefWindowProc(message, wParam, lParam);
}

BOOL CFlatButton::PreTranslateMessage(MSG* pMsg) {
  // The tooltip only follows the mouse: it is made when the mouse first comes, if it has a text.
  const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
  if (mouse && (m_ToolTip.m_hWnd || m_bTipPending) && CreateToolTip())
    m_ToolTip.RelayEvent(pMsg);
  return CButton::PreTranslateMessage(pMsg);
}

BOOL CFlatButton::CreateToolTip() {
  if (m_ToolTip.m_hWnd) return TRUE;
  if (!m_hWnd || !m_ToolTip.Create(this)) return FALSE;
  m_ToolTip.Activate(FALSE);
  m_ToolTip.SetMaxTipWidth(400);
  if (m_bTipPending) {
    m_bTipPending = FALSE;
    ApplyTooltipText(m_strPendingTip, m_bPendingTipActive);
    m_strPendingTip.Empty();
  }
  return TRUE;
}

CToolTipCtrl& CFlatButton::GetToolTip() {
  if (m_bTipPending) CreateToolTip();
  return m_ToolTip;
}

// ---- setters -----------------------------------------------------------------------------------

void CFlatButton::Repaint(BOOL repaint) {
  if (repaint && m_hWnd) Invalidate();
}

void CFlatButton::FreePictures() {
  for (Icon& icon : m_icons) {
    if (icon.handle) ::DestroyIcon(icon.handle);
    icon = Icon();
  }
  for (Bitmap& bitmap : m_bitmaps) {
    if (bitmap.handle) ::DeleteObject(bitmap.handle);
    if (bitmap.mask) ::DeleteObject(bitmap.mask);
    bitmap = Bitmap();
  }
}

DWORD CFlatButton::SetIcon(UINT idIconIn, UINT idIconOut) {
  FreePictures();
  Icon loaded[2];
  HICON in = buttons::LoadIconResource(idIconIn, loaded[0].width, loaded[0].height);
  HICON out = NULL;
  BOOL ok = in && loaded[0].width > 0;
  if (idIconOut == GRAY_COPY) {
    out = in ? buttons::MakeGreyIcon(in) : NULL;
    loaded[1].width = loaded[0].width;  // a copy of the first, at its size
    loaded[1].height = loaded[0].height;
  } else if (idIconOut != 0) {
    out = buttons::LoadIconResource(idIconOut, loaded[1].width, loaded[1].height);
  }
  loaded[0].handle = in;
  loaded[1].handle = out;
  if (ok && (idIconOut != 0)) ok = out && loaded[1].width > 0;
  if (!ok) {
    if (in) ::DestroyIcon(in);
    if (out) ::DestroyIcon(out);
    Repaint(TRUE);
    return BTNST_INVALIDRESOURCE;
  }
  m_icons[0] = loaded[0];
  m_icons[1] = loaded[1];
  Repaint(TRUE);
  return BTNST_OK;
}

DWORD CFlatButton::SetBitmaps(UINT idBitmapIn, COLORREF transparentIn, UINT idBitmapOut,
                              COLORREF transparentOut) {
  FreePictures();
  const UINT ids[2] = {idBitmapIn, idBitmapOut};
  const COLORREF transparent[2] = {transparentIn, transparentOut};
  for (int i = 0; i < 2; ++i) {
    if (i == 1 && ids[i] == 0) break;
    HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(ids[i]), (LPCSTR)RT_BITMAP);
    HBITMAP bmp =
        static_cast<HBITMAP>(::LoadImageA(inst, MAKEINTRESOURCEA(ids[i]), IMAGE_BITMAP, 0, 0, 0));
    BITMAP bm = {};
    if (!bmp || !::GetObjectA(bmp, sizeof bm, &bm)) {
      if (bmp) ::DeleteObject(bmp);
      FreePictures();
      Repaint(TRUE);
      return BTNST_INVALIDRESOURCE;
    }
    m_bitmaps[i].handle = bmp;
    m_bitmaps[i].width = bm.bmWidth;
    m_bitmaps[i].height = bm.bmHeight;
    m_bitmaps[i].mask = buttons::MakeMask(bmp, transparent[i]);
    if (!m_bitmaps[i].mask) {
      FreePictures();
      Repaint(TRUE);
      return BTNST_FAILEDMASK;
    }
  }
  Repaint(TRUE);
  return BTNST_OK;
}

DWORD CFlatButton::SetToolbarImage(UINT toolbarId, UINT cmdId, BOOL firstLineOnly) {
  HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(toolbarId), MAKEINTRESOURCEA(241));
  HRSRC res = ::FindResourceA(inst, MAKEINTRESOURCEA(toolbarId), MAKEINTRESOURCEA(241));
  HGLOBAL mem = res ? ::LoadResource(inst, res) : NULL;
  const void* data = mem ? ::LockResource(mem) : NULL;
  odmenu::ToolbarResource tb;
  if (!data || !odmenu::ParseToolbarResource(data, ::SizeofResource(inst, res), tb))
    return BTNST_INVALIDRESOURCE;
  int image = -1;
  for (size_t i = 0; i < tb.ids.size(); ++i)
    if (tb.ids[i] == cmdId && cmdId != 0) image = tb.ImageOf(i);
  if (image < 0) return BTNST_INVALIDRESOURCE;

  CImageList list;
  if (!list.Create(toolbarId, 16, 1, RGB(192, 192, 192)) || image >= list.GetImageCount())
    return BTNST_INVALIDRESOURCE;
  HICON icon = list.ExtractIcon(image);
  Icon loaded;
  loaded.handle = icon;
  if (!icon || !buttons::GetIconSize(icon, loaded.width, loaded.height)) {
    if (icon) ::DestroyIcon(icon);
    return BTNST_INVALIDRESOURCE;
  }
  FreePictures();
  m_icons[0] = loaded;

  char text[512] = "";
  ::LoadStringA(AfxGetResourceHandle(), cmdId, text, sizeof text);
  CString tip = text;
  int lineBreak = tip.Find('\n');
  if (firstLineOnly && lineBreak >= 0) tip = tip.Left(lineBreak);
  SetTooltipText(tip);
  Repaint(TRUE);
  return BTNST_OK;
}

DWORD CFlatButton::SetFlat(BOOL flat, BOOL repaint) {
  m_bIsFlat = flat;
  Repaint(repaint);
  return BTNST_OK;
}

DWORD CFlatButton::SetAlign(BYTE align, BOOL repaint) {
  if (align > ST_ALIGN_LEFT_TEXT) return BTNST_BADPARAM;
  m_byAlign = align;
  Repaint(repaint);
  return BTNST_OK;
}

DWORD CFlatButton::SetColor(BYTE index, COLORREF colour, BOOL repaint) {
  if (index >= BTNST_MAX_COLORS) return BTNST_INVALIDINDEX;
  m_crColors[index] = colour;
  Repaint(repaint);
  return BTNST_OK;
}

DWORD CFlatButton::SetDefaultColors(BOOL repaint) {
  for (int i = 0; i < BTNST_MAX_COLORS; ++i)
    m_crColors[i] = ::GetSysColor(i % 2 == 0 ? COLOR_BTNFACE : COLOR_BTNTEXT);
  Repaint(repaint);
  return BTNST_OK;
}

COLORREF CFlatButton::GetColor(int index) const {
  return index >= 0 && index < BTNST_MAX_COLORS ? m_crColors[index] : 0;
}

DWORD CFlatButton::SetCheck(int check, BOOL repaint) {
  if (m_bIsCheckBox) {
    m_bChecked = check != 0;
    Repaint(repaint);
  }
  return BTNST_OK;
}

void CFlatButton::SetTooltipText(LPCSTR text, BOOL activate) {
  if (!text || !m_hWnd) return;
  if (!m_ToolTip.m_hWnd) {
    m_strPendingTip = text;
    m_bPendingTipActive = activate;
    m_bTipPending = TRUE;
    return;
  }
  ApplyTooltipText(text, activate);
}

void CFlatButton::ApplyTooltipText(LPCSTR text, BOOL activate) {
  if (m_ToolTip.GetToolCount() == 0) {
    CRect client;
    GetClientRect(&client);
    m_ToolTip.AddTool(this, text, &client, 1);
  }
  m_ToolTip.UpdateTipText(text, this, 1);
  m_ToolTip.Activate(activate);
}

DWORD CFlatButton::SetURL(LPCSTR url) {
  m_strURL = buttons::ClipUrl(url);
  return BTNST_OK;
}

CSize CFlatButton::GetPictureSize() const {
  if (m_icons[0].handle) return CSize(m_icons[0].width, m_icons[0].height);
  if (m_bitmaps[0].handle) return CSize(m_bitmaps[0].width, m_bitmaps[0].height);
  return CSize(0, 0);
}

// ---- messages ----------------------------------------------------------------------------------

void CFlatButton::EndHover() {
  if (!m_bMouseOnButton) return;
  m_bMouseOnButton = FALSE;
  Invalidate();
}

void CFlatButton::OnMouseMove(UINT nFlags, CPoint point) {
  CButton::OnMouseMove(nFlags, point);
  if (!m_bIsFlat) return;
  if ((nFlags & MK_LBUTTON) && !m_bMouseOnButton) return;
  POINT cursor;
  ::GetCursorPos(&cursor);
  BOOL over =
      ::WindowFromPoint(cursor) == m_hWnd && (m_bHoverWhenInactive || ::GetActiveWindow() != NULL);
  if (!over) {
    EndHover();
    return;
  }
  if (m_bMouseOnButton) return;
  m_bMouseOnButton = TRUE;
  Invalidate();
  TRACKMOUSEEVENT tme = {};
  tme.cbSize = sizeof tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = m_hWnd;
  ::_TrackMouseEvent(&tme);
}

void CFlatButton::OnMouseLeave() {
  EndHover();
  CButton::OnMouseLeave();
}

void CFlatButton::OnKillFocus(CWnd* pNewWnd) {
  CButton::OnKillFocus(pNewWnd);
  EndHover();
}

void CFlatButton::OnCancelMode() {
  CButton::OnCancelMode();
  EndHover();
}

void CFlatButton::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
  CButton::OnActivate(nState, pWndOther, bMinimized);
  if (nState == WA_INACTIVE) EndHover();
}

void CFlatButton::OnEnable(BOOL bEnable) {
  CButton::OnEnable(bEnable);
  if (!bEnable) {
    CWnd* parent = GetParent();
    if (::GetFocus() == m_hWnd && parent) parent->SetFocus();
    EndHover();
  }
}

UINT CFlatButton::OnGetDlgCode() {
  UINT code = CButton::OnGetDlgCode();
  code &= ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
  return code | (m_bIsDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

HBRUSH CFlatButton::CtlColor(CDC*, UINT) {
  return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

BOOL CFlatButton::OnClicked() {
  if (m_bIsCheckBox) {
    m_bChecked = !m_bChecked;
    Invalidate();
  } else if (!m_strURL.IsEmpty()) {
    AfxShellExecute(NULL, "open", m_strURL, NULL, NULL, SW_SHOWMAXIMIZED);
  }
  return FALSE;  // the parent hears the click too
}

LRESULT CFlatButton::OnSetStyle(WPARAM wParam, LPARAM lParam) {
  buttons::RequestedStyle r = buttons::RequestStyle(static_cast<UINT>(wParam));
  if (r.changesDefault) m_bIsDefault = r.defaultButton;
  return CButton::DefWindowProc(BM_SETSTYLE, r.style, lParam);
}

LRESULT CFlatButton::OnSetCheck(WPARAM wParam, LPARAM) {
  SetCheck(wParam == BST_CHECKED || wParam == BST_INDETERMINATE ? 1 : 0, TRUE);
  return 0;
}

LRESULT CFlatButton::OnGetCheck(WPARAM, LPARAM) {
  return GetCheck();
}
