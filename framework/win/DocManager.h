// CDocManager: the document templates of the application, File New and File Open,
// the file dialog for open and save, and closing every document.
#pragma once

#include <vector>

#include "framework/base/CString.h"
#include "framework/win/CmdTarget.h"
#include "framework/win/DocPosition.h"

class CDocTemplate;
class CDocument;

class CDocManager : public CCmdTarget {
  DECLARE_DYNAMIC(CDocManager)
 public:
  CDocManager();
  ~CDocManager() override;  // deletes the templates

  virtual void AddDocTemplate(CDocTemplate* docTemplate);
  POSITION GetFirstDocTemplatePosition() const;
  CDocTemplate* GetNextDocTemplate(POSITION& pos) const;
  int GetDocTemplateCount() const { return static_cast<int>(m_templateList.size()); }

  // Shows the Open or Save As dialog; TRUE with the chosen name in fileName on OK.
  virtual BOOL DoPromptFileName(CString& fileName, UINT idsTitle, DWORD flags, BOOL open,
                                CDocTemplate* docTemplate);
  virtual void OnFileNew();
  virtual void OnFileOpen();
  // Opens the document of path (made a full path); a document already open is activated.
  // With one template, that template takes any file.
  virtual CDocument* OpenDocumentFile(LPCSTR path);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL endSession);
  virtual int GetOpenDocumentCount() const;
  // "[open("path")]" commands of the shell; TRUE when understood.
  virtual BOOL OnDDECommand(LPCSTR command);

 protected:
  std::vector<CDocTemplate*> m_templateList;
};

// The full path of a file name (relative names against the current folder).
CString AfxFullPath(LPCSTR path);
// The file name part of a path.
CString AfxGetFileTitle(LPCSTR path);
// Paths compared without regard to case.
BOOL AfxComparePath(LPCSTR a, LPCSTR b);
