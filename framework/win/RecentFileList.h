// CRecentFileList: the most-recently-used file list kept in the profile and shown in
// a menu.
#pragma once

#include "framework/base/Arrays.h"
#include "framework/base/CString.h"

class CCmdUI;

class CRecentFileList {
 public:
  // start: number of the first entry; section and entryFormat ("File%d") name the
  // profile values; size: entries kept; maxDisplayLength: display length (-1 = full).
  CRecentFileList(UINT start, LPCSTR section, LPCSTR entryFormat, int size,
                  int maxDisplayLength = 30);
  virtual ~CRecentFileList() = default;

  int GetSize() const { return m_nSize; }
  const CString& operator[](int index) const;
  // Adds a full path at the front; an existing entry (case-insensitive) moves there.
  virtual void Add(LPCSTR path);
  virtual void Remove(int index);
  // An entry that is no path (not text, without its terminator or longer than MAX_PATH) is
  // left out, so it is not written back either.
  virtual void ReadList();
  virtual void WriteList();
  virtual void UpdateMenu(CCmdUI* ui);
  virtual BOOL GetDisplayName(CString& name, int index, LPCSTR curDir, int curDirLen,
                              BOOL atLeastName = TRUE) const;

  CString m_strOriginal;  // the placeholder text of the first item
  UINT m_nStart;
  int m_nMaxDisplayLength;
  CString m_strSectionName;
  CString m_strEntryFormat;

 protected:
  int m_nSize;
  CStringArray m_arrNames;
};
