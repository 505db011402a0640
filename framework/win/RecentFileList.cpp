#include "framework/win/RecentFileList.h"

#include "framework/win/WinApp.h"
#include "framework/win/CmdUI.h"
#include "framework/win/DocManager.h"
#include "framework/win/Menu.h"

CRecentFileList::CRecentFileList(UINT start, LPCSTR section, LPCSTR entryFormat, int size,
                                 int maxDisplayLength)
    : m_nStart(start),
      m_nMaxDisplayLength(maxDisplayLength),
      m_strSectionName(section),
      m_strEntryFormat(entryFormat),
      m_nSize(size > 0 ? size : 1) {
  m_arrNames.SetSize(m_nSize);
}

const CString& CRecentFileList::operator[](int index) const {
  static const CString empty;
  return index >= 0 && index < m_nSize ? m_arrNames[index] : empty;
}

void CRecentFileList::Add(LPCSTR path) {
  if (!path || !*path) return;
  CString full = AfxFullPath(path);
  int i = 0;
  for (; i < m_nSize - 1; ++i)
    if (AfxComparePath(m_arrNames[i], full)) break;
  for (; i > 0; --i) m_arrNames[i] = m_arrNames[i - 1];
  m_arrNames[0] = full;
}

void CRecentFileList::Remove(int index) {
  if (index < 0 || index >= m_nSize) return;
  for (int i = index; i < m_nSize - 1; ++i) m_arrNames[i] = m_arrNames[i + 1];
  m_arrNames[m_nSize - 1].Empty();
}

namespace {

// A stored entry is a path only when it is text that ends with its terminator and fits in a
// path (MAX_PATH characters with the terminator); anything else is left out.
CString ReadStoredPath(HKEY key, LPCSTR name) {
  DWORD type = 0, size = 0;
  if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ) || size == 0 || size > MAX_PATH)
    return CString();
  char text[MAX_PATH];
  DWORD got = size;
  if (::RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &got) !=
          ERROR_SUCCESS ||
      got == 0 || got > size || text[got - 1] != '\0')
    return CString();
  return CString(text);
}

}  // namespace

void CRecentFileList::ReadList() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  HKEY key = app->GetSectionKey(m_strSectionName, FALSE);
  // Gaps in the stored list close up; entries keep their order.
  int n = 0;
  for (int i = 0; i < m_nSize; ++i) {
    CString entry;
    entry.Format(m_strEntryFormat, i + 1);
    CString value = key ? ReadStoredPath(key, entry) : CString();
    m_arrNames[i].Empty();
    if (!value.IsEmpty()) m_arrNames[n++] = value;
  }
  if (key) ::RegCloseKey(key);
}

void CRecentFileList::WriteList() {
  CWinApp* app = AfxGetApp();
  if (!app) return;
  HKEY key = app->GetSectionKey(m_strSectionName, TRUE);
  if (!key) return;
  for (int i = 0; i < m_nSize; ++i) {
    CString entry;
    entry.Format(m_strEntryFormat, i + 1);
    if (m_arrNames[i].IsEmpty())
      ::RegDeleteValueA(key, entry);
    else
      ::RegSetValueExA(key, entry, 0, REG_SZ,
                       reinterpret_cast<const BYTE*>(m_arrNames[i].GetString()),
                       static_cast<DWORD>(m_arrNames[i].GetLength() + 1));
  }
  ::RegCloseKey(key);
}

BOOL CRecentFileList::GetDisplayName(CString& name, int index, LPCSTR curDir, int curDirLen,
                                     BOOL) const {
  name.Empty();
  if (index < 0 || index >= m_nSize || m_arrNames[index].IsEmpty()) return FALSE;
  const CString& entry = m_arrNames[index];
  CString title = AfxGetFileTitle(entry);
  CString folder = entry.Left(entry.GetLength() - title.GetLength());
  if (curDir && folder.GetLength() == curDirLen && folder.CompareNoCase(curDir) == 0 &&
      !title.IsEmpty())
    name = title;
  else
    name = entry;
  return TRUE;
}

void CRecentFileList::UpdateMenu(CCmdUI* ui) {
  if (m_strOriginal.IsEmpty() && ui->m_pMenu)
    ui->m_pMenu->GetMenuString(ui->m_nID, m_strOriginal, MF_BYCOMMAND);
  if (m_arrNames[0].IsEmpty()) {
    if (!m_strOriginal.IsEmpty()) ui->SetText(m_strOriginal);
    ui->Enable(FALSE);
    return;
  }
  if (!ui->m_pMenu) return;
  for (int i = 0; i < m_nSize; ++i) ui->m_pMenu->DeleteMenu(ui->m_nID + i, MF_BYCOMMAND);
  char dir[MAX_PATH + 2] = "";
  DWORD n = ::GetCurrentDirectoryA(MAX_PATH, dir);
  if (n == 0 || n >= MAX_PATH)
    dir[0] = '\0';
  else if (dir[n - 1] != '\\')
    dir[n] = '\\', dir[n + 1] = '\0';
  for (int i = 0; i < m_nSize; ++i) {
    CString name;
    if (!GetDisplayName(name, i, dir, static_cast<int>(strlen(dir)))) break;
    name.Replace("&", "&&");
    CString text;
    text.Format("&%d %s", static_cast<int>((i + 1 + m_nStart) % 10), name.GetString());
    ui->m_pMenu->InsertMenu(ui->m_nIndex++, MF_STRING | MF_BYPOSITION, ui->m_nID++, text);
  }
  ui->m_nIndex--;
  ui->m_nIndexMax = ui->m_pMenu->GetMenuItemCount();
  ui->m_bEnableChanged = TRUE;
}
