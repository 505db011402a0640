#include "framework/win/DocManager.h"

#include <algorithm>
#include <vector>

#include "framework/win/WinApp.h"
#include "framework/win/FrameworkIds.h"
#include "framework/win/CommonDialogs.h"
#include "framework/win/Document.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/FrameWnd.h"
#include "framework/win/View.h"

IMPLEMENT_DYNAMIC(CDocManager, CCmdTarget)

CString AfxFullPath(LPCSTR path) {
  if (!path || !*path) return CString();
  DWORD n = ::GetFullPathNameA(path, 0, nullptr, nullptr);
  if (n == 0) return CString(path);
  std::vector<char> buf(n + 1, '\0');
  n = ::GetFullPathNameA(path, static_cast<DWORD>(buf.size()), buf.data(), nullptr);
  return n ? CString(buf.data(), static_cast<int>(n)) : CString(path);
}

CString AfxGetFileTitle(LPCSTR path) {
  CString p = path ? path : "";
  int slash = std::max(p.ReverseFind('\\'), p.ReverseFind('/'));
  int colon = p.ReverseFind(':');
  return p.Mid(std::max(slash, colon) + 1);
}

BOOL AfxComparePath(LPCSTR a, LPCSTR b) {
  if (!a || !b) return FALSE;
  return ::lstrcmpiA(a, b) == 0;
}

CDocManager::CDocManager() = default;

CDocManager::~CDocManager() {
  for (CDocTemplate* t : m_templateList) delete t;
}

void CDocManager::AddDocTemplate(CDocTemplate* docTemplate) {
  if (!docTemplate) return;
  docTemplate->LoadTemplate();
  m_templateList.push_back(docTemplate);
}

POSITION CDocManager::GetFirstDocTemplatePosition() const {
  return AfxFirstPosition(m_templateList);
}

CDocTemplate* CDocManager::GetNextDocTemplate(POSITION& pos) const {
  return AfxNextAt(m_templateList, pos);
}

static void AppendFilter(CString& filter, CDocTemplate* t, CString* defExt) {
  CString name, ext;
  if (!t->GetDocString(name, CDocTemplate::filterName) ||
      !t->GetDocString(ext, CDocTemplate::filterExt))
    return;
  if (defExt && defExt->IsEmpty()) *defExt = ext.Left(1) == "." ? ext.Mid(1) : ext;
  filter += name + "|*" + ext + "|";
}

BOOL CDocManager::DoPromptFileName(CString& fileName, UINT idsTitle, DWORD flags, BOOL open,
                                   CDocTemplate* docTemplate) {
  CString filter, defExt;
  if (docTemplate) {
    AppendFilter(filter, docTemplate, &defExt);
  } else {
    for (CDocTemplate* t : m_templateList) AppendFilter(filter, t, &defExt);
  }
  filter += AfxLoadString(AFX_IDS_ALLFILTER) + "|*.*||";
  CFileDialog dlg(open, defExt.IsEmpty() ? nullptr : defExt.GetString(), fileName,
                  flags | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, filter, nullptr);
  CString title = AfxLoadString(idsTitle);
  dlg.m_ofn.lpstrTitle = title;
  if (dlg.DoModal() != IDOK) return FALSE;
  fileName = dlg.GetPathName();
  return TRUE;
}

void CDocManager::OnFileNew() {
  if (m_templateList.empty()) return;
  m_templateList.front()->OpenDocumentFile(nullptr);
}

void CDocManager::OnFileOpen() {
  CString name;
  if (!DoPromptFileName(name, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE,
                        nullptr))
    return;
  if (AfxGetApp())
    AfxGetApp()->OpenDocumentFile(name);
  else
    OpenDocumentFile(name);
}

CDocument* CDocManager::OpenDocumentFile(LPCSTR path) {
  if (!path || !*path || m_templateList.empty()) return nullptr;
  CString full = AfxFullPath(path);
  CDocTemplate* best = nullptr;
  CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
  CDocument* open = nullptr;
  for (CDocTemplate* t : m_templateList) {
    CDocument* match = nullptr;
    CDocTemplate::Confidence c = t->MatchDocType(full, match);
    if (c > bestMatch) {
      bestMatch = c;
      best = t;
      open = match;
    }
    if (c == CDocTemplate::yesAlreadyOpen) break;
  }
  if (open) {
    // Already open: bring its first view's frame forward.
    POSITION pos = open->GetFirstViewPosition();
    if (CView* v = pos ? open->GetNextView(pos) : nullptr) {
      if (CFrameWnd* f = v->GetParentFrame()) f->ActivateFrame();
    }
    return open;
  }
  if (!best) best = m_templateList.front();
  return best->OpenDocumentFile(full);
}

BOOL CDocManager::SaveAllModified() {
  for (CDocTemplate* t : m_templateList)
    if (!t->SaveAllModified()) return FALSE;
  return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL endSession) {
  for (CDocTemplate* t : m_templateList) t->CloseAllDocuments(endSession);
}

int CDocManager::GetOpenDocumentCount() const {
  int n = 0;
  for (CDocTemplate* t : m_templateList) {
    POSITION pos = t->GetFirstDocPosition();
    while (pos && t->GetNextDoc(pos)) ++n;
  }
  return n;
}

BOOL CDocManager::OnDDECommand(LPCSTR command) {
  CString cmd = command ? command : "";
  cmd.Trim();
  if (cmd.Left(6).CompareNoCase("[open(") != 0) return FALSE;
  int q1 = cmd.Find('"');
  int q2 = q1 >= 0 ? cmd.Find('"', q1 + 1) : -1;
  if (q1 < 0 || q2 < 0) return FALSE;
  CString path = cmd.Mid(q1 + 1, q2 - q1 - 1);
  if (AfxGetApp())
    AfxGetApp()->OpenDocumentFile(path);
  else
    OpenDocumentFile(path);
  return TRUE;
}
