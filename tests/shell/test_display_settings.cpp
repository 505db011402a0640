// Display settings: defaults, the font description, the registry round trip of all 18 values
// and the validation on load (a value out of range reads as its default); the shell's own
// switches (welcome screen, data-type warning, menu style, side bar side, Reset); the rules of
// the application object that need no window.
#include <gtest/gtest.h>

#include <cstring>

#include "core/document/KelProject.h"
#include "core/registry/MemorySettingsStore.h"
#include "core/registry/SettingsKey.h"
#include "shell/AppLogic.h"
#include "shell/DisplaySettings.h"
#include "shell/PageSetupRecord.h"
#include "shell/ShellSettings.h"

namespace {

void PutInt(CMemorySettingsStore& store, const char* key, const char* name, int value) {
  store.Put(SettingsRoot::CurrentUser, key, name, settings::kTypeBinary, &value, 4);
}

}  // namespace

TEST(DisplaySettings, Defaults) {
  const CDisplaySettings s;
  EXPECT_EQ(s.m_strNormalStressTitle, CString("Normal stress "));
  EXPECT_EQ(s.m_strMajorStressTitle, CString("Major principal stress "));
  EXPECT_STREQ(s.m_lfChartFont.lfFaceName, "Arial");
  EXPECT_EQ(s.m_lfChartFont.lfHeight, 80);
  EXPECT_EQ(s.m_lfChartFont.lfWeight, 400);
  EXPECT_EQ(s.m_nFontPointSize, 8);
  EXPECT_EQ(s.m_nDecimalPlaces, -1);
  EXPECT_EQ(s.m_nPlotPointsIndex, 3);
  EXPECT_EQ(s.GetPlotPointCount(), 100);
  EXPECT_EQ(s.m_bBoundingBox, 0);
  EXPECT_EQ(s.m_bShowMogi, 0);
  EXPECT_EQ(s.m_bShowIcons, 1);
  EXPECT_EQ(CDisplaySettings::PlotPointCount(0), 10);
  EXPECT_EQ(CDisplaySettings::PlotPointCount(5), 500);
  EXPECT_EQ(CDisplaySettings::PlotPointCount(6), 100);
  EXPECT_EQ(CDisplaySettings::PlotPointCount(-3), 100);
}

TEST(DisplaySettings, FontDescription) {
  LOGFONT lf = DefaultChartFont();
  EXPECT_EQ(FormatFontDescription(lf, 8), CString(" Arial, 8 pt"));
  lf.lfWeight = 699;
  EXPECT_EQ(FormatFontDescription(lf, 10), CString(" Arial, 10 pt"));
  lf.lfWeight = 700;
  lf.lfItalic = 1;
  EXPECT_EQ(FormatFontDescription(lf, 12), CString(" Arial, 12 pt, Bold, Italic"));
  std::memset(lf.lfFaceName, 'x', sizeof lf.lfFaceName);  // no terminator: cut at 32
  EXPECT_EQ(FormatFontDescription(lf, 8).GetLength(), 1 + 32 + 6 + 6 + 8);
}

TEST(DisplaySettings, AllValuesGoToTheRegistryAndComeBack) {
  CMemorySettingsStore store;
  CDisplaySettings saved;
  saved.m_nLineWidth = 3;
  saved.m_nAxesLineWidth = 20;
  saved.m_nDecimalPlaces = 8;
  saved.m_nPlotPointsIndex = 0;
  saved.m_nJustify = JUSTIFY_RIGHT;
  saved.m_nFontPointSize = 11;
  saved.m_bGridOverlay = 0;
  saved.m_bShowMogi = 1;
  std::strcpy(saved.m_lfChartFont.lfFaceName, "Courier New");
  saved.m_lfChartFont.lfWeight = 700;
  CurveColours colours;
  colours.hoekBrown = 0x123456;
  colours.mohrCoulombGray = 0x404040;
  ASSERT_TRUE(SaveDisplaySettings(store, saved, colours));

  CDisplaySettings loaded;
  CurveColours back;
  ASSERT_TRUE(LoadDisplaySettings(store, loaded, back));
  EXPECT_TRUE(loaded == saved);
  EXPECT_EQ(back.hoekBrown, 0x123456u);
  EXPECT_EQ(back.mohrCoulomb, 0xFF0000u);
  EXPECT_EQ(back.mohrCoulombGray, 0x404040u);
}

TEST(DisplaySettings, AMissingKeyOrValueLeavesWhatWasThere) {
  CMemorySettingsStore store;
  CDisplaySettings s;
  s.m_nLineWidth = 5;
  CurveColours c;
  EXPECT_FALSE(LoadDisplaySettings(store, s, c));
  EXPECT_EQ(s.m_nLineWidth, 5);
  PutInt(store, kSettingsKey, "justify", 2);
  EXPECT_TRUE(LoadDisplaySettings(store, s, c));
  EXPECT_EQ(s.m_nLineWidth, 5);
  EXPECT_EQ(s.m_nJustify, 2);
}

TEST(DisplaySettings, ValuesOutOfRangeNeverReachTheCharts) {
  CMemorySettingsStore store;
  PutInt(store, kSettingsKey, "line_width", 0);
  PutInt(store, kSettingsKey, "axes_line_width", 21);
  PutInt(store, kSettingsKey, "num_decimal_places", 1000000);
  PutInt(store, kSettingsKey, "num_pts_in_plot_index", 6);
  PutInt(store, kSettingsKey, "justify", -3);
  PutInt(store, kSettingsKey, "font_point_size", 5000);
  PutInt(store, kSettingsKey, "show_mogi", 7);
  PutInt(store, kSettingsKey, "hbcolor", 0x7F00FF00);
  CDisplaySettings s;
  s.m_nLineWidth = 9;  // a bad value gives the default, not what was there
  CurveColours c;
  ASSERT_TRUE(LoadDisplaySettings(store, s, c));
  const CDisplaySettings defaults;
  EXPECT_EQ(s.m_nLineWidth, defaults.m_nLineWidth);
  EXPECT_EQ(s.m_nAxesLineWidth, defaults.m_nAxesLineWidth);
  EXPECT_EQ(s.m_nDecimalPlaces, defaults.m_nDecimalPlaces);
  EXPECT_EQ(s.m_nPlotPointsIndex, defaults.m_nPlotPointsIndex);
  EXPECT_EQ(s.m_nJustify, defaults.m_nJustify);
  EXPECT_EQ(s.m_nFontPointSize, defaults.m_nFontPointSize);
  EXPECT_EQ(s.m_bShowMogi, 1);
  // A colour with its top byte set is no colour the program wrote: the default, never white.
  EXPECT_EQ(c.hoekBrown, 0x0000FFu);
  // The edges of each range are kept.
  PutInt(store, kSettingsKey, "num_decimal_places", -1);
  PutInt(store, kSettingsKey, "num_pts_in_plot_index", 5);
  PutInt(store, kSettingsKey, "line_width", 20);
  ASSERT_TRUE(LoadDisplaySettings(store, s, c));
  EXPECT_EQ(s.m_nDecimalPlaces, -1);
  EXPECT_EQ(s.m_nPlotPointsIndex, 5);
  EXPECT_EQ(s.m_nLineWidth, 20);
}

TEST(DisplaySettings, DamagedColoursReadAsTheirDefaultsAndAreWrittenBackSo) {
  CMemorySettingsStore store;
  PutInt(store, kSettingsKey, "hbcolor", -1);  // ff,ff,ff,ff
  PutInt(store, kSettingsKey, "hbcolor_gray", 0x7FFFFFFF);
  PutInt(store, kSettingsKey, "mccolor_gray", 0x01000000);
  store.Put(SettingsRoot::CurrentUser, kSettingsKey, "mccolor", settings::kTypeString, "abc", 4);
  CDisplaySettings s;
  CurveColours c;
  c.hoekBrown = c.mohrCoulomb = c.hoekBrownGray = c.mohrCoulombGray = 0x123456;
  ASSERT_TRUE(LoadDisplaySettings(store, s, c));
  const CurveColours defaults;
  EXPECT_EQ(c.hoekBrown, defaults.hoekBrown);
  EXPECT_EQ(c.hoekBrownGray, defaults.hoekBrownGray);
  EXPECT_EQ(c.mohrCoulombGray, defaults.mohrCoulombGray);
  EXPECT_EQ(c.mohrCoulomb, 0x123456u);  // text is no value at all: what was there stays
  ASSERT_TRUE(SaveDisplaySettings(store, s, c));
  CSettingsKey key(store);
  ASSERT_TRUE(key.SetKey(kSettingsKey, FALSE, settings::kAccessRead));
  EXPECT_EQ(key.ReadInt("hbcolor", 0), 0x0000FF);
  EXPECT_EQ(key.ReadInt("hbcolor_gray", 1), 0);
  // White itself is a colour.
  PutInt(store, kSettingsKey, "hbcolor", 0xFFFFFF);
  ASSERT_TRUE(LoadDisplaySettings(store, s, c));
  EXPECT_EQ(c.hoekBrown, 0xFFFFFFu);
}

TEST(DisplaySettings, AStoredFontIsTakenOnlyWhenItCouldBeAFont) {
  CMemorySettingsStore store;
  LOGFONT lf = DefaultChartFont();
  std::memset(lf.lfFaceName, 'Q', sizeof lf.lfFaceName);  // no terminator
  store.Put(SettingsRoot::CurrentUser, kSettingsKey, "chart_font", settings::kTypeBinary, &lf,
            sizeof lf);
  CDisplaySettings s;
  CurveColours c;
  LoadDisplaySettings(store, s, c);
  EXPECT_EQ(std::strlen(s.m_lfChartFont.lfFaceName), 31u);  // terminated

  lf = DefaultChartFont();
  lf.lfWeight = 90000;
  store.Put(SettingsRoot::CurrentUser, kSettingsKey, "chart_font", settings::kTypeBinary, &lf,
            sizeof lf);
  CDisplaySettings t;
  LoadDisplaySettings(store, t, c);
  EXPECT_STREQ(t.m_lfChartFont.lfFaceName, "Arial");
  EXPECT_EQ(t.m_lfChartFont.lfWeight, 400);

  lf = DefaultChartFont();
  std::strcpy(lf.lfFaceName, "\x01\x02");
  store.Put(SettingsRoot::CurrentUser, kSettingsKey, "chart_font", settings::kTypeBinary, &lf,
            sizeof lf);
  CDisplaySettings u;
  LoadDisplaySettings(store, u, c);
  EXPECT_STREQ(u.m_lfChartFont.lfFaceName, "Arial");

  store.Put(SettingsRoot::CurrentUser, kSettingsKey, "chart_font", settings::kTypeBinary, &lf, 12);
  CDisplaySettings v;
  LoadDisplaySettings(store, v, c);
  EXPECT_STREQ(v.m_lfChartFont.lfFaceName, "Arial");
}

TEST(ShellSettings, WelcomeScreenShowsUnlessSwitchedOff) {
  CMemorySettingsStore store;
  EXPECT_TRUE(IsGettingStartedScreenOn(store));  // no key
  PutInt(store, kWarningsKey, "Other", 1);
  EXPECT_TRUE(IsGettingStartedScreenOn(store));  // no value
  for (int shown : {0, -1}) {
    PutInt(store, kWarningsKey, "GettingStartedScreen", shown);
    EXPECT_TRUE(IsGettingStartedScreenOn(store)) << shown;
  }
  PutInt(store, kWarningsKey, "GettingStartedScreen", 1);
  EXPECT_FALSE(IsGettingStartedScreenOn(store));
  CMemorySettingsStore fresh;
  StoreGettingStartedScreenOff(fresh);
  EXPECT_FALSE(IsGettingStartedScreenOn(fresh));
}

TEST(ShellSettings, DataTypeWarningAsksUnlessZero) {
  CMemorySettingsStore store;
  EXPECT_TRUE(IsSwitchDataTypeWarningOn(store));
  SetSwitchDataTypeWarning(store, 0);
  EXPECT_TRUE(store.KeyExists(SettingsRoot::CurrentUser, kPromptsKey));
  EXPECT_FALSE(IsSwitchDataTypeWarningOn(store));
  PutInt(store, kPromptsKey, "Switch Data Type Warning", 5);
  EXPECT_TRUE(IsSwitchDataTypeWarningOn(store));
}

TEST(ShellSettings, ResetBringsBackEveryWarning) {
  CMemorySettingsStore store;
  StoreGettingStartedScreenOff(store);
  SetSwitchDataTypeWarning(store, 0);
  ResetWarnings(store);
  EXPECT_TRUE(IsGettingStartedScreenOn(store));
  EXPECT_TRUE(IsSwitchDataTypeWarningOn(store));
  CMemorySettingsStore empty;
  ResetWarnings(empty);  // nothing stored: nothing to do, nothing breaks
  EXPECT_TRUE(IsSwitchDataTypeWarningOn(empty));
}

TEST(ShellSettings, MenuStyleAndSideBarSide) {
  CMemorySettingsStore store;
  EXPECT_EQ(LoadMenuStyle(store, 1), 1);  // no key: the start-up default stays
  EXPECT_EQ(LoadMenuStyle(store, 0), 0);
  SaveMenuStyle(store, 0);
  EXPECT_EQ(LoadMenuStyle(store, 1), 0);
  PutInt(store, kMenuStyleKey, "XPMenuStyle", 9);
  EXPECT_EQ(LoadMenuStyle(store, 0), 1);

  EXPECT_EQ(LoadSideBarSide(store, 1), 1);  // missing
  const int stored[] = {0, 5, -1};
  const BYTE expected[] = {0, 1, 0};
  for (int i = 0; i < 3; ++i) {
    PutInt(store, kDocFormKey, "OnLeft", stored[i]);
    EXPECT_EQ(LoadSideBarSide(store, 1), expected[i]) << stored[i];
  }
  SaveSideBarSide(store, 1);
  EXPECT_EQ(LoadSideBarSide(store, 0), 1);
}

TEST(AppLogic, StartUpsWithoutAFileAndFolderPaths) {
  EXPECT_TRUE(IsNoFileCommand(0));    // new
  EXPECT_TRUE(IsNoFileCommand(-1));   // nothing
  EXPECT_FALSE(IsNoFileCommand(1));   // open
  EXPECT_FALSE(IsNoFileCommand(2));   // print
  EXPECT_FALSE(IsNoFileCommand(3));   // print to
  EXPECT_FALSE(IsNoFileCommand(4));   // DDE
  EXPECT_TRUE(IsFolderPath("C:\\x\\"));
  EXPECT_FALSE(IsFolderPath("C:\\x"));
  EXPECT_FALSE(IsFolderPath(""));
  EXPECT_FALSE(IsFolderPath(nullptr));
}

TEST(AppLogic, HelpPagesComeFromTheProgramFolderElseFromTheirDownloadAddress) {
  EXPECT_EQ(HelpTarget("C:\\Q\\", "Manuals\\", "Quarvex Users Guide.pdf", "https://h/m/", true),
            CString("C:\\Q\\Manuals\\Quarvex Users Guide.pdf"));
  EXPECT_EQ(HelpTarget("C:\\Q\\", "Manuals\\", "Quarvex Users Guide.pdf", "https://h/m/", false),
            CString("https://h/m/Quarvex%20Users%20Guide.pdf"));
  EXPECT_EQ(EncodeUrlPart("Hoek-Brown Failure Criterion-2002 Edition.pdf"),
            CString("Hoek-Brown%20Failure%20Criterion-2002%20Edition.pdf"));
  EXPECT_EQ(EncodeUrlPart("a&b#c"), CString("a%26b%23c"));
}

TEST(PageSetup, DefaultsAndTheInchFlagFromTheMeasurementSystem) {
  const PageSetupRecord r;
  EXPECT_DOUBLE_EQ(r.paperHeight, 11.0);
  EXPECT_DOUBLE_EQ(r.paperWidth, 8.5);
  EXPECT_DOUBLE_EQ(r.left, 1.0);
  EXPECT_EQ(r.portrait, 0);
  EXPECT_EQ(r.autoFormat, 0);
  EXPECT_EQ(InchesFromMeasureSystem("1"), 1);
  EXPECT_EQ(InchesFromMeasureSystem("0"), 0);
  EXPECT_EQ(InchesFromMeasureSystem(nullptr), 1);
}
