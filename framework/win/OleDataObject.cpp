#include "framework/win/OleDataObject.h"

#include <cstring>

namespace {

FORMATETC GlobalFormat(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (lpFormatEtc) return *lpFormatEtc;
  FORMATETC fe = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  return fe;
}

// A copy of a block we do not own (its owner frees it with the medium).
HGLOBAL CopyGlobal(HGLOBAL source) {
  SIZE_T size = ::GlobalSize(source);
  HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size ? size : 1);
  if (!copy) return NULL;
  const void* from = ::GlobalLock(source);
  void* to = ::GlobalLock(copy);
  if (from && to && size) std::memcpy(to, from, size);
  if (to) ::GlobalUnlock(copy);
  if (from) ::GlobalUnlock(source);
  if (!from || !to) {
    ::GlobalFree(copy);
    return NULL;
  }
  return copy;
}

}  // namespace

COleDataObject::COleDataObject() : m_lpDataObject(NULL), m_bAutoRelease(TRUE) {}

COleDataObject::~COleDataObject() {
  Release();
}

void COleDataObject::Attach(IDataObject* lpDataObject, BOOL bAutoRelease) {
  Release();
  m_lpDataObject = lpDataObject;
  m_bAutoRelease = bAutoRelease;
  if (m_lpDataObject && m_bAutoRelease) m_lpDataObject->AddRef();
}

IDataObject* COleDataObject::Detach() {
  IDataObject* p = m_lpDataObject;
  m_lpDataObject = NULL;
  return p;
}

void COleDataObject::Release() {
  if (m_lpDataObject && m_bAutoRelease) m_lpDataObject->Release();
  m_lpDataObject = NULL;
}

BOOL COleDataObject::AttachClipboard() {
  Release();
  IDataObject* p = NULL;
  if (FAILED(::OleGetClipboard(&p)) || !p) return FALSE;
  m_lpDataObject = p;  // OleGetClipboard gave us its reference
  m_bAutoRelease = TRUE;
  return TRUE;
}

BOOL COleDataObject::IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (!m_lpDataObject) return FALSE;
  FORMATETC fe = GlobalFormat(cfFormat, lpFormatEtc);
  return m_lpDataObject->QueryGetData(&fe) == S_OK;
}

HGLOBAL COleDataObject::GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc) {
  if (!m_lpDataObject) return NULL;
  FORMATETC fe = GlobalFormat(cfFormat, lpFormatEtc);
  fe.tymed = TYMED_HGLOBAL;
  STGMEDIUM medium = {};
  if (FAILED(m_lpDataObject->GetData(&fe, &medium))) return NULL;
  if (medium.tymed != TYMED_HGLOBAL || !medium.hGlobal) {
    ::ReleaseStgMedium(&medium);
    return NULL;
  }
  if (!medium.pUnkForRelease) return medium.hGlobal;  // ours now
  HGLOBAL copy = CopyGlobal(medium.hGlobal);
  ::ReleaseStgMedium(&medium);
  return copy;
}

CString AfxGetGlobalText(HGLOBAL hGlobal) {
  if (!hGlobal) return CString();
  SIZE_T size = ::GlobalSize(hGlobal);
  const char* p = static_cast<const char*>(::GlobalLock(hGlobal));
  if (!p) return CString();
  if (size > 0x7FFFFFFF) size = 0x7FFFFFFF;  // a CString's length is an int
  size_t n = 0;
  while (n < size && p[n] != '\0') ++n;
  CString text(p, static_cast<int>(n));
  ::GlobalUnlock(hGlobal);
  return text;
}
