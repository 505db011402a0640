// COleDataSource: the offering side of OLE data transfer. It caches data as global memory
// blocks and offers them through an IDataObject to the clipboard or to a drag and drop.
#pragma once

#include <windows.h>

#include <ole2.h>

#include "framework/win/OleDataObject.h"

class COleDataSource {
 public:
  COleDataSource();
  virtual ~COleDataSource();
  COleDataSource(const COleDataSource&) = delete;
  COleDataSource& operator=(const COleDataSource&) = delete;

  // Offers hGlobal in the format; the data source owns the block from now on (a block given
  // again for the same format replaces the old one).
  void CacheGlobalData(CLIPFORMAT cfFormat, HGLOBAL hGlobal, LPFORMATETC lpFormatEtc = NULL);
  // Forgets every cached block.
  void Empty();
  // Puts the data on the clipboard and renders it there at once, so it stays after this object
  // and the program are gone. The caller still owns (and deletes) this object.
  BOOL SetClipboard();
  // Runs a drag and drop of the data until the drop or cancel; returns the effect the target
  // chose (DROPEFFECT_NONE when cancelled or refused). The drag ends when the mouse button that
  // started it is released, or is cancelled with Esc.
  DROPEFFECT DoDragDrop(DWORD dwEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
  // The data object (no reference added); for handing the data on.
  IDataObject* GetDataObject() const;

 private:
  class CDataObjectImpl;
  CDataObjectImpl* m_pImpl;  // reference-counted: OLE may hold it longer than this object
};
