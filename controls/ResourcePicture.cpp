// CResourcePicture: "IMAGE" resources through the system's picture loader.
#include "controls/ResourcePicture.h"

void CResourcePicture::Free() {
  if (m_pPicture) m_pPicture->Release();
  m_pPicture = NULL;
}

BOOL CResourcePicture::Load(UINT id) {
  Free();
  HINSTANCE inst = AfxFindResourceHandle(MAKEINTRESOURCEA(id), "IMAGE");
  HRSRC res = ::FindResourceA(inst, MAKEINTRESOURCEA(id), "IMAGE");
  if (!res) return FALSE;
  DWORD size = ::SizeofResource(inst, res);
  HGLOBAL mem = ::LoadResource(inst, res);
  const void* bytes = mem ? ::LockResource(mem) : NULL;
  if (!bytes || size == 0) return FALSE;
  m_pPicture = AfxLoadPicture(bytes, size);
  return m_pPicture != NULL;
}

CSize CResourcePicture::GetImageSize(CDC* pDC) const {
  if (!m_pPicture) return CSize(0, 0);
  HDC dc = pDC ? pDC->m_hAttribDC : ::GetDC(NULL);
  CSize size(0, 0);
  SHORT type = PICTYPE_UNINITIALIZED;
  OLE_HANDLE handle = 0;
  BITMAP bm = {};
  // On the screen (and memory DCs like it) a bitmap picture counts its own pixels, whatever
  // the screen's DPI, so pictures whose pixels matter are drawn 1:1. Printers and metafiles
  // get its physical size.
  if (::GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY && SUCCEEDED(m_pPicture->get_Type(&type)) &&
      type == PICTYPE_BITMAP && SUCCEEDED(m_pPicture->get_Handle(&handle)) &&
      ::GetObjectA(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)), sizeof bm, &bm)) {
    size = CSize(bm.bmWidth, bm.bmHeight);
  } else {
    OLE_XSIZE_HIMETRIC width = 0;
    OLE_YSIZE_HIMETRIC height = 0;
    if (SUCCEEDED(m_pPicture->get_Width(&width)) && SUCCEEDED(m_pPicture->get_Height(&height)))
      size = CSize(AfxHimetricToPixels(width, ::GetDeviceCaps(dc, LOGPIXELSX)),
                   AfxHimetricToPixels(height, ::GetDeviceCaps(dc, LOGPIXELSY)));
  }
  if (!pDC) ::ReleaseDC(NULL, dc);
  return size;
}

BOOL CResourcePicture::Render(CDC* pDC, int left, int top, int right, int bottom,
                              LPCRECT metafileBounds) const {
  if (!m_pPicture || !pDC) return FALSE;
  if (left == 0 && top == 0 && right == 0 && bottom == 0) {
    CSize size = GetImageSize(pDC);
    right = size.cx;
    bottom = size.cy;
  }
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  m_pPicture->get_Width(&width);
  m_pPicture->get_Height(&height);
  // From the bottom-left corner upwards, which keeps the picture upright.
  HRESULT hr = m_pPicture->Render(pDC->m_hDC, left, top, right - left, bottom - top, 0, height,
                                  width, -height, metafileBounds);
  return SUCCEEDED(hr);
}
