// GDI object wrappers: each owns its handle (deleted with the object) unless it was attached
// from elsewhere with FromHandle, which gives a temporary wrapper that owns nothing.
#pragma once

#include <windows.h>

#include "framework/base/Object.h"
#include "framework/win/AfxCore.h"
#include "framework/win/Geometry.h"

class CDC;

class CGdiObject : public CObject {
  DECLARE_DYNAMIC(CGdiObject)
 public:
  CGdiObject() : m_hObject(NULL) {}
  ~CGdiObject() override { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject;
  HGDIOBJ GetSafeHandle() const;
  operator HGDIOBJ() const { return m_hObject; }

  BOOL Attach(HGDIOBJ h);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectA(m_hObject, nCount, lpObject);
  }
  UINT GetObjectType() const { return (UINT)::GetObjectType(m_hObject); }
  BOOL CreateStockObject(int nIndex) {
    return Attach(::GetStockObject(nIndex)) ? (m_bStock = TRUE) : FALSE;
  }
  // A temporary wrapper (valid until AfxDeleteTempMaps) that does not own the handle.
  static CGdiObject* FromHandle(HGDIOBJ h);

 protected:
  BOOL m_bStock = FALSE;  // stock objects are never deleted
};

class CPen : public CGdiObject {
  DECLARE_DYNAMIC(CPen)
 public:
  CPen() = default;
  CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
  }
  BOOL CreatePenIndirect(LPLOGPEN lp) { return Attach(::CreatePenIndirect(lp)); }
  operator HPEN() const { return (HPEN)m_hObject; }
  static CPen* FromHandle(HPEN h);
};

class CBrush : public CGdiObject {
  DECLARE_DYNAMIC(CBrush)
 public:
  CBrush() = default;
  explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
  BOOL CreateSolidBrush(COLORREF crColor) { return Attach(::CreateSolidBrush(crColor)); }
  BOOL CreateHatchBrush(int nIndex, COLORREF crColor) {
    return Attach(::CreateHatchBrush(nIndex, crColor));
  }
  BOOL CreatePatternBrush(HBITMAP bitmap) { return Attach(::CreatePatternBrush(bitmap)); }
  BOOL CreateSysColorBrush(int nIndex) {
    return Attach(::GetSysColorBrush(nIndex)) ? (m_bStock = TRUE) : FALSE;
  }
  BOOL CreateBrushIndirect(const LOGBRUSH* lb) { return Attach(::CreateBrushIndirect(lb)); }
  operator HBRUSH() const { return (HBRUSH)m_hObject; }
  static CBrush* FromHandle(HBRUSH h);
};

class CFont : public CGdiObject {
  DECLARE_DYNAMIC(CFont)
 public:
  BOOL CreateFontIndirect(const LOGFONTA* lf) { return Attach(::CreateFontIndirectA(lf)); }
  BOOL CreatePointFont(int nPointSize, LPCSTR face, CDC* pDC = NULL);
  BOOL GetLogFont(LOGFONTA* lf) const {
    return GetObject(sizeof(LOGFONTA), lf) == (int)sizeof(LOGFONTA);
  }
  operator HFONT() const { return (HFONT)m_hObject; }
  static CFont* FromHandle(HFONT h);
};

class CBitmap : public CGdiObject {
  DECLARE_DYNAMIC(CBitmap)
 public:
  BOOL LoadBitmap(UINT nIDResource);
  BOOL LoadBitmap(LPCSTR name);
  BOOL LoadOEMBitmap(UINT nIDBitmap) {
    return Attach(::LoadBitmapA(NULL, MAKEINTRESOURCEA(nIDBitmap)));
  }
  BOOL CreateBitmap(int w, int h, UINT planes, UINT bitsPerPixel, const void* bits) {
    return Attach(::CreateBitmap(w, h, planes, bitsPerPixel, bits));
  }
  BOOL CreateCompatibleBitmap(CDC* pDC, int w, int h);
  BOOL CreateDiscardableBitmap(CDC* pDC, int w, int h) { return CreateCompatibleBitmap(pDC, w, h); }
  int GetBitmap(BITMAP* bm) const { return GetObject(sizeof(BITMAP), bm); }
  CSize GetBitmapDimension() const;
  operator HBITMAP() const { return (HBITMAP)m_hObject; }
  static CBitmap* FromHandle(HBITMAP h);
};

class CRgn : public CGdiObject {
  DECLARE_DYNAMIC(CRgn)
 public:
  BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
  BOOL CreateRectRgnIndirect(LPCRECT r) { return Attach(::CreateRectRgnIndirect(r)); }
  BOOL CreateEllipticRgn(int l, int t, int r, int b) {
    return Attach(::CreateEllipticRgn(l, t, r, b));
  }
  BOOL CreatePolygonRgn(const POINT* pts, int n, int mode) {
    return Attach(::CreatePolygonRgn(pts, n, mode));
  }
  int CombineRgn(const CRgn* a, const CRgn* b, int mode) {
    return ::CombineRgn((HRGN)m_hObject, (HRGN)a->m_hObject, b ? (HRGN)b->m_hObject : NULL, mode);
  }
  BOOL PtInRegion(POINT p) const { return ::PtInRegion((HRGN)m_hObject, p.x, p.y); }
  int GetRgnBox(LPRECT r) const { return ::GetRgnBox((HRGN)m_hObject, r); }
  int OffsetRgn(int x, int y) { return ::OffsetRgn((HRGN)m_hObject, x, y); }
  void SetRectRgn(int l, int t, int r, int b) { ::SetRectRgn((HRGN)m_hObject, l, t, r, b); }
  operator HRGN() const { return (HRGN)m_hObject; }
  static CRgn* FromHandle(HRGN h);
};

class CPalette : public CGdiObject {
  DECLARE_DYNAMIC(CPalette)
 public:
  BOOL CreatePalette(const LOGPALETTE* lp) { return Attach(::CreatePalette(lp)); }
  BOOL CreateHalftonePalette(CDC* pDC);
  UINT GetPaletteEntries(UINT start, UINT n, LPPALETTEENTRY entries) const {
    return ::GetPaletteEntries((HPALETTE)m_hObject, start, n, entries);
  }
  int GetEntryCount() const {
    WORD n = 0;
    ::GetObjectA(m_hObject, sizeof(WORD), &n);
    return n;
  }
  operator HPALETTE() const { return (HPALETTE)m_hObject; }
  static CPalette* FromHandle(HPALETTE h);
};
