#include "shell/RecentFolders.h"

#include <string>

#include "framework/win/CmdUI.h"
#include "framework/win/DocManager.h"
#include "framework/win/Menu.h"
#include "shell/RecentFoldersLogic.h"

CMruFileList::CMruFileList(UINT firstId, LPCSTR section, LPCSTR entryFormat, AcceptFn accept,
                           int size, int, UINT start)
    : CRecentFileList(start, section, entryFormat, size, 30),
      m_nFirstId(firstId),
      m_pfnAccept(accept) {}

void CMruFileList::UpdateMenu(CCmdUI* ui) {
  // An update through a pull-down item works on that pull-down for this call.
  CMenu* saved = ui->m_pMenu;
  if (ui->m_pSubMenu) ui->m_pMenu = ui->m_pSubMenu;
  CRecentFileList::UpdateMenu(ui);
  ui->m_pMenu = saved;
}

BOOL CMruFileList::GetDisplayName(CString& name, int index, LPCSTR curDir, int, BOOL) const {
  std::string shown;
  if (!recentfolders::DisplayName((*this)[index].str(), curDir ? curDir : "", m_nMaxDisplayLength,
                                  shown)) {
    name.Empty();
    return FALSE;
  }
  name = shown;
  return TRUE;
}

// ---- CMruFileManager ------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CMruFileManager, CCmdTarget)

BEGIN_MESSAGE_MAP(CMruFileManager, CCmdTarget)
ON_COMMAND_EX_RANGE(0, 0xFFFF, &CMruFileManager::OnOpenRecent)
ON_UPDATE_COMMAND_UI_RANGE(0, 0xFFFF, &CMruFileManager::OnUpdateRecent)
END_MESSAGE_MAP()

CMruFileManager::CMruFileManager(CWinApp* app) : m_pApp(app) {}

CMruFileManager::~CMruFileManager() {
  WriteLists();
  for (CMruFileList* list : m_lists) delete list;
}

void CMruFileManager::WriteLists() {
  for (CMruFileList* list : m_lists) list->WriteList();
}

CMruFileList* CMruFileManager::AddList(UINT firstId, LPCSTR section, LPCSTR entryFormat,
                                       CMruFileList::AcceptFn accept, int size, BOOL noRead,
                                       int displayLength, UINT start) {
  CMruFileList* list =
      new CMruFileList(firstId, section, entryFormat, accept, size, displayLength, start);
  if (!noRead) list->ReadList();
  m_lists.push_back(list);
  return list;
}

int CMruFileManager::AddFolderOf(LPCSTR path) {
  CString full = AfxFullPath(path);
  std::string folder = recentfolders::FolderOf(full.str());
  if (!folder.empty())
    for (CMruFileList* list : m_lists) list->Add(folder.c_str());
  return 0;
}

CMruFileList* CMruFileManager::FindList(UINT id) const {
  for (CMruFileList* list : m_lists)
    if (id >= list->m_nFirstId && id < list->m_nFirstId + static_cast<UINT>(list->GetSize()))
      return list;
  return nullptr;
}

BOOL CMruFileManager::OnOpenRecent(UINT id) {
  CMruFileList* list = FindList(id);
  if (!list) return FALSE;
  CString entry = (*list)[static_cast<int>(id - list->m_nFirstId)];
  // A stray command for an empty entry does nothing.
  if (!entry.IsEmpty() && m_pApp) m_pApp->OpenDocumentFile(entry);
  return TRUE;
}

void CMruFileManager::OnUpdateRecent(CCmdUI* ui) {
  CMruFileList* list = FindList(ui->m_nID);
  if (!list) {
    ui->ContinueRouting();
    return;
  }
  ui->Enable(list->GetSize() > 0);
  list->UpdateMenu(ui);
}
