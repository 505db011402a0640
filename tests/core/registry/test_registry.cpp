// CRegistryKey against the real registry, in a test key the test removes.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "core/registry/RegistryKey.h"

namespace {

class RegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path = "Software\\QuarvexTests\\registry-" + std::to_string(GetCurrentProcessId());
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
  }
  void TearDown() override {
    RegDeleteTreeA(HKEY_CURRENT_USER, m_path.c_str());
    HKEY parent;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &parent) == ERROR_SUCCESS) {
      RegDeleteKeyA(parent, "QuarvexTests");
      RegCloseKey(parent);
    }
  }
  void PutRaw(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY k;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, m_path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL,
                              &k, NULL),
              ERROR_SUCCESS);
    RegSetValueExA(k, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(k);
  }
  std::string m_path;
};

TEST_F(RegistryTest, WritesReadsAndRules) {
  CRegistryKey key;
  EXPECT_FALSE(key.SetRootKey(HKEY_CURRENT_CONFIG));
  EXPECT_TRUE(key.SetRootKey(HKEY_CURRENT_USER));
  EXPECT_FALSE(key.SetKey(m_path.c_str(), FALSE, KEY_ALL_ACCESS));
  EXPECT_TRUE(key.SetKey(m_path.c_str(), TRUE, KEY_ALL_ACCESS));
  EXPECT_TRUE(key.WriteInt("int", 42));
  EXPECT_TRUE(key.WriteDouble("double", -0.0));
  EXPECT_TRUE(key.WriteDateTime("date", COleDateTime(44000.5)));
  EXPECT_EQ(key.ReadInt("int", 0), 42);
  EXPECT_TRUE(std::signbit(key.ReadDouble("double", 1.0)));
  EXPECT_EQ(key.ReadDateTime("date", COleDateTime()), COleDateTime(44000.5));
  EXPECT_EQ(key.GetValueType("int"), (DWORD)REG_BINARY);
  EXPECT_EQ(key.ReadInt("double", 7), 7);  // 8 bytes are not an int
  // A number stored as text of the number's size reads as the default.
  PutRaw("text", REG_SZ, "1234567", 8);
  EXPECT_EQ(key.ReadDouble("text", 0.5), 0.5);
  PutRaw("dword", REG_DWORD, "\x05\0\0\0", 4);
  EXPECT_EQ(key.ReadInt("dword", 0), 5);

  PutRaw("expand", REG_EXPAND_SZ, "%WINDIR%\\x", 11);
  EXPECT_EQ(key.ReadString("expand", ""), "%WINDIR%\\x");
  std::string longText(300, 'z');
  PutRaw("long", REG_SZ, longText.c_str(), 301);
  EXPECT_EQ(key.ReadString("long", "short"), "short");
  EXPECT_EQ(key.ReadString("int", "notastring"), "notastring");
  EXPECT_TRUE(key.DeleteValue("int"));
  EXPECT_FALSE(key.ValueExists("int"));
}

TEST_F(RegistryTest, FontsRoundTripAndFaceNamesAreTerminated) {
  CRegistryKey key;
  ASSERT_TRUE(key.SetKey(m_path.c_str(), TRUE, KEY_ALL_ACCESS));
  LOGFONTA lf = {};
  lf.lfHeight = -13;
  lf.lfWeight = FW_BOLD;
  lstrcpyA(lf.lfFaceName, "Arial");
  CFont font;
  ASSERT_TRUE(font.CreateFontIndirect(&lf));
  EXPECT_TRUE(key.WriteFont("font", &font));
  CFont back;
  ASSERT_TRUE(key.ReadFont("font", back));
  LOGFONTA got;
  ASSERT_TRUE(back.GetLogFont(&got));
  EXPECT_EQ(got.lfHeight, -13);
  EXPECT_EQ(got.lfWeight, FW_BOLD);
  EXPECT_STREQ(got.lfFaceName, "Arial");

  // A face name filling all 32 bytes still makes a font, cut to 31 characters.
  LOGFONTA full = lf;
  memset(full.lfFaceName, 'A', sizeof(full.lfFaceName));
  PutRaw("full", REG_BINARY, &full, sizeof(full));
  CFont cut;
  EXPECT_TRUE(key.ReadFont("full", cut));
  PutRaw("small", REG_BINARY, &full, 40);
  CFont unchanged;
  EXPECT_FALSE(key.ReadFont("small", unchanged));
  EXPECT_EQ(unchanged.m_hObject, (HGDIOBJ)NULL);
}

TEST(ProgramFolderTest, EndsWithABackslash) {
  CString folder = GetProgramFolder();
  ASSERT_FALSE(folder.IsEmpty());
  EXPECT_EQ(folder[folder.GetLength() - 1], '\\');
  char module[MAX_PATH];
  GetModuleFileNameA(NULL, module, MAX_PATH);
  EXPECT_EQ(CString(module).Left(folder.GetLength()), folder);
}

}  // namespace
