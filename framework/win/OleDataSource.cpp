#include "framework/win/OleDataSource.h"

#include <shlobj.h>

#include <cstring>
#include <vector>

namespace {

HGLOBAL CopyGlobalBlock(HGLOBAL source) {
  SIZE_T size = ::GlobalSize(source);
  HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size ? size : 1);
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

// The drop source of DoDragDrop: the drag goes on while a mouse button is held; Esc cancels.
class CDropSourceImpl : public IDropSource {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropSource)) {
      *ppv = static_cast<IDropSource*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
  }
  // Lives on the stack of DoDragDrop, which outlasts every reference OLE takes.
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL fEscapePressed, DWORD grfKeyState) override {
    if (fEscapePressed) return DRAGDROP_S_CANCEL;
    if (!(grfKeyState & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) return DRAGDROP_S_DROP;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD) override { return DRAGDROP_S_USEDEFAULTCURSORS; }
};

}  // namespace

// The IDataObject offered to OLE: cached global blocks, handed out as copies.
class COleDataSource::CDataObjectImpl : public IDataObject {
 public:
  CDataObjectImpl() = default;
  CDataObjectImpl(const CDataObjectImpl&) = delete;
  CDataObjectImpl& operator=(const CDataObjectImpl&) = delete;

  void Cache(const FORMATETC& fe, HGLOBAL hGlobal) {
    for (Entry& e : m_entries) {
      if (e.format.cfFormat == fe.cfFormat) {
        ::GlobalFree(e.hGlobal);
        e.format = fe;
        e.hGlobal = hGlobal;
        return;
      }
    }
    m_entries.push_back({fe, hGlobal});
  }
  void Empty() {
    for (Entry& e : m_entries) ::GlobalFree(e.hGlobal);
    m_entries.clear();
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDataObject)) {
      *ppv = static_cast<IDataObject*>(this);
      AddRef();
      return S_OK;
    }
    *ppv = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ::InterlockedIncrement(&m_refs); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = ::InterlockedDecrement(&m_refs);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* pfe, STGMEDIUM* pmedium) override {
    if (!pfe || !pmedium) return E_INVALIDARG;
    const Entry* e = Find(*pfe);
    if (!e) return DV_E_FORMATETC;
    HGLOBAL copy = CopyGlobalBlock(e->hGlobal);
    if (!copy) return E_OUTOFMEMORY;
    pmedium->tymed = TYMED_HGLOBAL;
    pmedium->hGlobal = copy;
    pmedium->pUnkForRelease = NULL;  // the receiver frees the copy
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* pfe) override {
    if (!pfe) return E_INVALIDARG;
    return Find(*pfe) ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* pOut) override {
    if (pOut) pOut->ptd = NULL;
    return DATA_S_SAMEFORMATETC;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** ppEnum) override {
    if (!ppEnum) return E_INVALIDARG;
    *ppEnum = NULL;
    if (direction != DATADIR_GET) return E_NOTIMPL;
    std::vector<FORMATETC> formats;
    for (const Entry& e : m_entries) formats.push_back(e.format);
    return ::SHCreateStdEnumFmtEtc(static_cast<UINT>(formats.size()),
                                   formats.empty() ? NULL : formats.data(), ppEnum);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  struct Entry {
    FORMATETC format;
    HGLOBAL hGlobal;
  };
  ~CDataObjectImpl() { Empty(); }
  const Entry* Find(const FORMATETC& fe) const {
    if (!(fe.tymed & TYMED_HGLOBAL)) return nullptr;
    for (const Entry& e : m_entries)
      if (e.format.cfFormat == fe.cfFormat && e.format.dwAspect == fe.dwAspect) return &e;
    return nullptr;
  }

  LONG m_refs = 1;
  std::vector<Entry> m_entries;
};

COleDataSource::COleDataSource() : m_pImpl(new CDataObjectImpl) {}

COleDataSource::~COleDataSource() {
  m_pImpl->Release();
}

void COleDataSource::CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal,
                                     LPFORMATETC lpFormatEtc) {
  if (!hGlobal) return;
  FORMATETC fe = {cfFormat, NULL, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  if (lpFormatEtc) {
    fe = *lpFormatEtc;
    fe.cfFormat = cfFormat;
    fe.tymed = TYMED_HGLOBAL;
  }
  m_pImpl->Cache(fe, hGlobal);
}

void COleDataSource::Empty() {
  m_pImpl->Empty();
}

BOOL COleDataSource::SetClipboard() {
  if (FAILED(::OleSetClipboard(m_pImpl))) return FALSE;
  // Rendered now: the clipboard keeps plain copies and lets go of our data object.
  return SUCCEEDED(::OleFlushClipboard());
}

DROPEFFECT COleDataSource::DoDragDrop(DWORD dwEffects) {
  CDropSourceImpl source;
  DWORD effect = DROPEFFECT_NONE;
  HRESULT hr = ::DoDragDrop(m_pImpl, &source, dwEffects, &effect);
  return hr == DRAGDROP_S_DROP ? effect : DROPEFFECT_NONE;
}

IDataObject* COleDataSource::GetDataObject() const {
  return m_pImpl;
}
