#include "shell/DocManagerEx.h"

#include <algorithm>
#include <cstring>

#include "framework/win/FrameworkIds.h"
#include "framework/win/DocTemplate.h"
#include "framework/win/TestSeams.h"
#include "shell/DocManagerFilter.h"

IMPLEMENT_DYNAMIC(CFileDialogEx, CFileDialog)
IMPLEMENT_DYNAMIC(CDocManagerEx, CDocManager)

CFileDialogEx::CFileDialogEx(BOOL open, LPCSTR defExt, LPCSTR fileName, DWORD flags, LPCSTR filter,
                             CWnd* parent)
    : CFileDialog(open, defExt, nullptr, flags, filter, parent) {
  SetFileName(fileName);
}

void CFileDialogEx::SetFileName(LPCSTR name) {
  size_t len = name ? std::strlen(name) : 0;
  // Room for long paths, and always for the whole proposed name.
  m_buffer.assign(std::max<size_t>(32768, len + 1), '\0');
  if (len) std::memcpy(m_buffer.data(), name, len);
  m_ofn.lpstrFile = m_buffer.data();
  m_ofn.nMaxFile = static_cast<DWORD>(m_buffer.size());
}

void CFileDialogEx::SetFilterText(const std::string& text, int filterIndex, LPCSTR defExt) {
  m_filterText = text;
  m_filterText.push_back('\0');  // the list ends with an empty entry
  m_ofn.lpstrFilter = m_filterText.c_str();
  m_ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
  m_strDefExtEx = defExt ? defExt : "";
  m_ofn.lpstrDefExt = m_strDefExtEx.IsEmpty() ? nullptr : m_strDefExtEx.GetString();
}

CString CFileDialogEx::GetPathName() const {
  return CString(m_buffer.data());
}

INT_PTR CFileDialogEx::DoModal() {
  m_ofn.lStructSize = sizeof(OPENFILENAMEA);
  m_ofn.lpstrFile = m_buffer.data();
  m_ofn.nMaxFile = static_cast<DWORD>(m_buffer.size());
  CWnd* main = AfxGetMainWnd();
  m_ofn.hwndOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : (main ? main->m_hWnd : nullptr);
  HWND owner = m_ofn.hwndOwner;
  HWND focus = ::GetFocus();
  BOOL reenable = owner && ::IsWindowEnabled(owner);
  if (reenable) ::EnableWindow(owner, FALSE);
  m_dwError = 0;
  BOOL ok = AfxRunFileDialog(&m_ofn, m_bOpenFileDialog);
  if (!ok) m_dwError = ::CommDlgExtendedError();
  if (reenable) ::EnableWindow(owner, TRUE);
  if (focus && ::IsWindow(focus)) ::SetFocus(focus);
  if (ok) return IDOK;
  if (m_dwError == 0) return IDCANCEL;
  CString code;
  code.Format("0x%04lX", static_cast<unsigned long>(m_dwError));
  AfxMessageBox(AfxFormatString1(AFX_IDP_FILE_DIALOG_FAILED, code), MB_ICONEXCLAMATION);
  return -1;
}

void CDocManagerEx::AddFilter(LPCSTR description, LPCSTR pattern) {
  m_arrFilterNames.Add(description);
  m_arrFilterPatterns.Add(pattern);
}

CFileDialogEx* CDocManagerEx::CreateFileDialog(BOOL open) {
  return new CFileDialogEx(open, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, nullptr,
                           nullptr);
}

BOOL CDocManagerEx::DoPromptFileName(CString& fileName, UINT idsTitle, DWORD flags, BOOL open,
                                     CDocTemplate* docTemplate) {
  CFileDialogEx* dlg = CreateFileDialog(open);
  if (!dlg) return FALSE;
  CString title = AfxLoadString(idsTitle);
  dlg->m_ofn.Flags |= flags;
  dlg->m_ofn.lpstrTitle = title;

  std::vector<docfilter::TemplateFilter> templates;
  int selected = -1;
  for (POSITION pos = GetFirstDocTemplatePosition(); pos;) {
    CDocTemplate* t = GetNextDocTemplate(pos);
    CString name, ext;
    t->GetDocString(name, CDocTemplate::filterName);
    t->GetDocString(ext, CDocTemplate::filterExt);
    if (t == docTemplate) selected = static_cast<int>(templates.size());
    templates.push_back({name.str(), ext.str()});
  }
  if (docTemplate && selected < 0) {
    CString name, ext;
    docTemplate->GetDocString(name, CDocTemplate::filterName);
    docTemplate->GetDocString(ext, CDocTemplate::filterExt);
    selected = static_cast<int>(templates.size());
    templates.push_back({name.str(), ext.str()});
  }
  std::vector<std::pair<std::string, std::string>> extras;
  for (int i = 0; i < m_arrFilterNames.GetSize() && i < m_arrFilterPatterns.GetSize(); ++i)
    extras.emplace_back(m_arrFilterNames[i].str(), m_arrFilterPatterns[i].str());
  docfilter::Filter filter =
      docfilter::Build(templates, selected, extras, open, AfxLoadString(AFX_IDS_ALLFILTER).str());
  dlg->SetFilterText(filter.text, filter.filterIndex, filter.defExt.c_str());
  dlg->SetFileName(fileName);

  // The folder of a folder command serves this one dialog only.
  CString folder = m_strInitialFolder;
  m_strInitialFolder.Empty();
  if (!folder.IsEmpty()) dlg->m_ofn.lpstrInitialDir = folder;

  INT_PTR result = dlg->DoModal();
  if (result == IDOK) fileName = dlg->GetPathName();
  delete dlg;
  return result == IDOK;
}
