// Owner-drawn menu rules that need no window: OS class, shading, the template
// walker, mnemonics, shortcut alignment, metrics and the shared picture slots.
#include <gtest/gtest.h>

#include <cstring>

#include "controls/OwnerDrawMenuLogic.h"
#include "tests/controls/menu_template_builder.h"

using namespace odmenu;

TEST(OwnerDrawMenuLogic, VersionClassMapsEveryModernNtToTheNewestClass) {
  EXPECT_EQ(ClassifyWindowsVersion(true, 5, 1), 7);
  EXPECT_EQ(ClassifyWindowsVersion(true, 5, 2), 7);
  EXPECT_EQ(ClassifyWindowsVersion(true, 6, 1), 7);  // what Wine reports
  EXPECT_EQ(ClassifyWindowsVersion(true, 10, 0), 7);
  EXPECT_EQ(ClassifyWindowsVersion(true, 5, 0), 6);
  EXPECT_EQ(ClassifyWindowsVersion(true, 4, 0), 5);
  EXPECT_EQ(ClassifyWindowsVersion(true, 3, 51), 1);
  EXPECT_EQ(ClassifyWindowsVersion(false, 3, 10), 0);
  EXPECT_EQ(ClassifyWindowsVersion(false, 4, 0), 2);
  EXPECT_EQ(ClassifyWindowsVersion(false, 4, 10), 3);
  EXPECT_EQ(ClassifyWindowsVersion(false, 4, 90), 4);
}

TEST(OwnerDrawMenuLogic, ShadingTruncatesAndIgnoresBadFactors) {
  // 100 + 155 * 0.3 = 146.5 -> 146; 0 + 255 * 0.3 = 76.5 -> 76
  EXPECT_EQ(Lighten(RGB(100, 0, 255), 0.3), RGB(146, 76, 255));
  // 200 - 200 * 0.02 = 196; 255 - 5.1 = 249.9 -> 249
  EXPECT_EQ(Darken(RGB(200, 255, 0), 0.02), RGB(196, 249, 0));
  EXPECT_EQ(Lighten(RGB(1, 2, 3), 0.0), RGB(1, 2, 3));
  EXPECT_EQ(Lighten(RGB(1, 2, 3), 1.5), RGB(1, 2, 3));
  EXPECT_EQ(Darken(RGB(1, 2, 3), -0.5), RGB(1, 2, 3));
  EXPECT_EQ(Lighten(RGB(1, 2, 3), 1.0), RGB(255, 255, 255));
}

TEST(OwnerDrawMenuLogic, TemplateWalkerHandlesNestingAndLastPopups) {
  TemplateBuilder b;
  b.Popup(L"&File", false);
  b.Item(100, L"&Open\tCtrl+O", false);
  b.Item(0, L"", false);     // separator
  b.Popup(L"Recent", true);  // pull-down that is the last item of File
  b.Item(101, L"(None)", true);
  b.Popup(L"&View", true);  // last item of the bar
  b.Popup(L"Deep", true);
  b.Popup(L"Deeper", true);  // nested last pull-downs end three levels at once
  b.Item(102, L"x", true);

  std::vector<TemplateItem> items;
  ASSERT_TRUE(ParseMenuTemplate(b.bytes.data(), b.bytes.size(), items));
  ASSERT_EQ(items.size(), 2u);
  const TemplateItem& file = items[0];
  EXPECT_TRUE(file.IsPopup());
  EXPECT_EQ(file.text, L"&File");
  ASSERT_EQ(file.children.size(), 3u);
  EXPECT_EQ(file.children[0].id, 100u);
  EXPECT_TRUE(file.children[1].IsSeparator());
  EXPECT_TRUE(file.children[2].IsPopup());
  EXPECT_EQ(file.children[2].children.size(), 1u);
  EXPECT_EQ(file.children[2].flags & MF_END, 0u);
  EXPECT_EQ(items[1].text, L"&View");
  ASSERT_EQ(items[1].children.size(), 1u);
  ASSERT_EQ(items[1].children[0].children.size(), 1u);
  EXPECT_EQ(items[1].children[0].children[0].children[0].id, 102u);

  // Truncated data and a wrong version are refused, never read past the end.
  for (size_t n = 0; n < b.bytes.size(); ++n)
    EXPECT_FALSE(ParseMenuTemplate(b.bytes.data(), n, items)) << n;
  std::vector<BYTE> ex = b.bytes;
  ex[0] = 1;
  EXPECT_FALSE(ParseMenuTemplate(ex.data(), ex.size(), items));
  EXPECT_FALSE(ParseMenuTemplate(nullptr, 10, items));
}

TEST(OwnerDrawMenuLogic, MnemonicSearchFindsTheFirstMatchIgnoringCase) {
  std::vector<std::wstring> texts = {L"&Open", L"Save &As", L"&Apply", L"E&xit"};
  EXPECT_EQ(FindMnemonic(texts, L'a'), MAKELRESULT(1, MNC_EXECUTE));
  EXPECT_EQ(FindMnemonic(texts, L'A'), 1 | 0x20000);
  EXPECT_EQ(FindMnemonic(texts, L'X'), 3 | 0x20000);
  EXPECT_EQ(FindMnemonic(texts, L'q'), 0);
  EXPECT_EQ(FindMnemonic({}, L'o'), 0);
}

TEST(OwnerDrawMenuLogic, ShortcutsLineUpAndSplitAtTheTabs) {
  // One pixel per character.
  auto measure = [](const std::wstring& s) { return static_cast<int>(s.size()); };
  std::vector<std::wstring> texts = {L"Open\tCtrl+O", L"Save As...", L"Print\tCtrl+P", L"X\tA\tB"};
  AlignShortcuts(texts, measure);
  EXPECT_EQ(texts[0], L"Open       \tCtrl+O");  // widest label "Save As..." + blank = 11
  EXPECT_EQ(texts[1], L"Save As...");
  EXPECT_EQ(texts[2], L"Print      \tCtrl+P");
  std::wstring label, shortcut;
  SplitItemText(texts[3], label, shortcut);
  EXPECT_EQ(label.substr(0, 1), L"X");
  EXPECT_EQ(shortcut, L"B");  // after the last tab
  SplitItemText(L"Plain", label, shortcut);
  EXPECT_EQ(label, L"Plain");
  EXPECT_TRUE(shortcut.empty());

  // A measurer that gives blanks no width cannot hang the padding.
  std::vector<std::wstring> odd = {L"a\tb", L"long label"};
  AlignShortcuts(
      odd, [](const std::wstring& s) { return static_cast<int>(s.find_last_not_of(L' ') + 1); });
  EXPECT_NE(odd[0].find(L"\tb"), std::wstring::npos);
}

TEST(OwnerDrawMenuLogic, ItemMetrics) {
  EXPECT_EQ(PictureMargin(true, true), 7);
  EXPECT_EQ(PictureMargin(false, true), 4);
  EXPECT_EQ(SeparatorHeight(true, 19, 7), 3);
  EXPECT_EQ(SeparatorHeight(false, 19, 4), 9);  // max(19/2, 19/2)
  EXPECT_EQ(SeparatorHeight(false, 24, 4), 12);
  EXPECT_EQ(ItemWidth(true, 50, 7), 16 + 50 + 7 + 8);
  EXPECT_EQ(ItemWidth(false, 50, 4), 50 + 33);
  EXPECT_EQ(ItemHeight(19, 4), 19);
  EXPECT_EQ(ItemHeight(19, 7), 22);
}

TEST(OwnerDrawMenuLogic, SharedPicturesAppendOrReplace) {
  PictureSlots slots;
  auto a = slots.Place(10, true);
  EXPECT_EQ(a.index, 0);
  EXPECT_FALSE(a.replace);
  EXPECT_EQ(a.count, 4);
  auto b = slots.Place(11, false);
  EXPECT_EQ(b.index, 4);
  EXPECT_EQ(b.count, 1);
  EXPECT_EQ(slots.Size(), 5u);
  auto again = slots.Place(10, true);
  EXPECT_TRUE(again.replace);
  EXPECT_EQ(again.index, 0);
  EXPECT_EQ(again.count, 4);
  // A command stored without variants is replaced alone even in the XP look.
  auto single = slots.Place(11, true);
  EXPECT_TRUE(single.replace);
  EXPECT_EQ(single.count, 1);
  EXPECT_EQ(slots.Size(), 5u);
  EXPECT_TRUE(slots.HasVariants(0));
  EXPECT_FALSE(slots.HasVariants(4));
  EXPECT_FALSE(slots.HasVariants(-1));
  EXPECT_EQ(slots.Find(99), -1);

  EXPECT_EQ(BitmapColourCount(4, 0), 16);
  EXPECT_EQ(BitmapColourCount(8, 12), 12);
  EXPECT_EQ(BitmapColourCount(24, 0), 0);
}

TEST(OwnerDrawMenuLogic, ToolbarResourcesInBothLayouts) {
  // windres: DWORD width, height, count, ids; starting with a separator.
  const UINT dw[] = {16, 15, 5, 0, 201, 202, 0, 203};
  ToolbarResource tb;
  ASSERT_TRUE(ParseToolbarResource(dw, sizeof dw, tb));
  EXPECT_EQ(tb.width, 16);
  EXPECT_EQ(tb.height, 15);
  EXPECT_EQ(tb.ids, (std::vector<UINT>{0, 201, 202, 0, 203}));
  // Each button has its own picture, also after a leading separator.
  EXPECT_EQ(tb.ImageOf(1), 0);
  EXPECT_EQ(tb.ImageOf(2), 1);
  EXPECT_EQ(tb.ImageOf(4), 2);
  EXPECT_EQ(tb.ImageOf(0), -1);
  // Classic WORD layout with version 1.
  const WORD w[] = {1, 16, 15, 3, 7, 0, 8};
  ASSERT_TRUE(ParseToolbarResource(w, sizeof w, tb));
  EXPECT_EQ(tb.ids, (std::vector<UINT>{7, 0, 8}));
  // Truncated or inconsistent data is refused.
  EXPECT_FALSE(ParseToolbarResource(dw, sizeof dw - 4, tb));
  EXPECT_FALSE(ParseToolbarResource(w, 6, tb));
  EXPECT_FALSE(ParseToolbarResource(nullptr, 0, tb));
}
