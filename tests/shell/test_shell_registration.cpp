// Registration of the document type with the shell, under a scratch classes root: a first
// registration writes exactly the five values, a second one removes and writes the same, stale
// print, printto and ShellNew keys go, and the removal walks up only through emptied keys.
#include <gtest/gtest.h>

#include <string>

#include "framework/win/DocManager.h"
#include "framework/win/DocTemplate.h"
#include "shell/ShellRegApp.h"
#include "tests/support/ProgramHarness.h"

using qxtest::CScratchRegistry;

namespace {

// A template whose document strings the test chooses.
class CStringsTemplate : public CMultiDocTemplate {
 public:
  CStringsTemplate(const char* title, const char* typeId, const char* typeName)
      : CMultiDocTemplate(143, nullptr, nullptr, nullptr), m_title(title), m_id(typeId),
        m_name(typeName) {}
  BOOL GetDocString(CString& text, DocStringIndex index) const override {
    switch (index) {
      case windowTitle:
        text = m_title;
        return TRUE;
      case regFileTypeId:
        text = m_id;
        return TRUE;
      case regFileTypeName:
        text = m_name;
        return TRUE;
      default:
        text.Empty();
        return FALSE;
    }
  }

 private:
  CString m_title, m_id, m_name;
};

class CTestRegApp : public CShellRegApp {
 public:
  CTestRegApp(HKEY classes, CDocTemplate* docTemplate) {
    m_hClassesRoot = classes;
    m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(docTemplate);
  }

 protected:
  CString GetShellProgramPath() override { return "C:\\Program Files\\Quarvex\\quarvex.exe"; }
};

class ShellRegistration : public ::testing::Test {
 protected:
  CScratchRegistry registry{"shell_registration"};
  HKEY root() { return registry.ClassesRoot(); }
  std::string Value(const char* key) {
    char text[512] = "";
    LONG size = sizeof text;
    return ::RegQueryValueA(root(), key, text, &size) == ERROR_SUCCESS ? text : "<none>";
  }
  bool Exists(const char* key) {
    HKEY h = nullptr;
    if (::RegOpenKeyA(root(), key, &h) != ERROR_SUCCESS) return false;
    ::RegCloseKey(h);
    return true;
  }
  void Make(const char* key) {
    HKEY h = nullptr;
    ::RegCreateKeyA(root(), key, &h);
    ::RegCloseKey(h);
  }
  int SubKeys(const char* key) {
    HKEY h = nullptr;
    if (::RegOpenKeyA(root(), key, &h) != ERROR_SUCCESS) return -1;
    DWORD n = 0;
    ::RegQueryInfoKeyA(h, nullptr, nullptr, nullptr, &n, nullptr, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr);
    ::RegCloseKey(h);
    return static_cast<int>(n);
  }
};

}  // namespace

TEST_F(ShellRegistration, WritesTheTypeWithItsIconDdeOpenAndQuotedCommand) {
  for (int round = 0; round < 2; ++round) {  // the second registration gives the same keys
    CTestRegApp app(root(), new CStringsTemplate("", "Quarvex.Document", "Quarvex Document"));
    app.RegisterShellFileTypes(TRUE, ".kel");
    EXPECT_EQ(Value("Quarvex.Document"), "Quarvex Document");
    EXPECT_EQ(Value("Quarvex.Document\\DefaultIcon"), "C:\\Program Files\\Quarvex\\quarvex.exe,0");
    EXPECT_EQ(Value("Quarvex.Document\\shell\\open\\ddeexec"), "[open(\"%1\")]");
    EXPECT_EQ(Value("Quarvex.Document\\shell\\open\\command"),
              "\"C:\\Program Files\\Quarvex\\quarvex.exe\" /dde");
    EXPECT_EQ(Value(".kel"), "Quarvex.Document");
    EXPECT_EQ(SubKeys("Quarvex.Document"), 2) << round;  // DefaultIcon and shell
    EXPECT_EQ(SubKeys("Quarvex.Document\\shell"), 1) << round;
  }
}

TEST_F(ShellRegistration, StaleKeysGoAndAnotherTypesExtensionIsTakenOver) {
  Make("Quarvex.Document\\shell\\print\\command");
  Make("Quarvex.Document\\shell\\printto\\ddeexec");
  Make(".kel\\ShellNew");
  ::RegSetValueA(root(), ".kel", REG_SZ, "Other.Type", 10);
  CTestRegApp app(root(), new CStringsTemplate("", "Quarvex.Document", "Quarvex Document"));
  app.RegisterShellFileTypes(TRUE, ".kel");
  EXPECT_FALSE(Exists("Quarvex.Document\\shell\\print"));
  EXPECT_FALSE(Exists("Quarvex.Document\\shell\\printto"));
  EXPECT_FALSE(Exists(".kel\\ShellNew"));
  EXPECT_EQ(Value(".kel"), "Quarvex.Document");
}

TEST_F(ShellRegistration, RemovalWalksUpOnlyThroughEmptiedKeys) {
  CTestRegApp app(root(), new CStringsTemplate("", "X", "X"));
  Make("A\\B\\C");
  Make("A\\Sibling");
  app.DeleteKeyTree("A\\B\\C");
  EXPECT_FALSE(Exists("A\\B"));   // emptied by the removal: gone too
  EXPECT_TRUE(Exists("A"));       // still holds Sibling
  ::RegSetValueA(root(), "V", REG_SZ, "value", 5);
  app.DeleteKeyTree("V");         // values do not count
  EXPECT_FALSE(Exists("V"));
  app.DeleteKeyTree("Missing\\Key");  // nothing there: nothing happens
  Make("Top\\Inner");
  app.DeleteKeyTree("Top");  // still has a sub-key: stays
  EXPECT_TRUE(Exists("Top\\Inner"));
}

TEST_F(ShellRegistration, OtherTemplatesWriteTheirOwnFormOrNothing) {
  {
    CTestRegApp app(root(), new CStringsTemplate("", "", "Name"));
    app.RegisterShellFileTypes(TRUE, ".abc");
    EXPECT_EQ(Value(".abc"), "<none>");  // no type id: nothing written
  }
  {
    CTestRegApp app(root(), new CStringsTemplate("Single", "Single.Document", ""));
    app.RegisterShellFileTypes(TRUE, ".sgl");
    EXPECT_EQ(Value("Single.Document"), "Single.Document");  // no name: the id
    EXPECT_EQ(Value("Single.Document\\shell\\open\\command"),
              "\"C:\\Program Files\\Quarvex\\quarvex.exe\" \"%1\"");
    EXPECT_FALSE(Exists("Single.Document\\shell\\open\\ddeexec"));
  }
}
