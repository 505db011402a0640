// CDocTemplate / CMultiDocTemplate: which document, frame and view classes make up a
// document type, its strings, shared menu and accelerators, and the open documents.
#pragma once

#include <vector>

#include "framework/base/CString.h"
#include "framework/win/CmdTarget.h"
#include "framework/win/DocPosition.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
  DECLARE_DYNAMIC(CDocTemplate)
 public:
  enum DocStringIndex {
    windowTitle,
    docName,
    fileNewName,
    filterName,
    filterExt,
    regFileTypeId,
    regFileTypeName
  };
  enum Confidence {
    noAttempt,
    maybeAttemptForeign,
    maybeAttemptNative,
    yesAttemptForeign,
    yesAttemptNative,
    yesAlreadyOpen
  };

  CDocTemplate(UINT idResource, CRuntimeClass* docClass, CRuntimeClass* frameClass,
               CRuntimeClass* viewClass);
  ~CDocTemplate() override;

  // Loads the document strings, the shared menu and the accelerators of the resource id.
  virtual void LoadTemplate();
  virtual BOOL GetDocString(CString& text, DocStringIndex index) const;

  virtual void AddDocument(CDocument* doc);
  virtual void RemoveDocument(CDocument* doc);
  virtual POSITION GetFirstDocPosition() const = 0;
  virtual CDocument* GetNextDoc(POSITION& pos) const = 0;

  virtual CDocument* CreateNewDocument();
  virtual CFrameWnd* CreateNewFrame(CDocument* doc, CFrameWnd* other);
  virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible = TRUE);
  virtual void SetDefaultTitle(CDocument* doc) = 0;
  // NULL path: a new document.
  virtual CDocument* OpenDocumentFile(LPCSTR path, BOOL makeVisible = TRUE) = 0;
  virtual Confidence MatchDocType(LPCSTR path, CDocument*& match);
  virtual BOOL SaveAllModified();
  virtual void CloseAllDocuments(BOOL endSession);

  UINT GetResourceId() const { return m_nIDResource; }

  HMENU m_hMenuShared = nullptr;  // replaceable: owner-drawn menus install their own
  HACCEL m_hAccelTable = nullptr;

 protected:
  UINT m_nIDResource;
  CRuntimeClass* m_pDocClass;
  CRuntimeClass* m_pFrameClass;
  CRuntimeClass* m_pViewClass;
  CString m_strDocStrings;
};

class CMultiDocTemplate : public CDocTemplate {
  DECLARE_DYNAMIC(CMultiDocTemplate)
 public:
  CMultiDocTemplate(UINT idResource, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                    CRuntimeClass* viewClass);
  ~CMultiDocTemplate() override;

  void LoadTemplate() override;
  void AddDocument(CDocument* doc) override;
  void RemoveDocument(CDocument* doc) override;
  POSITION GetFirstDocPosition() const override;
  CDocument* GetNextDoc(POSITION& pos) const override;
  void SetDefaultTitle(CDocument* doc) override;
  CDocument* OpenDocumentFile(LPCSTR path, BOOL makeVisible = TRUE) override;
  int GetDocumentCount() const { return static_cast<int>(m_docList.size()); }

 protected:
  std::vector<CDocument*> m_docList;
  UINT m_nUntitledCount = 0;
};
