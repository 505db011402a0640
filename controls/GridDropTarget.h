// CGridDropTarget: the grid control's OLE drop target. It hands the calls for its grid's window
// to the grid and answers "none" for any other window.
#pragma once

#include "framework/win/OleDropTarget.h"

class CGridCtrl;

class CGridDropTarget : public COleDropTarget {
  DECLARE_DYNAMIC(CGridDropTarget)
 public:
  CGridDropTarget();

  // Registers a grid's window; FALSE when registered already, for no window, or for a window
  // that is not a grid.
  BOOL Register(CWnd* pWnd);
  void Revoke() override;
  BOOL IsRegistered() const { return m_bRegistered; }

  DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                         CPoint point) override;
  DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                        CPoint point) override;
  BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
              CPoint point) override;
  void OnDragLeave(CWnd* pWnd) override;
  // Copy with Ctrl held, move without; the grid never scrolls under a drag.
  DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

 private:
  BOOL IsOurs(CWnd* pWnd) const;

  CGridCtrl* m_pGridCtrl;
  BOOL m_bRegistered;
};
