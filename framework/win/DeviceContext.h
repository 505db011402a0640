// Device contexts. CDC keeps an output context (m_hDC) and an attribute context
// (m_hAttribDC, the same handle unless set apart, as for print previews and metafiles);
// queries use the attribute context, drawing the output context. Mapping (mode, origins,
// extents) and selected objects are set on both when they differ, so what is measured agrees
// with what is drawn.
#pragma once

#include <windows.h>

#include "framework/base/CString.h"
#include "framework/base/Object.h"
#include "framework/win/GdiObjects.h"
#include "framework/win/Geometry.h"

class CWnd;

namespace qxdc {
// Calls one of the platform's "...Ex" setters and gives the value it hands back.
template <class T, class Fn>
T Previous(Fn fn, HDC dc, int a, int b) {
  T old = {};
  fn(dc, a, b, &old);
  return old;
}
template <class T, class Fn>
T Query(Fn fn, HDC dc) {
  T value = {};
  fn(dc, &value);
  return value;
}
}  // namespace qxdc

class CDC : public CObject {
  DECLARE_DYNAMIC(CDC)
 public:
  CDC() : m_hDC(NULL), m_hAttribDC(NULL), m_bPrinting(FALSE) {}
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC;
  HDC m_hAttribDC;
  BOOL m_bPrinting;

  operator HDC() const { return m_hDC; }
  HDC GetSafeHdc() const;
  // A temporary wrapper (valid until AfxDeleteTempMaps) that does not own the handle.
  static CDC* FromHandle(HDC hDC);
  // Both contexts; the object deletes it on destruction (DeleteDC). IsPrinting() follows the
  // device: TRUE for a printer.
  BOOL Attach(HDC hDC);
  HDC Detach();
  void SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
  void SetOutputDC(HDC hDC) { m_hDC = hDC; }
  void ReleaseAttribDC() { m_hAttribDC = NULL; }
  void ReleaseOutputDC() { m_hDC = NULL; }
  BOOL CreateCompatibleDC(CDC* pDC) {
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : NULL));
  }
  BOOL CreateDC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* init) {
    return Attach(::CreateDCA(driver, device, output, init));
  }
  BOOL CreateIC(LPCSTR driver, LPCSTR device, LPCSTR output, const DEVMODEA* init) {
    return Attach(::CreateICA(driver, device, output, init));
  }
  virtual BOOL DeleteDC();
  BOOL IsPrinting() const { return m_bPrinting; }
  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int nSaved) { return ::RestoreDC(m_hDC, nSaved); }
  int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hAttribDC, nIndex); }

  // ---- objects ----
  // Fonts, pens, brushes and stock objects go into both contexts; the object returned is the
  // one the attribute context had (the output context's when there is no attribute context).
  CGdiObject* SelectStockObject(int nIndex) {
    return CGdiObject::FromHandle(SelectObject(::GetStockObject(nIndex)));
  }
  CPen* SelectObject(CPen* p) { return CPen::FromHandle((HPEN)SelectObject(p->GetSafeHandle())); }
  CBrush* SelectObject(CBrush* p) {
    return CBrush::FromHandle((HBRUSH)SelectObject(p->GetSafeHandle()));
  }
  CFont* SelectObject(CFont* p) {
    return CFont::FromHandle((HFONT)SelectObject(p->GetSafeHandle()));
  }
  // A bitmap can be selected into one context only: the output context.
  CBitmap* SelectObject(CBitmap* p) {
    return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, p->GetSafeHandle()));
  }
  int SelectObject(CRgn* p) { return (int)(INT_PTR)::SelectObject(m_hDC, p->GetSafeHandle()); }
  CGdiObject* SelectObject(CGdiObject* p) {
    return CGdiObject::FromHandle(SelectObject(p->GetSafeHandle()));
  }
  HGDIOBJ SelectObject(HGDIOBJ h);
  CPalette* SelectPalette(CPalette* p, BOOL bForceBackground) {
    return CPalette::FromHandle(
        ::SelectPalette(m_hDC, (HPALETTE)p->GetSafeHandle(), bForceBackground));
  }
  UINT RealizePalette() { return ::RealizePalette(m_hDC); }
  CFont* GetCurrentFont() const {
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
  }
  CBitmap* GetCurrentBitmap() const {
    return CBitmap::FromHandle((HBITMAP)::GetCurrentObject(m_hDC, OBJ_BITMAP));
  }
  // A 50% grey checkerboard brush shared by the program (drag rectangles).
  static CBrush* GetHalftoneBrush();

  // ---- attributes ----
  COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hAttribDC); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  int GetBkMode() const { return ::GetBkMode(m_hAttribDC); }
  COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hAttribDC); }
  UINT SetTextAlign(UINT flags) { return ::SetTextAlign(m_hDC, flags); }
  int SetROP2(int mode) { return ::SetROP2(m_hDC, mode); }
  int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
  int SetPolyFillMode(int mode) { return ::SetPolyFillMode(m_hDC, mode); }

  // ---- mapping (set on both contexts; the values returned are the output context's) ----
  int SetMapMode(int mode);
  int GetMapMode() const { return ::GetMapMode(m_hAttribDC); }
  CPoint SetWindowOrg(int x, int y) { return Both<POINT>(::SetWindowOrgEx, x, y); }
  CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
  CPoint OffsetWindowOrg(int dx, int dy) { return Both<POINT>(::OffsetWindowOrgEx, dx, dy); }
  CPoint GetWindowOrg() const { return qxdc::Query<POINT>(::GetWindowOrgEx, m_hAttribDC); }
  CPoint SetViewportOrg(int x, int y) { return Both<POINT>(::SetViewportOrgEx, x, y); }
  CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
  CPoint OffsetViewportOrg(int dx, int dy) { return Both<POINT>(::OffsetViewportOrgEx, dx, dy); }
  CPoint GetViewportOrg() const { return qxdc::Query<POINT>(::GetViewportOrgEx, m_hAttribDC); }
  CSize SetWindowExt(int cx, int cy) { return Both<SIZE>(::SetWindowExtEx, cx, cy); }
  CSize SetWindowExt(SIZE s) { return SetWindowExt(s.cx, s.cy); }
  CSize GetWindowExt() const { return qxdc::Query<SIZE>(::GetWindowExtEx, m_hAttribDC); }
  CSize SetViewportExt(int cx, int cy) { return Both<SIZE>(::SetViewportExtEx, cx, cy); }
  CSize SetViewportExt(SIZE s) { return SetViewportExt(s.cx, s.cy); }
  CSize GetViewportExt() const { return qxdc::Query<SIZE>(::GetViewportExtEx, m_hAttribDC); }
  void DPtoLP(LPPOINT p, int n = 1) const { ::DPtoLP(m_hAttribDC, p, n); }
  void DPtoLP(LPRECT r) const { ::DPtoLP(m_hAttribDC, (LPPOINT)r, 2); }
  void LPtoDP(LPPOINT p, int n = 1) const { ::LPtoDP(m_hAttribDC, p, n); }
  void LPtoDP(LPRECT r) const { ::LPtoDP(m_hAttribDC, (LPPOINT)r, 2); }

  // ---- clipping ----
  int GetClipBox(LPRECT r) const { return ::GetClipBox(m_hDC, r); }
  int SelectClipRgn(CRgn* p) { return ::SelectClipRgn(m_hDC, p ? (HRGN)p->m_hObject : NULL); }
  int ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
  int ExcludeClipRect(LPCRECT r) { return ExcludeClipRect(r->left, r->top, r->right, r->bottom); }
  int IntersectClipRect(int l, int t, int r, int b) {
    return ::IntersectClipRect(m_hDC, l, t, r, b);
  }
  int IntersectClipRect(LPCRECT r) {
    return IntersectClipRect(r->left, r->top, r->right, r->bottom);
  }
  BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
  BOOL RectVisible(LPCRECT r) const { return ::RectVisible(m_hDC, r); }

  // ---- lines and shapes ----
  CPoint MoveTo(int x, int y) {
    POINT p;
    ::MoveToEx(m_hDC, x, y, &p);
    return p;
  }
  CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
  BOOL Polyline(const POINT* pts, int n) { return ::Polyline(m_hDC, pts, n); }
  BOOL Polygon(const POINT* pts, int n) { return ::Polygon(m_hDC, pts, n); }
  BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
  BOOL Rectangle(LPCRECT r) { return Rectangle(r->left, r->top, r->right, r->bottom); }
  BOOL RoundRect(LPCRECT r, POINT p) {
    return ::RoundRect(m_hDC, r->left, r->top, r->right, r->bottom, p.x, p.y);
  }
  BOOL Ellipse(int l, int t, int r, int b) { return ::Ellipse(m_hDC, l, t, r, b); }
  BOOL Ellipse(LPCRECT r) { return Ellipse(r->left, r->top, r->right, r->bottom); }
  COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
  COLORREF SetPixel(POINT p, COLORREF c) { return SetPixel(p.x, p.y, c); }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF GetPixel(POINT p) const { return GetPixel(p.x, p.y); }

  // ---- fills and frames ----
  void FillRect(LPCRECT r, CBrush* pBrush) {
    ::FillRect(m_hDC, r, (HBRUSH)pBrush->GetSafeHandle());
  }
  void FrameRect(LPCRECT r, CBrush* pBrush) {
    ::FrameRect(m_hDC, r, (HBRUSH)pBrush->GetSafeHandle());
  }
  void InvertRect(LPCRECT r) { ::InvertRect(m_hDC, r); }
  void FillSolidRect(LPCRECT r, COLORREF c);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF c);
  void Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  BOOL DrawEdge(LPRECT r, UINT edge, UINT flags) { return ::DrawEdge(m_hDC, r, edge, flags); }
  BOOL DrawFrameControl(LPRECT r, UINT type, UINT state) {
    return ::DrawFrameControl(m_hDC, r, type, state);
  }
  void DrawFocusRect(LPCRECT r) { ::DrawFocusRect(m_hDC, r); }
  BOOL DrawIcon(int x, int y, HICON icon) { return ::DrawIcon(m_hDC, x, y, icon); }
  BOOL DrawIcon(POINT p, HICON icon) { return DrawIcon(p.x, p.y, icon); }
  BOOL DrawState(CPoint pt, CSize size, HICON icon, UINT flags, HBRUSH brush = NULL) {
    return ::DrawStateA(m_hDC, brush, NULL, (LPARAM)icon, 0, pt.x, pt.y, size.cx, size.cy,
                        flags | DST_ICON);
  }
  BOOL DrawState(CPoint pt, CSize size, HBITMAP bmp, UINT flags, HBRUSH brush = NULL) {
    return ::DrawStateA(m_hDC, brush, NULL, (LPARAM)bmp, 0, pt.x, pt.y, size.cx, size.cy,
                        flags | DST_BITMAP);
  }
  BOOL PatBlt(int x, int y, int w, int h, DWORD rop) { return ::PatBlt(m_hDC, x, y, w, h, rop); }
  BOOL BitBlt(int x, int y, int w, int h, CDC* pSrc, int xSrc, int ySrc, DWORD rop) {
    return ::BitBlt(m_hDC, x, y, w, h, pSrc ? pSrc->m_hDC : NULL, xSrc, ySrc, rop);
  }
  BOOL StretchBlt(int x, int y, int w, int h, CDC* pSrc, int xSrc, int ySrc, int wSrc, int hSrc,
                  DWORD rop) {
    return ::StretchBlt(m_hDC, x, y, w, h, pSrc ? pSrc->m_hDC : NULL, xSrc, ySrc, wSrc, hSrc, rop);
  }
  BOOL MaskBlt(int x, int y, int w, int h, CDC* pSrc, int xSrc, int ySrc, CBitmap& mask, int xMask,
               int yMask, DWORD rop) {
    return ::MaskBlt(m_hDC, x, y, w, h, pSrc ? pSrc->m_hDC : NULL, xSrc, ySrc,
                     (HBITMAP)mask.m_hObject, xMask, yMask, rop);
  }

  // ---- text ----
  int DrawText(LPCSTR text, int n, LPRECT r, UINT format) {
    return ::DrawTextA(m_hDC, text, n, r, format);
  }
  int DrawText(const CString& text, LPRECT r, UINT format) {
    return DrawText(text, text.GetLength(), r, format);
  }
  BOOL TextOut(int x, int y, LPCSTR text, int n) { return ::TextOutA(m_hDC, x, y, text, n); }
  BOOL TextOut(int x, int y, const CString& text) { return TextOut(x, y, text, text.GetLength()); }
  BOOL ExtTextOut(int x, int y, UINT options, LPCRECT r, LPCSTR text, UINT n, LPINT dx) {
    return ::ExtTextOutA(m_hDC, x, y, options, r, text, n, dx);
  }
  CSize GetTextExtent(LPCSTR text, int n) const;
  CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
  CSize GetOutputTextExtent(const CString& text) const;
  BOOL GetTextMetrics(LPTEXTMETRICA tm) const { return ::GetTextMetricsA(m_hAttribDC, tm); }
  int GetTextFace(int n, LPSTR face) const { return ::GetTextFaceA(m_hAttribDC, n, face); }

  // ---- printing ----
  int StartDoc(const DOCINFOA* di) { return ::StartDocA(m_hDC, di); }
  int EndDoc() { return ::EndDoc(m_hDC); }
  int AbortDoc() { return ::AbortDoc(m_hDC); }
  int StartPage() { return ::StartPage(m_hDC); }
  int EndPage() { return ::EndPage(m_hDC); }
  int Escape(int nEscape, int nCount, LPCSTR in, LPVOID out) {
    return ::Escape(m_hDC, nEscape, nCount, in, out);
  }
  // Puts new settings (paper, orientation) into the attribute context, a printer's.
  BOOL ResetDC(const DEVMODEA* devMode) {
    return m_hAttribDC && ::ResetDCA(m_hAttribDC, devMode) != NULL;
  }

  // ---- metafiles ----
  // Plays an enhanced metafile stretched into rect (logical units of the output context).
  BOOL PlayMetaFile(HENHMETAFILE metaFile, LPCRECT rect) {
    return ::PlayEnhMetaFile(m_hDC, metaFile, rect);
  }
  BOOL PlayMetaFile(HMETAFILE metaFile) { return ::PlayMetaFile(m_hDC, metaFile); }

 protected:
  // Calls an "...Ex" setter on the attribute context (when apart) and the output context.
  template <class T, class Fn>
  T Both(Fn fn, int a, int b) {
    if (m_hAttribDC && m_hAttribDC != m_hDC) qxdc::Previous<T>(fn, m_hAttribDC, a, b);
    return qxdc::Previous<T>(fn, m_hDC, a, b);
  }

  BOOL m_bOwnsDC = FALSE;
  BOOL m_bTemporary = FALSE;
};

// BeginPaint/EndPaint for its lifetime.
class CPaintDC : public CDC {
  DECLARE_DYNAMIC(CPaintDC)
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;
  PAINTSTRUCT m_ps;

 protected:
  HWND m_hWnd;
};

// GetDC/ReleaseDC of the client area for its lifetime.
class CClientDC : public CDC {
  DECLARE_DYNAMIC(CClientDC)
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

 protected:
  HWND m_hWnd;
};

// GetWindowDC/ReleaseDC of the whole window for its lifetime.
class CWindowDC : public CDC {
  DECLARE_DYNAMIC(CWindowDC)
 public:
  explicit CWindowDC(CWnd* pWnd);
  ~CWindowDC() override;

 protected:
  HWND m_hWnd;
};

// Records drawing into a metafile: enhanced (CreateEnhanced, ended by CloseEnhanced) or
// old-style (Create, ended by Close). Closing hands the metafile to the caller; a recording
// that is never closed is closed and freed by DeleteDC or the destructor (deleting an open
// metafile context would lose it). An old-style recording answers no queries until
// SetAttribDC gives it a context to measure with; an enhanced one measures on its reference
// device.
class CMetaFileDC : public CDC {
  DECLARE_DYNAMIC(CMetaFileDC)
 public:
  CMetaFileDC() = default;
  ~CMetaFileDC() override;

  BOOL Create(LPCSTR fileName = NULL);
  BOOL CreateEnhanced(CDC* pDCRef, LPCSTR fileName, LPCRECT bounds, LPCSTR description);
  HMETAFILE Close();
  HENHMETAFILE CloseEnhanced();
  BOOL DeleteDC() override;

 private:
  BOOL m_bEnhanced = FALSE;
};
