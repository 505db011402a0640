#include <gtest/gtest.h>

#include <windows.h>

#include "core/version/VersionResource.h"
#include "core/version/VersionText.h"
#include "core/version/version.h"

namespace {

struct DataModule {
  explicit DataModule(const char* name)
      : handle(LoadLibraryExA(name, NULL, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~DataModule() {
    if (handle) FreeLibrary(handle);
  }
  HMODULE handle;
};

}  // namespace

TEST(VersionResource, ProgramResourceAgreesWithTheCompiledNumbers) {
  VS_FIXEDFILEINFO info;
  ASSERT_TRUE(ReadFixedFileInfo(NULL, info));
  EXPECT_EQ(static_cast<DWORD>(MAKELONG(QUARVEX_VERSION_MINOR, QUARVEX_VERSION_MAJOR)),
            info.dwProductVersionMS);
  EXPECT_EQ(static_cast<DWORD>(MAKELONG(QUARVEX_VERSION_BUILD, QUARVEX_VERSION_RELEASE)),
            info.dwProductVersionLS);
  EXPECT_STREQ(QUARVEX_VERSION_TEXT, GetVersionText(FALSE));
  EXPECT_STREQ(GetCompiledVersionText(TRUE), GetVersionText(TRUE));
  EXPECT_STREQ(CString("Version: ") + GetCompiledVersionText(TRUE), GetVersionLine(TRUE, TRUE));
}

TEST(VersionResource, OtherModulesAndTheFallback) {
  DataModule beta(BETA_MODULE);
  ASSERT_TRUE(beta.handle != NULL);
  EXPECT_STREQ("3.100 Beta", GetVersionText(TRUE, beta.handle));
  EXPECT_STREQ("3.100", GetVersionText(FALSE, beta.handle));

  DataModule bare(BARE_MODULE);
  ASSERT_TRUE(bare.handle != NULL);
  VS_FIXEDFILEINFO info;
  EXPECT_FALSE(ReadFixedFileInfo(bare.handle, info));
  EXPECT_STREQ(QUARVEX_VERSION_TEXT, GetVersionText(FALSE, bare.handle));
}
