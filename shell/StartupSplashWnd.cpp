#include "shell/StartupSplashWnd.h"

#include <vector>

#include "framework/win/DeviceContext.h"

namespace {
int g_liveSplashes = 0;
}

BEGIN_MESSAGE_MAP(CStartupSplashWnd, CWnd)
ON_WM_PAINT()
ON_WM_TIMER()
END_MESSAGE_MAP()

CStartupSplashWnd::CStartupSplashWnd(UINT bitmapId, UINT elapse)
    : m_nBitmapId(bitmapId), m_nElapse(elapse) {
  ++g_liveSplashes;
}

CStartupSplashWnd::~CStartupSplashWnd() {
  --g_liveSplashes;
}

int CStartupSplashWnd::GetLiveCount() {
  return g_liveSplashes;
}

BOOL CStartupSplashWnd::MakePalette(HBITMAP dibSection, CPalette& palette) {
  palette.DeleteObject();
  DIBSECTION dib = {};
  if (!dibSection || ::GetObjectA(dibSection, sizeof dib, &dib) != sizeof dib) return FALSE;
  UINT colours = dib.dsBmih.biClrUsed;
  if (colours == 0 && dib.dsBmih.biBitCount <= 8) colours = 1u << dib.dsBmih.biBitCount;
  HDC screen = ::GetDC(nullptr);
  std::vector<RGBQUAD> table;
  if (dib.dsBmih.biBitCount <= 8 && colours > 0 && colours <= 256) {
    // The colours the table really holds: the header may count more than it has.
    table.resize(colours);
    HDC memory = ::CreateCompatibleDC(screen);
    HGDIOBJ old = ::SelectObject(memory, dibSection);
    colours = ::GetDIBColorTable(memory, 0, colours, table.data());
    ::SelectObject(memory, old);
    ::DeleteDC(memory);
  }
  if (!table.empty() && colours > 0) {
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
    LOGPALETTE* lp = reinterpret_cast<LOGPALETTE*>(buffer.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = static_cast<WORD>(colours);
    for (UINT i = 0; i < colours; ++i) {
      lp->palPalEntry[i].peRed = table[i].rgbRed;
      lp->palPalEntry[i].peGreen = table[i].rgbGreen;
      lp->palPalEntry[i].peBlue = table[i].rgbBlue;
      lp->palPalEntry[i].peFlags = 0;
    }
    palette.Attach(::CreatePalette(lp));
  } else {
    palette.Attach(::CreateHalftonePalette(screen));
  }
  ::ReleaseDC(nullptr, screen);
  return palette.m_hObject != nullptr;
}

BOOL CStartupSplashWnd::LoadBitmapAndPalette(LPCSTR resourceName, CBitmap& bitmap,
                                             CPalette& palette) {
  HBITMAP loaded = static_cast<HBITMAP>(::LoadImageA(AfxGetResourceHandle(), resourceName,
                                                     IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!loaded) return FALSE;
  bitmap.DeleteObject();
  bitmap.Attach(loaded);
  MakePalette(loaded, palette);
  return TRUE;
}

BOOL CStartupSplashWnd::Show() {
  if (!LoadBitmapAndPalette(MAKEINTRESOURCEA(m_nBitmapId), m_bitmap, m_palette)) return FALSE;
  BITMAP bm = {};
  m_bitmap.GetBitmap(&bm);
  LPCSTR cls = AfxRegisterWndClass(CS_CLASSDC, ::LoadCursor(nullptr, IDC_ARROW));
  // An invisible owner keeps the splash off the task bar.
  if (!m_wndOwner.CreateEx(WS_EX_TOPMOST, cls, "", WS_POPUP, 0, 0, bm.bmWidth, bm.bmHeight,
                           nullptr, nullptr))
    return FALSE;
  if (!CreateEx(WS_EX_TOPMOST, cls, "", WS_POPUP, 0, 0, bm.bmWidth, bm.bmHeight,
                m_wndOwner.m_hWnd, nullptr)) {
    m_wndOwner.DestroyWindow();
    return FALSE;
  }
  RECT work;
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, work.left + (work.right - work.left - bm.bmWidth) / 2,
                 work.top + (work.bottom - work.top - bm.bmHeight) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(SW_SHOW);
  UpdateWindow();
  m_nTimerId = SetTimer(1, m_nElapse);
  return TRUE;
}

void CStartupSplashWnd::Close() {
  if (m_hWnd && m_nTimerId) KillTimer(m_nTimerId);
  m_nTimerId = 0;
  // The owner takes the splash with it.
  if (m_wndOwner.m_hWnd) m_wndOwner.DestroyWindow();
  if (m_hWnd) DestroyWindow();
  delete this;
}

void CStartupSplashWnd::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(m_hWnd, &ps);
  HDC memory = ::CreateCompatibleDC(dc);
  HGDIOBJ old = ::SelectObject(memory, m_bitmap.m_hObject);
  HPALETTE oldPalette = nullptr;
  if ((::GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) && m_palette.m_hObject) {
    oldPalette = ::SelectPalette(dc, static_cast<HPALETTE>(m_palette.m_hObject), FALSE);
    ::RealizePalette(dc);
  }
  RECT rc;
  GetClientRect(&rc);
  ::BitBlt(dc, 0, 0, rc.right, rc.bottom, memory, 0, 0, SRCCOPY);
  if (oldPalette) ::SelectPalette(dc, oldPalette, FALSE);
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
  ::EndPaint(m_hWnd, &ps);
}

void CStartupSplashWnd::OnTimer(UINT_PTR id) {
  if (id != m_nTimerId) {
    Default();
    return;
  }
  Close();
}

BOOL CStartupSplashWnd::PreTranslateMessage(MSG* msg) {
  if (msg->hwnd != m_hWnd) return FALSE;
  switch (msg->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      Close();
      return TRUE;  // swallowed: nothing below the splash sees the press
    default:
      return FALSE;
  }
}
