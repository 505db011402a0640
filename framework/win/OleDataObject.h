// COleDataObject: the receiving side of OLE data transfer (the clipboard, a drop). It wraps
// an IDataObject and hands out its data as global memory blocks.
#pragma once

#include <windows.h>

#include <ole2.h>

#include "framework/base/CString.h"

// Effects of a drag and drop (DROPEFFECT_NONE, _COPY, _MOVE, _LINK, _SCROLL).
typedef DWORD DROPEFFECT;

class COleDataObject {
 public:
  COleDataObject();
  ~COleDataObject();
  COleDataObject(const COleDataObject&) = delete;
  COleDataObject& operator=(const COleDataObject&) = delete;

  // Wraps a data object; with bAutoRelease the wrapper keeps a reference of its own (AddRef now,
  // Release when it lets go). Any earlier object is let go first.
  void Attach(IDataObject* lpDataObject, BOOL bAutoRelease = TRUE);
  IDataObject* Detach();
  void Release();
  // Wraps what the clipboard holds now; FALSE when it cannot be had.
  BOOL AttachClipboard();
  IDataObject* GetIDataObject() const { return m_lpDataObject; }

  // Whether the data is offered in this format as global memory.
  BOOL IsDataAvailable(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);
  // A global memory block the caller owns (GlobalFree), or NULL. The block may be larger than
  // its content, and text in it need not end with a NUL: read it with AfxGetGlobalText.
  HGLOBAL GetGlobalData(CLIPFORMAT cfFormat, LPFORMATETC lpFormatEtc = NULL);

 private:
  IDataObject* m_lpDataObject;
  BOOL m_bAutoRelease;
};

// The text in a global block up to its first NUL, never reading past GlobalSize (data from
// other programs may lack the NUL). Empty for a NULL or unreadable block.
CString AfxGetGlobalText(HGLOBAL hGlobal);
