#include <gtest/gtest.h>

#include <filesystem>

#include "core/io/SafeSave.h"
#include "io_test_files.h"

namespace {

SafeSaveStep g_failingStep;

bool FailAtStep(SafeSaveStep step) {
  return step == g_failingStep;
}

struct HookReset {
  ~HookReset() { SetSafeSaveFaultHook(nullptr); }
};

}  // namespace

TEST(SafeSave, WritesAndReplaces) {
  const std::string folder = MakeScratchFolder("safesave-ok");
  const std::string path = folder + "/project.kel";
  CString error;
  ASSERT_TRUE(SaveFileSafely(path.c_str(), "first\r\n", error));
  EXPECT_TRUE(error.IsEmpty());
  EXPECT_EQ("first\r\n", ReadWholeFile(path));
  ASSERT_TRUE(SaveFileSafely(path.c_str(), "second", error));
  EXPECT_EQ("second", ReadWholeFile(path));
  EXPECT_FALSE(FileExists(SafeSaveTemporaryPath(path.c_str()).GetString()));
  // Large contents are written whole.
  const std::string big(3u << 20, 'z');
  ASSERT_TRUE(SaveFileSafely(path.c_str(), big, error));
  EXPECT_EQ(big.size(), ReadWholeFile(path).size());
}

TEST(SafeSave, AnyFailedStepKeepsTheOldFile) {
  HookReset reset;
  const std::string folder = MakeScratchFolder("safesave-fail");
  const std::string path = folder + "/project.kel";
  ASSERT_TRUE(WriteWholeFile(path, "old contents"));
  SetSafeSaveFaultHook(FailAtStep);
  const SafeSaveStep steps[] = {SafeSaveStep::CreateTemporary, SafeSaveStep::Write,
                                SafeSaveStep::Close, SafeSaveStep::Replace};
  const char* messages[] = {kSaveOpenFailedText, kSaveWriteFailedText, kSaveWriteFailedText,
                            kSaveReplaceFailedText};
  for (int i = 0; i < 4; ++i) {
    g_failingStep = steps[i];
    CString error;
    EXPECT_FALSE(SaveFileSafely(path.c_str(), "new contents", error)) << i;
    EXPECT_STREQ(messages[i], error.GetString()) << i;
    EXPECT_EQ("old contents", ReadWholeFile(path)) << i;
    EXPECT_FALSE(FileExists(SafeSaveTemporaryPath(path.c_str()).GetString())) << i;
  }
}

TEST(SafeSave, AFailedNewFileIsNotCalledUnchanged) {
  HookReset reset;
  const std::string folder = MakeScratchFolder("safesave-new");
  const std::string path = folder + "/new.kel";
  SetSafeSaveFaultHook(FailAtStep);
  const SafeSaveStep steps[] = {SafeSaveStep::Write, SafeSaveStep::Close, SafeSaveStep::Replace};
  const char* messages[] = {"Could not write the file; the disk may be full.",
                            "Could not write the file; the disk may be full.",
                            "Could not replace the file; it may be read-only or in use."};
  for (int i = 0; i < 3; ++i) {
    g_failingStep = steps[i];
    CString error;
    EXPECT_FALSE(SaveFileSafely(path.c_str(), "new contents", error)) << i;
    EXPECT_STREQ(messages[i], error.GetString()) << i;
    EXPECT_FALSE(FileExists(path)) << i;
    EXPECT_FALSE(FileExists(SafeSaveTemporaryPath(path.c_str()).GetString())) << i;
  }
  // A folder of that name is no previous file either.
  std::filesystem::create_directories(folder + "/folder.kel");
  g_failingStep = SafeSaveStep::Write;
  CString error;
  EXPECT_FALSE(SaveFileSafely((folder + "/folder.kel").c_str(), "x", error));
  EXPECT_STREQ(messages[0], error.GetString());
}

TEST(SafeSave, RealFailuresAreReported) {
  const std::string folder = MakeScratchFolder("safesave-real");
  CString error;
  // A missing folder.
  EXPECT_FALSE(SaveFileSafely((folder + "/missing/project.kel").c_str(), "x", error));
  EXPECT_STREQ(kSaveOpenFailedText, error.GetString());
  EXPECT_FALSE(SaveFileSafely("", "x", error));

  // A read-only file stays as it is.
  const std::string readOnly = folder + "/readonly.kel";
  ASSERT_TRUE(WriteWholeFile(readOnly, "keep me"));
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
  EXPECT_FALSE(SaveFileSafely(readOnly.c_str(), "x", error));
  EXPECT_FALSE(error.IsEmpty());
  EXPECT_EQ("keep me", ReadWholeFile(readOnly));
  std::filesystem::permissions(readOnly, std::filesystem::perms::owner_all);

  // A folder in the target's place is never replaced.
  const std::string asFolder = folder + "/folder.kel";
  std::filesystem::create_directories(asFolder + "/inside");
  EXPECT_FALSE(SaveFileSafely(asFolder.c_str(), "x", error));
  EXPECT_FALSE(error.IsEmpty());
  EXPECT_TRUE(FileExists(asFolder + "/inside"));
  EXPECT_FALSE(FileExists(SafeSaveTemporaryPath(asFolder.c_str()).GetString()));
}
