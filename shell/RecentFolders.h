// Recent folders: lists of the folders of opened and saved documents, shown in the
// File > Recent Folders menu and the File Open drop-down; choosing one opens the Open
// dialog there.
#pragma once

#include <vector>

#include "framework/win/WinApp.h"
#include "framework/win/RecentFileList.h"
#include "framework/win/CmdTarget.h"

class CMruFileList : public CRecentFileList {
 public:
  typedef BOOL (*AcceptFn)(LPCSTR path);
  CMruFileList(UINT firstId, LPCSTR section, LPCSTR entryFormat, AcceptFn accept, int size,
               int maxDisplayLength = 30, UINT start = 0);

  void UpdateMenu(CCmdUI* ui) override;
  virtual BOOL IsAcceptable(LPCSTR path) const { return m_pfnAccept && m_pfnAccept(path); }
  // A folder entry always shows its path; a file of the current folder its name.
  BOOL GetDisplayName(CString& name, int index, LPCSTR curDir, int curDirLen,
                      BOOL atLeastName = TRUE) const override;

  UINT m_nFirstId;
  AcceptFn m_pfnAccept;
};

class CMruFileManager : public CCmdTarget {
  DECLARE_DYNAMIC(CMruFileManager)
 public:
  explicit CMruFileManager(CWinApp* app);
  ~CMruFileManager() override;  // writes and deletes the lists

  CMruFileList* AddList(UINT firstId, LPCSTR section, LPCSTR entryFormat,
                        CMruFileList::AcceptFn accept, int size, BOOL noRead = FALSE,
                        int displayLength = 30, UINT start = 0);
  // Adds the folder of path (with its trailing backslash) to every list.
  int AddFolderOf(LPCSTR path);
  CMruFileList* FindList(UINT id) const;
  void WriteLists();

  afx_msg BOOL OnOpenRecent(UINT id);
  afx_msg void OnUpdateRecent(CCmdUI* ui);

 protected:
  std::vector<CMruFileList*> m_lists;
  CWinApp* m_pApp;
  DECLARE_MESSAGE_MAP()
};
