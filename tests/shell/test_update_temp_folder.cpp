// The updater's temporary folder: emptied at start-up without ever leaving it.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "shell/UpdateTempFolder.h"
#include "shell/WebUpdateChecker.h"

namespace {

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
  DWORD written = 0;
  ::WriteFile(h, "x", 1, &written, NULL);
  CloseHandle(h);
}

// A scratch folder that stands in for the system's temporary folder (TMP) during a test.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    m_scratch = std::string(base) + "qx-update-temp-" + std::to_string(GetCurrentProcessId());
    m_outside = m_scratch + "-outside";
    CreateDirectoryA(m_scratch.c_str(), NULL);
    CreateDirectoryA(m_outside.c_str(), NULL);
    GetEnvironmentVariableA("TMP", m_savedTmp, sizeof(m_savedTmp));
    GetEnvironmentVariableA("TEMP", m_savedTemp, sizeof(m_savedTemp));
    SetEnvironmentVariableA("TMP", m_scratch.c_str());
    m_update = m_scratch + "\\TalvenorUpdateTemp";
  }
  void TearDown() override {
    SetEnvironmentVariableA("TMP", m_savedTmp);
    SetEnvironmentVariableA("TEMP", m_savedTemp);
    RemoveTree(m_scratch);
    RemoveTree(m_outside);
  }
  static void RemoveTree(const std::string& folder) {
    EmptyFolder(folder.c_str());
    RemoveDirectoryA(folder.c_str());
  }

  std::string m_scratch, m_outside, m_update;
  char m_savedTmp[MAX_PATH] = "";
  char m_savedTemp[MAX_PATH] = "";
};

TEST_F(TempFolderTest, EverythingInsideGoesButTheFolderItself) {
  EXPECT_EQ(std::string(GetUpdateTempFolder()), m_update);
  CreateDirectoryA(m_update.c_str(), NULL);
  CreateDirectoryA((m_update + "\\a").c_str(), NULL);
  CreateDirectoryA((m_update + "\\a\\b").c_str(), NULL);
  MakeFile(m_update + "\\top.exe");
  MakeFile(m_update + "\\a\\b\\deep.txt");
  MakeFile(m_update + "\\locked.txt");
  SetFileAttributesA((m_update + "\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  CWebUpdateChecker().ClearTempFolder();
  EXPECT_TRUE(Exists(m_update));
  EXPECT_FALSE(Exists(m_update + "\\top.exe"));
  EXPECT_FALSE(Exists(m_update + "\\a"));
  // A file that cannot be deleted stays; the rest went all the same.
  EXPECT_TRUE(Exists(m_update + "\\locked.txt"));
  SetFileAttributesA((m_update + "\\locked.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(TempFolderTest, ALinkToAnotherFolderIsRemovedButNotFollowed) {
  CreateDirectoryA(m_update.c_str(), NULL);
  MakeFile(m_outside + "\\precious.txt");
  const std::string link = m_update + "\\link";
  if (!CreateSymbolicLinkA(link.c_str(), m_outside.c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
    GTEST_SKIP() << "this system makes no folder links (error " << GetLastError() << ")";
  ASSERT_TRUE(GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
  CWebUpdateChecker().ClearTempFolder();
  EXPECT_TRUE(Exists(m_outside + "\\precious.txt"));
  EXPECT_FALSE(Exists(link));
}

TEST_F(TempFolderTest, NoTemporaryFolderOrARootOneEmptiesNothing) {
  SetEnvironmentVariableA("TMP", "C:\\");
  SetEnvironmentVariableA("TEMP", "C:\\");
  EXPECT_STREQ(GetUpdateTempFolder(), "");
  SetEnvironmentVariableA("TMP", m_scratch.c_str());
  EXPECT_STREQ(GetUpdateTempFolder(), m_update.c_str());
  EmptyFolder("");  // nothing to do, and no relative path taken
}

}  // namespace
