// Page set-up rules: keeping margins inside the printable area, the first clamp, the built-in
// and user auto-formats, names, units, the auto-formats in the registry and turning a printer
// by merging its DEVMODE with the driver.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "shell/MarginAutoFormats.h"
#include "shell/PageSetupPrinter.h"
#include "tests/shell/page_setup_fakes.h"

namespace {

using pagetest::CFakeFormats;
using pagetest::CFakePrinter;

// A letter page without printer offsets' worries: 8.5 x 11, offsets 0.25 / 0.2.
PageSetupRecord Letter() {
  PageSetupRecord r;
  r.paperWidth = 8.5;
  r.paperHeight = 11.0;
  r.minMarginLeftRight = 0.25;
  r.minMarginTopBottom = 0.2;
  r.left = r.top = r.right = r.bottom = 1.0;
  r.autoFormat = 3;
  return r;
}

class PageSetupLogicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CPageSetupLogic::ResetFirstClamp();
    // The first clamp of the process initialises; these tests clamp from the second on.
    PageSetupRecord scratch = Letter();
    logic.ClampMargins(scratch);
    printer.turns.clear();
  }
  CFakePrinter printer;
  CFakeFormats formats;
  CPageSetupLogic logic{printer, formats};
};

TEST_F(PageSetupLogicTest, MarginsStayInsideThePrintableArea) {
  PageSetupRecord r = Letter();
  logic.ClampMargins(r);
  EXPECT_EQ(r.autoFormat, 3);  // nothing moved: the auto-format stays
  EXPECT_TRUE(printer.turns.empty());

  r.left = 0.0;
  logic.ClampMargins(r);
  EXPECT_EQ(r.left, 0.25);
  EXPECT_EQ(r.autoFormat, -1);

  r = Letter();
  r.top = 6;
  r.bottom = 6;
  logic.ClampMargins(r);
  EXPECT_EQ(r.bottom, 0.2);
  EXPECT_EQ(r.top, 6.0);

  r = Letter();
  r.top = 100;
  logic.ClampMargins(r);
  EXPECT_EQ(r.top, 0.2);
  EXPECT_EQ(r.bottom, 0.2);
  EXPECT_EQ(r.autoFormat, -1);

  r = Letter();
  r.left = 5;
  r.right = 5;
  logic.ClampMargins(r);
  EXPECT_EQ(r.right, 0.25);
  EXPECT_EQ(r.left, 5.0);
  r.left = 50;
  logic.ClampMargins(r);
  EXPECT_EQ(r.left, 0.25);

  // A value that is no number at all (a damaged setting) goes to the offset too.
  r = Letter();
  r.bottom = NAN;
  r.right = -INFINITY;
  logic.ClampMargins(r);
  EXPECT_EQ(r.bottom, 0.2);
  EXPECT_EQ(r.right, 0.25);
}

TEST(PageSetupFirstClampTest, FirstClampOfTheProcessSetsTheRecordUpFromThePrinter) {
  CPageSetupLogic::ResetFirstClamp();
  CFakePrinter printer;
  printer.landscape = false;  // the printer starts in portrait
  CFakeFormats formats;
  CPageSetupLogic logic(printer, formats);
  PageSetupRecord r;  // the defaults: auto-format 0, "Landscape - Default"
  r.top = 3;
  logic.ClampMargins(r);
  EXPECT_EQ(printer.turns, std::vector<bool>{true});  // turned to landscape
  EXPECT_EQ(r.paperWidth, 11.69);
  EXPECT_EQ(r.left, 1.0);
  EXPECT_EQ(r.top, 0.5);
  EXPECT_EQ(r.autoFormat, 0);
  // From the second call on it only clamps.
  r.top = 0;
  logic.ClampMargins(r);
  EXPECT_EQ(r.top, 0.25);
  EXPECT_EQ(printer.turns.size(), 1u);
}

TEST_F(PageSetupLogicTest, EveryBuiltInAutoFormat) {
  for (int i = 0; i < PAGE_SETUP_BUILT_IN_FORMATS; ++i) {
    const BuiltInAutoFormat& f = kBuiltInAutoFormats[i];
    PageSetupRecord r = Letter();
    logic.ApplyAutoFormat(r, i);
    SCOPED_TRACE(f.name);
    EXPECT_EQ(printer.landscape, !f.portrait);
    EXPECT_EQ(r.portrait, f.portrait);
    // The paper as the printer has it in that orientation.
    EXPECT_EQ(r.paperWidth, f.portrait ? 8.27 : 11.69);
    double minSide = r.minMarginLeftRight, minEdge = r.minMarginTopBottom;
    EXPECT_EQ(r.left, f.left < 0 ? minSide : f.left);
    EXPECT_EQ(r.top, f.top < 0 ? minEdge : f.top);
    EXPECT_EQ(r.right, f.right < 0 ? minSide : f.right);
    EXPECT_EQ(r.bottom, f.bottom < 0 ? minEdge : f.bottom);
    EXPECT_EQ(r.autoFormat, i);
  }
  EXPECT_STREQ(kBuiltInAutoFormats[5].name, "Portrait - Full Page");
  EXPECT_STREQ(kBuiltInAutoFormats[3].name, "Portrait - Logotip at the Top");
}

TEST_F(PageSetupLogicTest, UserAutoFormatsFollowTheBuiltInOnesAndAreFoundByName) {
  MarginAutoFormat wide;
  wide.portrait = 1;
  wide.top = 2;
  wide.bottom = 1.5;
  wide.left = 0.5;
  wide.right = 0.75;
  formats.Write("Wide", wide);
  formats.Write("Other", MarginAutoFormat());
  std::vector<CString> names = logic.AutoFormatNames();
  ASSERT_EQ(names.size(), 9u);
  EXPECT_STREQ(names[7], "Wide");
  EXPECT_STREQ(names[8], "Other");

  PageSetupRecord r = Letter();
  logic.ApplyAutoFormat(r, 7);  // by its place now
  EXPECT_EQ(r.top, 2.0);
  EXPECT_EQ(r.right, 0.75);
  EXPECT_TRUE(r.portrait);
  EXPECT_FALSE(printer.landscape);
  EXPECT_EQ(r.autoFormat, 7);

  // Another program removed "Wide": the stored index no longer names it.
  formats.Remove("Wide");
  r = Letter();
  logic.ApplyAutoFormat(r, 8);
  EXPECT_EQ(r.autoFormat, -1);
  EXPECT_EQ(r.top, 1.0);  // the margins as they were
  logic.ApplyAutoFormat(r, 7, "Wide");
  EXPECT_EQ(r.autoFormat, -1);
}

TEST_F(PageSetupLogicTest, NamesOfNewAutoFormats) {
  EXPECT_TRUE(logic.CheckNewName("My margins").IsEmpty());
  EXPECT_FALSE(logic.CheckNewName("A").IsEmpty());
  EXPECT_FALSE(logic.CheckNewName("").IsEmpty());
  EXPECT_FALSE(logic.CheckNewName("left\\right").IsEmpty());
  EXPECT_FALSE(logic.CheckNewName("landscape - default").IsEmpty());
}

TEST(PageSetupUnitsTest, CentimetresAreForShowingOnly) {
  PageSetupRecord r = Letter();
  r.inches = 0;
  PageSetupRecord shown = DisplayLengths(r);
  EXPECT_DOUBLE_EQ(shown.left, 2.54);
  EXPECT_DOUBLE_EQ(shown.paperHeight, 27.94);
  EXPECT_DOUBLE_EQ(shown.minMarginTopBottom, 0.508);
  EXPECT_EQ(r.left, 1.0);  // the record keeps inches
  EXPECT_NEAR(MarginFromDisplay(r, 2.54), 1.0, 1e-12);
  r.inches = 1;
  EXPECT_EQ(DisplayLengths(r).left, 1.0);
  EXPECT_EQ(MarginFromDisplay(r, 2.54), 2.54);
}

// ---- the registry ----------------------------------------------------------------------------

// HKEY_CURRENT_USER redirected to a scratch key for one test.
class ScratchUser {
 public:
  ScratchUser() {
    ::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\QuarvexTests\\PageSetup", 0, NULL, 0,
                      KEY_ALL_ACCESS, NULL, &m_key, NULL);
    m_ok = m_key && ::RegOverridePredefKey(HKEY_CURRENT_USER, m_key) == ERROR_SUCCESS;
  }
  ~ScratchUser() {
    ::RegOverridePredefKey(HKEY_CURRENT_USER, NULL);
    if (m_key) ::RegCloseKey(m_key);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\QuarvexTests\\PageSetup");
  }
  bool ok() const { return m_ok; }

 private:
  HKEY m_key = NULL;
  bool m_ok = false;
};

TEST(MarginAutoFormatsTest, SaveListReadAndDelete) {
  ScratchUser user;
  ASSERT_TRUE(user.ok());
  CRegistryMarginAutoFormats store;
  EXPECT_TRUE(store.Names().empty());
  MarginAutoFormat f;
  f.portrait = 0;
  f.top = 0.5;
  f.bottom = 0.6;
  f.left = 0.7;
  f.right = 0.8;
  ASSERT_TRUE(store.Write("Report margins", f));
  ASSERT_TRUE(store.Write("Binder", MarginAutoFormat()));
  std::vector<CString> names = store.Names();
  ASSERT_EQ(names.size(), 2u);
  MarginAutoFormat back;
  ASSERT_TRUE(store.Read("Report margins", &back));
  EXPECT_EQ(back.portrait, 0);
  EXPECT_EQ(back.top, 0.5);
  EXPECT_EQ(back.right, 0.8);
  // The values as stored: 4-byte "portrait", 8-byte doubles.
  HKEY key;
  ASSERT_EQ(::RegOpenKeyExA(HKEY_CURRENT_USER,
                            "Software\\Talvenor\\SharedSettings\\MarginsAutoFormats\\Report margins",
                            0, KEY_ALL_ACCESS, &key),
            ERROR_SUCCESS);
  DWORD type = 0, size = 0;
  ::RegQueryValueExA(key, "portrait", NULL, &type, NULL, &size);
  EXPECT_EQ(size, 4u);
  ::RegQueryValueExA(key, "left", NULL, &type, NULL, &size);
  EXPECT_EQ(size, 8u);
  // Damaged values keep what the caller had; a missing "portrait" reads as portrait.
  double nan = NAN, negative = -3;
  ::RegSetValueExA(key, "top", 0, REG_BINARY, (const BYTE*)&nan, 8);
  ::RegSetValueExA(key, "left", 0, REG_BINARY, (const BYTE*)&negative, 8);
  ::RegDeleteValueA(key, "portrait");
  // Text of a double's size is no margin either.
  ::RegSetValueExA(key, "right", 0, REG_SZ, (const BYTE*)"1234567", 8);
  ::RegCloseKey(key);
  MarginAutoFormat current;
  current.portrait = 1;
  current.top = 1.25;
  current.left = 1.5;
  current.right = 0.75;
  ASSERT_TRUE(store.Read("Report margins", &current));
  EXPECT_EQ(current.top, 1.25);
  EXPECT_EQ(current.left, 1.5);
  EXPECT_EQ(current.bottom, 0.6);
  EXPECT_EQ(current.right, 0.75);
  EXPECT_EQ(current.portrait, 1);

  EXPECT_FALSE(store.Read("Nothing", &current));
  EXPECT_TRUE(store.Remove("Binder"));
  EXPECT_FALSE(store.Remove("Binder"));
  EXPECT_EQ(store.Names().size(), 1u);
}

// ---- turning the printer ---------------------------------------------------------------------

// A driver whose DEVMODE is larger than the program's, with private bytes after the public part.
struct FakeDriver {
  static constexpr int kExtra = 64;
  std::vector<BYTE> seen;  // the input of the merge
  bool orientation = true;
  bool refuse = false;

  LONG operator()(DEVMODEA* out, const DEVMODEA* in, DWORD mode) {
    LONG size = (LONG)sizeof(DEVMODEA) + kExtra;
    if (mode == 0) return size;
    if (in) seen.assign((const BYTE*)in, (const BYTE*)in + in->dmSize + in->dmDriverExtra);
    if (refuse && in) return -1;
    memset(out, 0, size);
    out->dmSize = sizeof(DEVMODEA);
    out->dmDriverExtra = kExtra;
    out->dmFields = orientation ? DM_ORIENTATION : 0;
    out->dmOrientation = in ? in->dmOrientation : DMORIENT_PORTRAIT;
    memset(reinterpret_cast<BYTE*>(out) + sizeof(DEVMODEA), 0x5A, kExtra);
    return IDOK;
  }
};

TEST(MergeOrientationTest, WholeDevmodeInDriverSizeOut) {
  // The program's DEVMODE: the public part and 16 private bytes of its own.
  std::vector<BYTE> app(sizeof(DEVMODEA) + 16, 0);
  DEVMODEA* mode = reinterpret_cast<DEVMODEA*>(app.data());
  mode->dmSize = sizeof(DEVMODEA);
  mode->dmDriverExtra = 16;
  mode->dmFields = DM_ORIENTATION | DM_PAPERSIZE;
  mode->dmOrientation = DMORIENT_PORTRAIT;
  mode->dmPaperSize = DMPAPER_A4;
  memset(app.data() + sizeof(DEVMODEA), 0x77, 16);
  FakeDriver driver;
  std::vector<BYTE> merged;
  ASSERT_TRUE(MergeOrientation(mode, true, std::ref(driver), &merged));
  // The driver saw everything the program had, turned.
  ASSERT_EQ(driver.seen.size(), app.size());
  const DEVMODEA* in = reinterpret_cast<const DEVMODEA*>(driver.seen.data());
  EXPECT_EQ(in->dmOrientation, DMORIENT_LANDSCAPE);
  EXPECT_EQ(in->dmPaperSize, DMPAPER_A4);
  EXPECT_EQ(driver.seen.back(), 0x77);
  // What comes back has the driver's sizes, and all of it.
  const DEVMODEA* out = reinterpret_cast<const DEVMODEA*>(merged.data());
  EXPECT_EQ(merged.size(), sizeof(DEVMODEA) + FakeDriver::kExtra);
  EXPECT_EQ(out->dmSize, sizeof(DEVMODEA));
  EXPECT_EQ(out->dmDriverExtra, FakeDriver::kExtra);
  EXPECT_EQ(out->dmOrientation, DMORIENT_LANDSCAPE);
  EXPECT_EQ(merged.back(), 0x5A);

  FakeDriver noOrientation;
  noOrientation.orientation = false;
  EXPECT_FALSE(MergeOrientation(mode, true, std::ref(noOrientation), &merged));
  FakeDriver refusing;
  refusing.refuse = true;
  EXPECT_FALSE(MergeOrientation(mode, true, std::ref(refusing), &merged));
  EXPECT_FALSE(MergeOrientation(nullptr, true, std::ref(driver), &merged));
}

}  // namespace
