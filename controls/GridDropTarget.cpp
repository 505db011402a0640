#include "controls/GridDropTarget.h"

#include "controls/GridCtrl.h"

IMPLEMENT_DYNAMIC(CGridDropTarget, COleDropTarget)

CGridDropTarget::CGridDropTarget() : m_pGridCtrl(nullptr), m_bRegistered(FALSE) {}

BOOL CGridDropTarget::Register(CWnd* pWnd) {
  if (m_bRegistered || !pWnd || !pWnd->IsKindOf(RUNTIME_CLASS(CGridCtrl))) return FALSE;
  m_pGridCtrl = static_cast<CGridCtrl*>(pWnd);
  m_bRegistered = COleDropTarget::Register(pWnd);
  return m_bRegistered;
}

void CGridDropTarget::Revoke() {
  m_bRegistered = FALSE;
  COleDropTarget::Revoke();
}

BOOL CGridDropTarget::IsOurs(CWnd* pWnd) const {
  return m_pGridCtrl && pWnd && pWnd->GetSafeHwnd() == m_pGridCtrl->GetSafeHwnd();
}

DROPEFFECT CGridDropTarget::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject,
                                        DWORD dwKeyState, CPoint point) {
  return IsOurs(pWnd) ? m_pGridCtrl->OnDragEnter(pDataObject, dwKeyState, point)
                      : DROPEFFECT_NONE;
}

DROPEFFECT CGridDropTarget::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject,
                                       DWORD dwKeyState, CPoint point) {
  return IsOurs(pWnd) ? m_pGridCtrl->OnDragOver(pDataObject, dwKeyState, point)
                      : DROPEFFECT_NONE;
}

BOOL CGridDropTarget::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                             CPoint point) {
  return IsOurs(pWnd) ? m_pGridCtrl->OnDrop(pDataObject, dropEffect, point) : FALSE;
}

void CGridDropTarget::OnDragLeave(CWnd* pWnd) {
  if (IsOurs(pWnd)) m_pGridCtrl->OnDragLeave();
}

DROPEFFECT CGridDropTarget::OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint /*point*/) {
  if (!IsOurs(pWnd)) return DROPEFFECT_NONE;
  return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
