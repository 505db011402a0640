#include "framework/win/DocTemplate.h"

#include <algorithm>

#include "framework/win/WinApp.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/Document.h"
#include "framework/win/DocManager.h"
#include "framework/win/FrameWnd.h"
#include "framework/win/View.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT idResource, CRuntimeClass* docClass, CRuntimeClass* frameClass,
                           CRuntimeClass* viewClass)
    : m_nIDResource(idResource),
      m_pDocClass(docClass),
      m_pFrameClass(frameClass),
      m_pViewClass(viewClass) {}

CDocTemplate::~CDocTemplate() {
  if (m_hMenuShared) ::DestroyMenu(m_hMenuShared);
  if (m_hAccelTable) ::DestroyAcceleratorTable(m_hAccelTable);
}

void CDocTemplate::LoadTemplate() {
  if (m_strDocStrings.IsEmpty()) m_strDocStrings = AfxLoadString(m_nIDResource);
  HINSTANCE inst = AfxGetResourceHandle();
  if (!m_hMenuShared) m_hMenuShared = ::LoadMenuA(inst, MAKEINTRESOURCEA(m_nIDResource));
  if (!m_hAccelTable) m_hAccelTable = ::LoadAcceleratorsA(inst, MAKEINTRESOURCEA(m_nIDResource));
}

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const {
  text = AfxExtractLine(m_strDocStrings, static_cast<int>(index));
  return !text.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* doc) {
  doc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* doc) {
  if (doc->m_pDocTemplate == this) doc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument() {
  if (!m_pDocClass) return nullptr;
  CObject* obj = m_pDocClass->CreateObject();
  CDocument* doc =
      obj && obj->IsKindOf(RUNTIME_CLASS(CDocument)) ? static_cast<CDocument*>(obj) : nullptr;
  if (!doc) {
    delete obj;
    return nullptr;
  }
  AddDocument(doc);
  return doc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* doc, CFrameWnd* other) {
  CCreateContext context;
  context.m_pCurrentFrame = other;
  context.m_pCurrentDoc = doc;
  context.m_pNewViewClass = m_pViewClass;
  context.m_pNewDocTemplate = this;
  if (!m_pFrameClass) return nullptr;
  CObject* obj = m_pFrameClass->CreateObject();
  CFrameWnd* frame =
      obj && obj->IsKindOf(RUNTIME_CLASS(CFrameWnd)) ? static_cast<CFrameWnd*>(obj) : nullptr;
  if (!frame) {
    delete obj;
    return nullptr;
  }
  if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) {
    // A frame whose window was made deleted itself when the window went.
    if (AfxIsFrameAlive(frame)) delete frame;
    return nullptr;
  }
  return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* doc, BOOL makeVisible) {
  frame->InitialUpdateFrame(doc, makeVisible);
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCSTR path, CDocument*& match) {
  match = nullptr;
  POSITION pos = GetFirstDocPosition();
  while (pos) {
    CDocument* doc = GetNextDoc(pos);
    if (doc && AfxComparePath(doc->GetPathName(), path)) {
      match = doc;
      return yesAlreadyOpen;
    }
  }
  CString ext;
  if (GetDocString(ext, filterExt) && !ext.IsEmpty()) {
    CString p = path;
    if (p.GetLength() >= ext.GetLength() && p.Right(ext.GetLength()).CompareNoCase(ext) == 0)
      return yesAttemptNative;
  }
  return yesAttemptForeign;
}

BOOL CDocTemplate::SaveAllModified() {
  POSITION pos = GetFirstDocPosition();
  while (pos) {
    CDocument* doc = GetNextDoc(pos);
    if (doc && !doc->SaveModified()) return FALSE;
  }
  return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL) {
  for (;;) {
    POSITION pos = GetFirstDocPosition();
    CDocument* doc = pos ? GetNextDoc(pos) : nullptr;
    if (!doc) break;
    doc->OnCloseDocument();
    pos = GetFirstDocPosition();
    if (pos && GetNextDoc(pos) == doc)
      RemoveDocument(doc);  // a document that does not delete itself leaves the list
  }
}

// ---- CMultiDocTemplate ----------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT idResource, CRuntimeClass* docClass,
                                     CRuntimeClass* frameClass, CRuntimeClass* viewClass)
    : CDocTemplate(idResource, docClass, frameClass, viewClass) {
  LoadTemplate();
}

CMultiDocTemplate::~CMultiDocTemplate() {
  std::vector<CDocument*> docs = m_docList;
  for (CDocument* d : docs) {
    d->m_pDocTemplate = nullptr;
    d->m_bAutoDelete = FALSE;
  }
  m_docList.clear();
}

void CMultiDocTemplate::LoadTemplate() {
  CDocTemplate::LoadTemplate();
}

void CMultiDocTemplate::AddDocument(CDocument* doc) {
  CDocTemplate::AddDocument(doc);
  if (std::find(m_docList.begin(), m_docList.end(), doc) == m_docList.end())
    m_docList.push_back(doc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* doc) {
  CDocTemplate::RemoveDocument(doc);
  m_docList.erase(std::remove(m_docList.begin(), m_docList.end(), doc), m_docList.end());
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const {
  return AfxFirstPosition(m_docList);
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& pos) const {
  return AfxNextAt(m_docList, pos);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* doc) {
  CString title;
  if (!GetDocString(title, fileNewName) || title.IsEmpty()) title = AfxLoadString(AFX_IDS_UNTITLED);
  CString numbered;
  numbered.Format("%s%u", title.GetString(), ++m_nUntitledCount);
  doc->SetTitle(numbered);
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR path, BOOL makeVisible) {
  CDocument* doc = CreateNewDocument();
  if (!doc) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    return nullptr;
  }
  BOOL autoDelete = doc->m_bAutoDelete;
  doc->m_bAutoDelete = FALSE;  // a failed frame must not delete the document under us
  CFrameWnd* frame = CreateNewFrame(doc, nullptr);
  doc->m_bAutoDelete = autoDelete;
  if (!frame) {
    AfxMessageBox(AFX_IDP_FAILED_TO_CREATE_DOC);
    delete doc;
    return nullptr;
  }
  if (!path) {
    SetDefaultTitle(doc);
    if (!doc->OnNewDocument()) {
      frame->DestroyWindow();
      return nullptr;
    }
  } else {
    CWaitCursor wait;
    doc->SetForeignFile(FALSE);
    if (!doc->OnOpenDocument(path)) {
      frame->DestroyWindow();
      return nullptr;
    }
    if (doc->IsForeignFile()) {
      // Not our own format: an unnamed document titled after the file, so that Save
      // asks for a new name instead of writing over the other file.
      doc->ClearPathName();
      doc->SetTitle(AfxGetFileTitle(path));
      if (AfxGetApp()) AfxGetApp()->AddToRecentFileList(AfxFullPath(path));
    } else {
      doc->SetPathName(path);
    }
  }
  InitialUpdateFrame(frame, doc, makeVisible);
  return doc;
}
