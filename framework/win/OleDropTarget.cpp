#include "framework/win/OleDropTarget.h"

#include "framework/win/Wnd.h"

IMPLEMENT_DYNAMIC(COleDropTarget, CCmdTarget)

COleDropTarget::COleDropTarget() : m_hWnd(NULL), m_xDropTarget(this) {}

COleDropTarget::~COleDropTarget() {
  if (m_hWnd) COleDropTarget::Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd) {
  HWND hWnd = pWnd->GetSafeHwnd();
  if (m_hWnd || !hWnd) return FALSE;
  if (FAILED(::RegisterDragDrop(hWnd, &m_xDropTarget))) return FALSE;
  m_hWnd = hWnd;
  return TRUE;
}

void COleDropTarget::Revoke() {
  if (!m_hWnd) return;
  ::RevokeDragDrop(m_hWnd);
  m_hWnd = NULL;
  m_dataObject.Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) {
  return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) {
  return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) {
  return FALSE;
}

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint) {
  return DROPEFFECT_NONE;
}

CPoint COleDropTarget::ToClient(POINTL pt) const {
  POINT p = {pt.x, pt.y};
  if (m_hWnd) ::ScreenToClient(m_hWnd, &p);
  return CPoint(p.x, p.y);
}

CWnd* COleDropTarget::Window() const {
  return CWnd::FromHandle(m_hWnd);
}

DROPEFFECT COleDropTarget::Track(BOOL bEnter, DWORD grfKeyState, POINTL pt, DWORD allowed) {
  CPoint point = ToClient(pt);
  DROPEFFECT effect = OnDragScroll(Window(), grfKeyState, point);
  if (!(effect & DROPEFFECT_SCROLL)) {
    effect = bEnter ? OnDragEnter(Window(), &m_dataObject, grfKeyState, point)
                    : OnDragOver(Window(), &m_dataObject, grfKeyState, point);
  }
  return effect & (allowed | DROPEFFECT_SCROLL);
}

// ---- the interface OLE calls ------------------------------------------------------------------

HRESULT COleDropTarget::XDropTarget::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
    *ppv = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *ppv = NULL;
  return E_NOINTERFACE;
}

// Counted for symmetry only: the object belongs to its COleDropTarget, which revokes the
// registration (OLE's reference) before it goes.
ULONG COleDropTarget::XDropTarget::AddRef() {
  return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

ULONG COleDropTarget::XDropTarget::Release() {
  return static_cast<ULONG>(::InterlockedDecrement(&m_refs));
}

HRESULT COleDropTarget::XDropTarget::DragEnter(IDataObject* pDataObj, DWORD grfKeyState,
                                               POINTL pt, DWORD* pdwEffect) {
  if (!pdwEffect) return E_INVALIDARG;
  if (!m_pOwner->m_hWnd) {
    *pdwEffect = DROPEFFECT_NONE;
    return S_OK;
  }
  m_pOwner->m_dataObject.Attach(pDataObj, TRUE);
  *pdwEffect = m_pOwner->Track(TRUE, grfKeyState, pt, *pdwEffect);
  return S_OK;
}

HRESULT COleDropTarget::XDropTarget::DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) {
  if (!pdwEffect) return E_INVALIDARG;
  if (!m_pOwner->m_hWnd || !m_pOwner->m_dataObject.GetIDataObject()) {
    *pdwEffect = DROPEFFECT_NONE;
    return S_OK;
  }
  *pdwEffect = m_pOwner->Track(FALSE, grfKeyState, pt, *pdwEffect);
  return S_OK;
}

HRESULT COleDropTarget::XDropTarget::DragLeave() {
  if (m_pOwner->m_hWnd) m_pOwner->OnDragLeave(m_pOwner->Window());
  m_pOwner->m_dataObject.Release();
  return S_OK;
}

HRESULT COleDropTarget::XDropTarget::Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                          DWORD* pdwEffect) {
  if (!pdwEffect) return E_INVALIDARG;
  DWORD allowed = *pdwEffect;
  *pdwEffect = DROPEFFECT_NONE;
  if (!m_pOwner->m_hWnd) return S_OK;
  if (pDataObj) m_pOwner->m_dataObject.Attach(pDataObj, TRUE);
  // The effect at the drop point decides, as the last move would have.
  DROPEFFECT effect = m_pOwner->Track(FALSE, grfKeyState, pt, allowed) & ~DROPEFFECT_SCROLL;
  if (effect == DROPEFFECT_NONE) {
    m_pOwner->OnDragLeave(m_pOwner->Window());
  } else if (m_pOwner->OnDrop(m_pOwner->Window(), &m_pOwner->m_dataObject, effect,
                              m_pOwner->ToClient(pt))) {
    *pdwEffect = effect;
  }
  m_pOwner->m_dataObject.Release();
  return S_OK;
}
