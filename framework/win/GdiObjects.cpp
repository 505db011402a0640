// GDI object wrappers and the temporary wrappers of GDI objects and device contexts.
#include "framework/win/GdiObjects.h"

#include <map>
#include <memory>
#include <typeindex>
#include <utility>

#include "framework/win/DeviceContext.h"
#include "framework/win/TempMaps.h"

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)
IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

namespace {

// Temporary wrappers never own their handle: it is detached before they are deleted.
thread_local std::map<std::pair<HGDIOBJ, std::type_index>, std::unique_ptr<CGdiObject>>* t_tempGdi =
    nullptr;
thread_local std::map<HDC, std::unique_ptr<CDC>>* t_tempDC = nullptr;

template <class T>
T* TempGdi(HGDIOBJ h) {
  if (!h) return nullptr;
  if (!t_tempGdi) {
    t_tempGdi = new std::map<std::pair<HGDIOBJ, std::type_index>, std::unique_ptr<CGdiObject>>();
    AfxNoteThreadMaps();
  }
  auto key = std::make_pair(h, std::type_index(typeid(T)));
  auto it = t_tempGdi->find(key);
  if (it != t_tempGdi->end()) return static_cast<T*>(it->second.get());
  std::unique_ptr<T> wrapper(new T);
  wrapper->m_hObject = h;
  T* p = wrapper.get();
  t_tempGdi->emplace(key, std::move(wrapper));
  return p;
}

}  // namespace

CDC* AfxTempDC(HDC hDC) {
  if (!hDC) return nullptr;
  if (!t_tempDC) {
    t_tempDC = new std::map<HDC, std::unique_ptr<CDC>>();
    AfxNoteThreadMaps();
  }
  auto it = t_tempDC->find(hDC);
  if (it != t_tempDC->end()) return it->second.get();
  std::unique_ptr<CDC> wrapper(new CDC);
  wrapper->m_hDC = wrapper->m_hAttribDC = hDC;
  CDC* p = wrapper.get();
  t_tempDC->emplace(hDC, std::move(wrapper));
  return p;
}

void AfxDeleteTempGdiMaps() {
  if (t_tempGdi) {
    for (auto& e : *t_tempGdi) e.second->m_hObject = NULL;
    t_tempGdi->clear();
  }
  if (t_tempDC) {
    for (auto& e : *t_tempDC) e.second->m_hDC = e.second->m_hAttribDC = NULL;
    t_tempDC->clear();
  }
}

void AfxFreeThreadGdiMaps() {
  AfxDeleteTempGdiMaps();
  delete t_tempGdi;
  t_tempGdi = nullptr;
  delete t_tempDC;
  t_tempDC = nullptr;
}

int AfxGetTemporaryGdiCount() {
  return (t_tempGdi ? (int)t_tempGdi->size() : 0) + (t_tempDC ? (int)t_tempDC->size() : 0);
}

HGDIOBJ CGdiObject::GetSafeHandle() const {
  return this ? m_hObject : NULL;
}

BOOL CGdiObject::Attach(HGDIOBJ h) {
  if (!h) return FALSE;
  DeleteObject();
  m_hObject = h;
  m_bStock = FALSE;
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  m_hObject = NULL;
  m_bStock = FALSE;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  HGDIOBJ h = Detach();
  return ::DeleteObject(h);  // stock objects ignore this
}

// Each wrapper class's FromHandle gives a temporary of its own kind.
#define QX_GDI_FROM_HANDLE(Class, Handle) \
  Class* Class::FromHandle(Handle h) {    \
    return TempGdi<Class>(h);             \
  }
QX_GDI_FROM_HANDLE(CGdiObject, HGDIOBJ)
QX_GDI_FROM_HANDLE(CPen, HPEN)
QX_GDI_FROM_HANDLE(CBrush, HBRUSH)
QX_GDI_FROM_HANDLE(CFont, HFONT)
QX_GDI_FROM_HANDLE(CBitmap, HBITMAP)
QX_GDI_FROM_HANDLE(CRgn, HRGN)
QX_GDI_FROM_HANDLE(CPalette, HPALETTE)
#undef QX_GDI_FROM_HANDLE

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR face, CDC* pDC) {
  LOGFONTA lf = {};
  HDC hDC = pDC ? pDC->m_hAttribDC : ::GetDC(NULL);
  POINT pt = {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720)};
  lf.lfHeight = -pt.y;
  if (!pDC) ::ReleaseDC(NULL, hDC);
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(lf.lfFaceName, face ? face : "", LF_FACESIZE);
  return CreateFontIndirect(&lf);
}

BOOL CBitmap::LoadBitmap(LPCSTR name) {
  HINSTANCE hInst = AfxFindResourceHandle(name, (LPCSTR)RT_BITMAP);
  return Attach(::LoadBitmapA(hInst, name));
}

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int w, int h) {
  return Attach(::CreateCompatibleBitmap(pDC ? pDC->m_hDC : NULL, w, h));
}

CSize CBitmap::GetBitmapDimension() const {
  SIZE s = {0, 0};
  ::GetBitmapDimensionEx((HBITMAP)m_hObject, &s);
  return s;
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
  return Attach(::CreateHalftonePalette(pDC ? pDC->m_hDC : NULL));
}
