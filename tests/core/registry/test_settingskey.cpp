// The value rules of settings keys over the in-memory store.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "core/registry/MemorySettingsStore.h"
#include "core/registry/SettingsKey.h"

namespace {

using namespace settings;

class SettingsKeyTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(key.SetKey("Software\\Test", TRUE, kAccessAll)); }
  void Put(const char* name, DWORD type, const void* data, DWORD size) {
    store.Put(SettingsRoot::CurrentUser, "Software\\Test", name, type, data, size);
  }
  CMemorySettingsStore store;
  CSettingsKey key{store};
};

TEST_F(SettingsKeyTest, NumbersNeedTheirExactSize) {
  EXPECT_EQ(key.ReadInt("missing", 17), 17);
  BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  Put("long", kTypeBinary, eight, 8);
  Put("short", kTypeBinary, eight, 3);
  EXPECT_EQ(key.ReadInt("long", 17), 17);   // over-size
  EXPECT_EQ(key.ReadInt("short", 17), 17);  // under-size
  EXPECT_EQ(key.ReadDouble("short", 2.5), 2.5);
  // Any type of the right size is accepted (a REG_DWORD reads as an int).
  std::int32_t dword = -5;
  Put("dword", kTypeDword, &dword, 4);
  EXPECT_EQ(key.ReadInt("dword", 0), -5);
  // Text of a number's size, or a number of another type, is not a number the program wrote.
  Put("text8", kTypeString, "1234567", 8);
  Put("text4", kTypeString, "abc", 4);
  Put("text12", kTypeExpandString, "12345678901", 12);
  const std::int64_t qword = 7;
  Put("qword", 11, &qword, 8);
  EXPECT_EQ(key.ReadDouble("text8", 2.5), 2.5);
  EXPECT_EQ(key.ReadInt("text4", 17), 17);
  EXPECT_EQ(key.ReadDouble("qword", 2.5), 2.5);
  EXPECT_EQ(key.ReadDouble("dword", 2.5), 2.5);
  COleDateTime fallback(1.0);
  EXPECT_EQ(key.ReadDateTime("text12", fallback), fallback);
  BYTE buffer[4] = {9, 9, 9, 9};
  EXPECT_FALSE(key.ReadBinary("text4", buffer, 4));
  EXPECT_FALSE(key.ReadBinary("dword", buffer, 4));  // only ints may be REG_DWORDs
  EXPECT_EQ(buffer[0], 9);
}

TEST_F(SettingsKeyTest, RoundTrips) {
  EXPECT_TRUE(key.WriteInt("i", -123456));
  EXPECT_EQ(key.ReadInt("i", 0), -123456);
  const double values[] = {-0.0, DBL_MIN / 8, DBL_MAX, 0.1, -1e-300};
  for (double v : values) {
    EXPECT_TRUE(key.WriteDouble("d", v));
    double got = key.ReadDouble("d", 99.0);
    EXPECT_EQ(std::memcmp(&got, &v, sizeof v), 0) << v;
  }
  COleDateTime when(45000.75, COleDateTime::null);
  EXPECT_TRUE(key.WriteDateTime("t", when));
  DWORD type = 0;
  std::vector<BYTE> raw;
  ASSERT_EQ(
      store.QueryValue(SettingsRoot::CurrentUser, "Software\\Test", "t", kAccessRead, &type, &raw),
      kOk);
  EXPECT_EQ(type, kTypeBinary);
  EXPECT_EQ(raw.size(), 12u);  // 8-byte DATE then a 4-byte status
  EXPECT_EQ(raw[8], 2);
  EXPECT_EQ(key.ReadDateTime("t", COleDateTime()), when);
}

TEST_F(SettingsKeyTest, BadDatesReadAsTheDefault) {
  COleDateTime fallback(1.0);
  BYTE bytes[12];
  double nan = std::numeric_limits<double>::quiet_NaN();
  std::int32_t ok = 0, bad = 7;
  std::memcpy(bytes, &nan, 8);
  std::memcpy(bytes + 8, &ok, 4);
  Put("nan", kTypeBinary, bytes, 12);
  double day = 100.0;
  std::memcpy(bytes, &day, 8);
  std::memcpy(bytes + 8, &bad, 4);
  Put("status", kTypeBinary, bytes, 12);
  EXPECT_EQ(key.ReadDateTime("nan", fallback), fallback);
  EXPECT_EQ(key.ReadDateTime("status", fallback), fallback);
}

TEST_F(SettingsKeyTest, Strings) {
  std::string s254(254, 'x'), s255(255, 'y');
  Put("254", kTypeString, s254.c_str(), 255);
  Put("255", kTypeString, s255.c_str(), 256);
  EXPECT_EQ(key.ReadString("254", "d"), s254.c_str());
  EXPECT_EQ(key.ReadString("255", "d"), "d");
  Put("expand", kTypeExpandString, "%TEMP%\\x", 9);
  EXPECT_EQ(key.ReadString("expand", ""), "%TEMP%\\x");  // not expanded
  BYTE bin[4] = {'a', 'b', 0, 0};
  Put("binary", kTypeBinary, bin, 4);
  EXPECT_EQ(key.ReadString("binary", "d"), "d");
  // Stored without a terminator, or with text after a NUL: stops safely.
  Put("unterminated", kTypeString, "abc", 3);
  EXPECT_EQ(key.ReadString("unterminated", ""), "abc");
  Put("inner", kTypeString, "ab\0cd", 6);
  EXPECT_EQ(key.ReadString("inner", ""), "ab");
  EXPECT_EQ(key.ReadString("missing", "d"), "d");
  EXPECT_EQ(key.GetLastError(), kNotFound);
}

TEST_F(SettingsKeyTest, ExchangeTurnsStoredNumbersIntoFlags) {
  key.WriteInt("five", 5);
  key.WriteInt("minus", -1);
  BOOL b = FALSE;
  key.SetDirection(0);
  key.ExchangeBool("five", &b);
  EXPECT_EQ(b, 1);
  key.ExchangeBool("minus", &b);
  EXPECT_EQ(b, 0);
  b = TRUE;
  key.ExchangeBool("missing", &b);  // missing keeps the current value
  EXPECT_EQ(b, 1);
  BYTE flag = 0;
  EXPECT_TRUE(key.ExchangeFlag("five", &flag));
  EXPECT_EQ(flag, 1);
  key.SetDirection(1);
  flag = 0;
  EXPECT_TRUE(key.ExchangeFlag("five", &flag));
  EXPECT_EQ(key.ReadInt("five", 9), 0);
}

TEST(SettingsKeyKeys, WritesNeedAnExistingKeyAndFlushWhenAsked) {
  CMemorySettingsStore store;
  CSettingsKey key(store);
  EXPECT_FALSE(key.SetKey("Software\\New", FALSE, kAccessAll));
  EXPECT_EQ(key.GetLastError(), kNotFound);
  EXPECT_TRUE(key.SetKey("", FALSE, kAccessAll));  // the root itself
  EXPECT_EQ(key.GetKey(), "");

  // Writes never create a key.
  std::int32_t one = 1;
  EXPECT_NE(store.SetValue(SettingsRoot::CurrentUser, "Software\\Never", "x", kTypeBinary, &one, 4,
                           false),
            kOk);
  EXPECT_FALSE(store.KeyExists(SettingsRoot::CurrentUser, "Software\\Never"));

  EXPECT_TRUE(key.SetKey("Software\\New", TRUE, kAccessAll));
  EXPECT_EQ(store.GetFlushCount(), 0);
  key.SetNoFlush(FALSE);
  EXPECT_TRUE(key.WriteInt("a", 1));
  EXPECT_TRUE(key.SetKey("Software\\New", FALSE, kAccessAll));
  EXPECT_EQ(store.GetFlushCount(), 2);
  EXPECT_TRUE(key.DeleteValue("a"));
  EXPECT_FALSE(key.ValueExists("a"));
  EXPECT_FALSE(key.DeleteValue("a"));

  key.Reset();
  EXPECT_EQ(key.GetRoot(), SettingsRoot::CurrentUser);
  EXPECT_EQ(key.GetKey(), "");
}

TEST(SettingsKeyKeys, ProgramFolder) {
  EXPECT_EQ(ProgramFolderOf("C:\\Program Files\\Quarvex\\quarvex.exe"),
            "C:\\Program Files\\Quarvex\\");
  EXPECT_EQ(ProgramFolderOf("quarvex.exe"), "");
}

}  // namespace
