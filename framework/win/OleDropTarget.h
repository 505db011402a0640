// COleDropTarget: makes a window a target of OLE drag and drop. The system's calls arrive at
// the virtual handlers below with the window, the dragged data and the point in the window's
// client coordinates. OLE must be initialised on the thread (OleInitialize) to register.
#pragma once

#include <windows.h>

#include <ole2.h>

#include "framework/win/CmdTarget.h"
#include "framework/win/Geometry.h"
#include "framework/win/OleDataObject.h"

class CWnd;

class COleDropTarget : public CCmdTarget {
  DECLARE_DYNAMIC(COleDropTarget)
 public:
  COleDropTarget();
  ~COleDropTarget() override;  // revokes a registration that is still in force
  COleDropTarget(const COleDropTarget&) = delete;
  COleDropTarget& operator=(const COleDropTarget&) = delete;

  // Registers the window; FALSE when already registered, for no window, or when OLE refuses.
  // Revoke before the window is destroyed.
  BOOL Register(CWnd* pWnd);
  virtual void Revoke();
  BOOL IsRegistered() const { return m_hWnd != NULL; }

  // The defaults accept nothing.
  virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                 CPoint point);
  virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState,
                                CPoint point);
  // TRUE when the data was taken.
  virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect,
                      CPoint point);
  virtual void OnDragLeave(CWnd* pWnd);
  // Asked first on every enter and move; an answer with DROPEFFECT_SCROLL means the window
  // scrolled and stands for the move; any other answer lets OnDragEnter/OnDragOver decide.
  virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

  // The interface OLE calls (for handing to the system, and for tests that play its part).
  IDropTarget* GetDropTarget() { return &m_xDropTarget; }

 private:
  // The IDropTarget of this object; it lives as long as the object.
  class XDropTarget : public IDropTarget {
   public:
    explicit XDropTarget(COleDropTarget* owner) : m_pOwner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                        DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD grfKeyState, POINTL pt, DWORD* pdwEffect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* pDataObj, DWORD grfKeyState, POINTL pt,
                                   DWORD* pdwEffect) override;

   private:
    COleDropTarget* m_pOwner;
    LONG m_refs = 0;
  };

  // The effect of a move over the window at a screen point, limited to what the source allows.
  DROPEFFECT Track(BOOL bEnter, DWORD grfKeyState, POINTL pt, DWORD allowed);
  CPoint ToClient(POINTL pt) const;
  CWnd* Window() const;

  HWND m_hWnd;                 // the registered window
  COleDataObject m_dataObject;  // the data of the drag in progress
  XDropTarget m_xDropTarget;
};
