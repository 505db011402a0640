// Recent folders without a window: the lists, the profile and the menu update.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework/win/FrameworkIds.h"
#include "framework/win/CmdUI.h"
#include "framework/win/Menu.h"
#include "shell/RecentFolders.h"

namespace {

const char kKey[] = "Software\\Quarvex Tests FW2";

class CFolderApp : public CWinApp {
 public:
  CFolderApp() : CWinApp("Recent Folders Test") { SetRegistryKey("Quarvex Tests FW2"); }
  std::vector<std::string> opened;
  CMruFileManager* manager = nullptr;
  CDocument* OpenDocumentFile(LPCSTR path) override {
    opened.push_back(path);
    return nullptr;
  }
  // The folder commands go to the manager first.
  BOOL OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* info) override {
    if (manager && (id == 32901 || (id >= 32910 && id <= 32917)) &&
        AfxRouteCmdMsg(manager, id, code, extra, info))
      return TRUE;
    return CWinApp::OnCmdMsg(id, code, extra, info);
  }
  void OnExampleFolder() {}
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CFolderApp, CWinApp)
ON_COMMAND(32901, &CFolderApp::OnExampleFolder)
END_MESSAGE_MAP()

BOOL AcceptAll(LPCSTR) {
  return TRUE;
}

class RecentFolders : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
    app = new CFolderApp;
    manager = new CMruFileManager(app);
    app->manager = manager;
    list = manager->AddList(32910, "Recent Folders", "Folder%d", AcceptAll, 6);
  }
  void TearDown() override {
    app->manager = nullptr;
    delete manager;
    delete app;
    ::RegDeleteTreeA(HKEY_CURRENT_USER, kKey);
  }
  CFolderApp* app = nullptr;
  CMruFileManager* manager = nullptr;
  CMruFileList* list = nullptr;
};

std::string ItemText(HMENU menu, int pos) {
  char text[512] = "";
  ::GetMenuStringA(menu, pos, text, sizeof text, MF_BYPOSITION);
  return text;
}

}  // namespace

TEST_F(RecentFolders, FoldersAreKeptOnceMostRecentFirst) {
  manager->AddFolderOf("C:\\Data\\a.kel");
  manager->AddFolderOf("C:\\Data\\b.kel");
  EXPECT_EQ((*list)[0], CString("C:\\Data\\"));
  EXPECT_TRUE((*list)[1].IsEmpty());
  manager->AddFolderOf("D:\\Other\\c.kel");
  manager->AddFolderOf("c:\\data\\d.kel");  // case-insensitive: moves to the front
  EXPECT_EQ((*list)[0], CString("c:\\data\\"));
  EXPECT_EQ((*list)[1], CString("D:\\Other\\"));
  EXPECT_TRUE((*list)[2].IsEmpty());
  for (int i = 1; i <= 7; ++i) {
    CString path;
    path.Format("E:\\F%d\\x.kel", i);
    manager->AddFolderOf(path);
  }
  EXPECT_EQ((*list)[0], CString("E:\\F7\\"));
  EXPECT_EQ((*list)[5], CString("E:\\F2\\"));  // the oldest ones dropped

  // A relative path is made absolute against the current folder.
  char cur[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, cur);
  manager->AddFolderOf("rel.kel");
  EXPECT_EQ((*list)[0], CString(cur) + (cur[strlen(cur) - 1] == '\\' ? "" : "\\"));

  EXPECT_EQ(manager->FindList(32910), list);
  EXPECT_EQ(manager->FindList(32915), list);
  EXPECT_EQ(manager->FindList(32916), nullptr);
  EXPECT_EQ(manager->FindList(32917), nullptr);
  EXPECT_EQ(manager->FindList(32909), nullptr);
}

TEST_F(RecentFolders, ProfileRoundTripClosesGaps) {
  HKEY key = app->GetSectionKey("Recent Folders", TRUE);
  ASSERT_NE(key, nullptr);
  const char a[] = "C:\\One\\", b[] = "C:\\Three\\";
  ::RegSetValueExA(key, "Folder1", 0, REG_SZ, reinterpret_cast<const BYTE*>(a), sizeof a);
  ::RegSetValueExA(key, "Folder3", 0, REG_SZ, reinterpret_cast<const BYTE*>(b), sizeof b);
  ::RegCloseKey(key);
  list->ReadList();
  EXPECT_EQ((*list)[0], CString("C:\\One\\"));
  EXPECT_EQ((*list)[1], CString("C:\\Three\\"));
  EXPECT_TRUE((*list)[2].IsEmpty());
  manager->AddFolderOf("C:\\Two\\x.kel");
  manager->WriteLists();
  CMruFileList* again = manager->AddList(32920, "Recent Folders", "Folder%d", AcceptAll, 6);
  EXPECT_EQ((*again)[0], CString("C:\\Two\\"));
  EXPECT_EQ((*again)[2], CString("C:\\Three\\"));
  EXPECT_EQ(app->GetProfileString("Recent Folders", "Folder4", "none"), CString("none"));
}

TEST_F(RecentFolders, EntriesThatAreNoPathsAreLeftOutAndNotWrittenBack) {
  // Over-long, unterminated or not text: none of them can be a path the program stored.
  const std::string huge = "C:\\" + std::string(70000, 'h') + "\\";
  // Stored without their terminators: the byte after them is not a NUL either (the system
  // adds the terminator itself when it is).
  const std::string over = "C:\\" + std::string(299, 'o') + "\\!";  // 303 characters
  const std::string longest = "C:\\" + std::string(MAX_PATH - 5, 'k') + "\\";  // 259
  const char good[] = "C:\\Good\\", bare[] = "C:\\Bare\\!";
  const DWORD number = 7;
  for (const char* section : {"Recent Folders", "Recent File List"}) {
    const bool folders = std::strcmp(section, "Recent Folders") == 0;
    auto name = [folders](int i) { return (folders ? "Folder" : "File") + std::to_string(i); };
    HKEY key = app->GetSectionKey(section, TRUE);
    ASSERT_NE(key, nullptr);
    auto put = [key](const std::string& value, DWORD type, const void* data, size_t size) {
      ::RegSetValueExA(key, value.c_str(), 0, type, static_cast<const BYTE*>(data),
                       static_cast<DWORD>(size));
    };
    put(name(1), REG_SZ, huge.c_str(), huge.size() + 1);
    put(name(2), REG_SZ, good, sizeof good);
    put(name(3), REG_SZ, over.c_str(), over.size() - 1);
    put(name(4), REG_SZ, bare, sizeof bare - 2);  // short, but no terminator
    put(name(5), REG_BINARY, good, sizeof good);
    put(name(6), REG_DWORD, &number, sizeof number);
    ::RegCloseKey(key);
    CRecentFileList* read = list;
    if (folders) {
      list->ReadList();
    } else {
      app->LoadStdProfileSettings(6);
      read = app->m_pRecentFileList;
    }
    EXPECT_EQ((*read)[0], CString(good)) << section;
    EXPECT_TRUE((*read)[1].IsEmpty()) << section;
    read->WriteList();
    EXPECT_EQ(app->GetProfileString(section, name(1).c_str(), "none"), CString(good)) << section;
    for (int i = 2; i <= 6; ++i)
      EXPECT_EQ(app->GetProfileString(section, name(i).c_str(), "none"), CString("none"))
          << section << i;
    // The longest path there can be is kept.
    key = app->GetSectionKey(section, TRUE);
    put(name(2), REG_SZ, longest.c_str(), longest.size() + 1);
    ::RegCloseKey(key);
    read->ReadList();
    EXPECT_EQ((*read)[1], CString(longest.c_str())) << section;
  }
}

TEST_F(RecentFolders, MenuUpdateReplacesItemsAndKeepsTheRestInStep) {
  CMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_STRING, 32901, "Example Folder");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, 32910, "(None)");
  popup.AppendMenu(MF_SEPARATOR);
  popup.AppendMenu(MF_STRING, ID_FILE_MRU_FILE1, "Recent File");
  app->LoadStdProfileSettings(4);

  AfxUpdateMenuItems(&popup, app, TRUE);
  EXPECT_EQ(popup.GetMenuItemCount(), 5);
  EXPECT_NE(popup.GetMenuState(32910, MF_BYCOMMAND) & MF_GRAYED, 0u);  // empty list
  EXPECT_EQ(popup.GetMenuState(32901, MF_BYCOMMAND) & MF_GRAYED, 0u);
  EXPECT_NE(popup.GetMenuState(ID_FILE_MRU_FILE1, MF_BYCOMMAND) & MF_GRAYED, 0u);

  char cur[MAX_PATH];
  ::GetCurrentDirectoryA(MAX_PATH, cur);
  std::string here = std::string(cur) + (cur[strlen(cur) - 1] == '\\' ? "" : "\\");
  manager->AddFolderOf("C:\\R&D\\a.kel");
  manager->AddFolderOf("C:\\B\\a.kel");
  manager->AddFolderOf((here + "x.kel").c_str());  // the current folder itself
  app->AddToRecentFileList("C:\\B\\a.kel");
  for (int round = 0; round < 2; ++round) {  // a second update replaces, never duplicates
    AfxUpdateMenuItems(&popup, app, TRUE);
    ASSERT_EQ(popup.GetMenuItemCount(), 7);
    EXPECT_EQ(ItemText(popup, 2), "&1 " + here);  // never an empty name
    EXPECT_EQ(ItemText(popup, 3), "&2 C:\\B\\");
    EXPECT_EQ(ItemText(popup, 4), "&3 C:\\R&&D\\");
    EXPECT_EQ(popup.GetMenuItemID(2), 32910u);
    EXPECT_EQ(popup.GetMenuItemID(4), 32912u);
    EXPECT_EQ(popup.GetMenuState(32912, MF_BYCOMMAND) & MF_GRAYED, 0u);
    // The items after the list were still updated: the recent file shows.
    EXPECT_EQ(ItemText(popup, 6), "&1 C:\\B\\a.kel");
    EXPECT_EQ(popup.GetMenuItemID(6), static_cast<UINT>(ID_FILE_MRU_FILE1));
  }
}

TEST_F(RecentFolders, ChoosingAFolderOpensItAndEmptyEntriesAreIgnored) {
  for (const char* p : {"C:\\A\\x", "C:\\B\\x", "C:\\C\\x", "C:\\D\\x"}) manager->AddFolderOf(p);
  EXPECT_TRUE(app->DoCommand(32913));  // the fourth folder
  ASSERT_EQ(app->opened.size(), 1u);
  EXPECT_EQ(app->opened[0], "C:\\A\\");
  EXPECT_TRUE(app->DoCommand(32915));  // no sixth entry: nothing opens
  EXPECT_EQ(app->opened.size(), 1u);
  EXPECT_FALSE(manager->OnOpenRecent(32930));  // not a list's id: routing goes on
}
