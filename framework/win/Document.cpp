#include "framework/win/Document.h"

#include <algorithm>
#include <cstdio>

#include "framework/win/WinApp.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/CmdUI.h"
#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FrameWnd.h"
#include "framework/win/View.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
ON_COMMAND(ID_FILE_CLOSE, &CDocument::OnFileClose)
ON_COMMAND(ID_FILE_SAVE, &CDocument::OnFileSave)
ON_COMMAND(ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs)
END_MESSAGE_MAP()

CDocument::CDocument() = default;

CDocument::~CDocument() {
  for (CView* v : m_viewList) v->m_pDocument = nullptr;
  if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

void CDocument::SetTitle(LPCSTR title) {
  m_strTitle = title;
  UpdateFrameCounts();
}

void CDocument::SetPathName(LPCSTR path, BOOL addToMRU) {
  m_strPathName = AfxFullPath(path);
  SetTitle(AfxGetFileTitle(m_strPathName));
  if (addToMRU && AfxGetApp()) AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* view) {
  if (!view || std::find(m_viewList.begin(), m_viewList.end(), view) != m_viewList.end()) return;
  m_viewList.push_back(view);
  view->m_pDocument = this;
  OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
  auto it = std::find(m_viewList.begin(), m_viewList.end(), view);
  if (it == m_viewList.end()) return;
  m_viewList.erase(it);
  view->m_pDocument = nullptr;
  OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const {
  return AfxFirstPosition(m_viewList);
}

CView* CDocument::GetNextView(POSITION& pos) const {
  return AfxNextAt(m_viewList, pos);
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
  std::vector<CView*> views = m_viewList;
  for (CView* v : views)
    if (v != sender) v->OnUpdate(sender, hint, hintObject);
}

void CDocument::OnChangedViewList() {
  if (m_viewList.empty() && m_bAutoDelete) {
    OnCloseDocument();
    return;
  }
  UpdateFrameCounts();
}

void CDocument::UpdateFrameCounts() {
  std::vector<CFrameWnd*> frames;
  for (CView* v : m_viewList) {
    if (!v->m_hWnd || !::IsWindowVisible(v->m_hWnd)) continue;
    CFrameWnd* f = v->GetParentFrame();
    if (f && std::find(frames.begin(), frames.end(), f) == frames.end()) frames.push_back(f);
  }
  for (CFrameWnd* f : frames) {
    f->DelayUpdateFrameTitle();
    f->OnUpdateFrameTitle(TRUE);
  }
}

BOOL CDocument::OnNewDocument() {
  DeleteContents();
  m_strPathName.Empty();
  m_bForeignFile = FALSE;
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR path) {
  FILE* f = std::fopen(path ? path : "", "rb");
  if (!f) {
    AfxMessageBox(AfxFormatString1(AFX_IDP_FAILED_TO_OPEN_DOC, path), MB_ICONEXCLAMATION);
    return FALSE;
  }
  std::fclose(f);
  DeleteContents();
  SetModifiedFlag(FALSE);
  return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR path) {
  (void)path;
  SetModifiedFlag(FALSE);
  return TRUE;
}

void CDocument::OnCloseDocument() {
  BOOL autoDelete = m_bAutoDelete;
  m_bAutoDelete = FALSE;  // the views going away must not delete us twice
  std::vector<CFrameWnd*> frames;
  while (!m_viewList.empty()) {
    CView* v = m_viewList.front();
    CFrameWnd* f = v->GetParentFrame();
    size_t before = m_viewList.size();
    if (f && f->m_hWnd)
      f->DestroyWindow();
    else if (v->m_hWnd)
      v->DestroyWindow();
    if (m_viewList.size() == before) RemoveView(v);  // a view without a window
  }
  m_bAutoDelete = autoDelete;
  DeleteContents();
  if (m_bAutoDelete) delete this;
}

BOOL CDocument::SaveModified() {
  if (!IsModified()) return TRUE;
  CString name = m_strPathName.IsEmpty() ? m_strTitle : AfxGetFileTitle(m_strPathName);
  if (name.IsEmpty()) name = AfxLoadString(AFX_IDS_UNTITLED);
  CString prompt = AfxFormatString1(AFX_IDP_ASK_TO_SAVE, name);
  switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
      return FALSE;
    case IDYES:
      return DoFileSave();
    default:
      return TRUE;
  }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* frame) {
  // Another frame still shows this document: closing this one loses nothing.
  for (CView* v : m_viewList) {
    CFrameWnd* f = v->GetParentFrame();
    if (f && f != frame) return TRUE;
  }
  return SaveModified();
}

BOOL CDocument::DoFileSave() {
  DWORD attrs =
      m_strPathName.IsEmpty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesA(m_strPathName);
  if (m_strPathName.IsEmpty() ||
      (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_READONLY)))
    return DoSave(nullptr);
  return DoSave(m_strPathName);
}

BOOL CDocument::DoSave(LPCSTR path, BOOL replace) {
  CString newName = path ? path : "";
  if (newName.IsEmpty()) {
    newName = m_strPathName;
    if (replace && newName.IsEmpty()) {
      newName = m_strTitle;
      int bad = newName.FindOneOf("/\\:*?\"<>|");
      if (bad >= 0) newName = newName.Left(bad);
      // Proposed with the document type's extension, also for a file of another type.
      CString ext;
      if (m_pDocTemplate && m_pDocTemplate->GetDocString(ext, CDocTemplate::filterExt) &&
          !ext.IsEmpty()) {
        int dot = newName.ReverseFind('.');
        if (dot > 0 && newName.Mid(dot).CompareNoCase(ext) != 0) newName = newName.Left(dot);
        if (newName.Right(ext.GetLength()).CompareNoCase(ext) != 0) newName += ext;
      }
    }
    CWinApp* app = AfxGetApp();
    if (!app || !app->DoPromptFileName(newName, AFX_IDS_SAVEFILE,
                                       OFN_HIDEREADONLY | OFN_PATHMUSTEXIST, FALSE, m_pDocTemplate))
      return FALSE;
  }
  if (!OnSaveDocument(newName)) return FALSE;
  m_bForeignFile = FALSE;
  if (replace) SetPathName(newName);
  return TRUE;
}

BOOL CDocument::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) {
  if (AfxCmdHandled(CCmdTarget::OnCmdMsg(id, code, extra, info), code, extra)) return TRUE;
  return m_pDocTemplate && AfxRouteCmdMsg(m_pDocTemplate, id, code, extra, info);
}

void CDocument::OnFileClose() {
  if (!SaveModified()) return;
  OnCloseDocument();
}

void CDocument::OnFileSave() {
  DoFileSave();
}
void CDocument::OnFileSaveAs() {
  DoSave(nullptr);
}
