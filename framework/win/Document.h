// CDocument: the data of one open file, its views, path, title and modified flag,
// and the open/save/close commands with their prompts.
#pragma once

#include <vector>

#include "framework/base/CString.h"
#include "framework/win/CmdTarget.h"
#include "framework/win/DocPosition.h"

class CView;
class CDocTemplate;
class CFrameWnd;

class CDocument : public CCmdTarget {
  DECLARE_DYNAMIC(CDocument)
 public:
  CDocument();
  ~CDocument() override;

  const CString& GetTitle() const { return m_strTitle; }
  virtual void SetTitle(LPCSTR title);
  const CString& GetPathName() const { return m_strPathName; }
  // Sets the full path, the title from the file name, and (addToMRU) adds the path to the
  // application's recent files.
  virtual void SetPathName(LPCSTR path, BOOL addToMRU = TRUE);
  void ClearPathName() { m_strPathName.Empty(); }
  CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

  virtual BOOL IsModified() { return m_bModified; }
  virtual void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

  // A document read from a file that is not its own format opens untitled, named after
  // the file: OnOpenDocument calls SetForeignFile(TRUE), and the template then leaves the
  // path empty so that Save goes through Save As.
  void SetForeignFile(BOOL foreign) { m_bForeignFile = foreign; }
  BOOL IsForeignFile() const { return m_bForeignFile; }

  // Views.
  void AddView(CView* view);
  void RemoveView(CView* view);
  POSITION GetFirstViewPosition() const;
  CView* GetNextView(POSITION& pos) const;
  int GetViewCount() const { return static_cast<int>(m_viewList.size()); }
  void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
  // Titles of the frames: "name" or "name:n" with several frames.
  void UpdateFrameCounts();

  // Life cycle.
  virtual BOOL OnNewDocument();
  virtual BOOL OnOpenDocument(LPCSTR path);
  virtual BOOL OnSaveDocument(LPCSTR path);
  virtual void OnCloseDocument();
  virtual void DeleteContents() {}
  virtual void OnChangedViewList();

  // Asks "Save changes to <title>?" when modified; FALSE when the user cancels or the
  // save fails.
  virtual BOOL SaveModified();
  virtual BOOL CanCloseFrame(CFrameWnd* frame);
  // Saves to path, or asks for a name (Save As) when path is NULL or replace is FALSE.
  virtual BOOL DoSave(LPCSTR path, BOOL replace = TRUE);
  virtual BOOL DoFileSave();

  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override;

  BOOL m_bAutoDelete = TRUE;

 protected:
  afx_msg void OnFileClose();
  afx_msg void OnFileSave();
  afx_msg void OnFileSaveAs();

  CString m_strTitle;
  CString m_strPathName;
  CDocTemplate* m_pDocTemplate = nullptr;
  std::vector<CView*> m_viewList;
  BOOL m_bModified = FALSE;
  BOOL m_bForeignFile = FALSE;

  friend class CDocTemplate;
  friend class CMultiDocTemplate;
  DECLARE_MESSAGE_MAP()
};
