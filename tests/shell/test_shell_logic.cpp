// Window-free rules of the tab strip, the file-dialog filters and the recent folders.
#include <gtest/gtest.h>

#include "shell/DocManagerFilter.h"
#include "shell/RecentFoldersLogic.h"
#include "shell/WindowTabsLogic.h"

namespace {
HWND W(int n) {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(n));
}
}  // namespace

TEST(WindowTabsLogic, FlagsAndLayout) {
  wintabs::Flags main = wintabs::DecodeFlags(6);
  EXPECT_FALSE(main.top);
  EXPECT_TRUE(main.icons);
  EXPECT_EQ(main.minTabs, 2);
  wintabs::Flags one = wintabs::DecodeFlags(1);
  EXPECT_TRUE(one.top);
  EXPECT_FALSE(one.icons);
  EXPECT_EQ(one.minTabs, 1);

  RECT rc = {0, 30, 800, 570};
  wintabs::Layout hidden = wintabs::PlaceStrip(rc, main, 1);
  EXPECT_FALSE(hidden.visible);
  EXPECT_EQ(hidden.rest.bottom, 570);
  wintabs::Layout bottom = wintabs::PlaceStrip(rc, main, 2);
  EXPECT_TRUE(bottom.visible);
  EXPECT_EQ(bottom.rest.bottom, 570 - 27);
  EXPECT_EQ(bottom.strip.top, 570 - 27 - 2);
  EXPECT_EQ(bottom.strip.bottom - bottom.strip.top, 29);
  EXPECT_EQ(bottom.strip.right, 800);
  wintabs::Layout top = wintabs::PlaceStrip(rc, one, 1);
  EXPECT_EQ(top.strip.top, 30);
  EXPECT_EQ(top.rest.top, 56);
  EXPECT_EQ(top.strip.bottom, 58);
}

TEST(WindowTabsLogic, ReconcileKeepsPlacesAppendsInZOrderAndSelectsTheActive) {
  // Survivors keep their places even though the activation order changed.
  wintabs::TabPlan p = wintabs::Reconcile({W(1), W(2), W(3)}, {W(3), W(1), W(2)});
  EXPECT_TRUE(p.removed.empty());
  EXPECT_EQ(p.Final(), (std::vector<HWND>{W(1), W(2), W(3)}));
  EXPECT_EQ(p.selected, 2);
  // A closed middle window goes; new windows are appended in z-order.
  p = wintabs::Reconcile({W(1), W(2), W(3)}, {W(5), W(3), W(4), W(1)});
  EXPECT_EQ(p.removed, std::vector<int>{1});
  EXPECT_EQ(p.Final(), (std::vector<HWND>{W(1), W(3), W(5), W(4)}));
  EXPECT_EQ(p.selected, 2);
  // Every window gone.
  p = wintabs::Reconcile({W(1), W(2)}, {});
  EXPECT_EQ(p.removed, (std::vector<int>{1, 0}));
  EXPECT_TRUE(p.Final().empty());
  EXPECT_EQ(p.selected, -1);
}

TEST(WindowTabsLogic, TitlesAndIconFallbacks) {
  EXPECT_EQ(wintabs::TruncateTitle(std::string(600, 'x')).size(), 555u);
  EXPECT_EQ(wintabs::TruncateTitle("Doc1"), "Doc1");

  using Q = wintabs::IconQuery;
  std::vector<Q> asked;
  HICON found = wintabs::FindIcon(true, [&](Q q) {
    asked.push_back(q);
    return q == Q::GetIconBig ? reinterpret_cast<HICON>(7) : nullptr;
  });
  EXPECT_EQ(found, reinterpret_cast<HICON>(7));
  EXPECT_EQ(asked,
            (std::vector<Q>{Q::GetIconSmall, Q::ClassIcon, Q::QueryDragIcon, Q::GetIconBig}));
  EXPECT_EQ(wintabs::IconQueryOrder(false),
            (std::vector<Q>{Q::GetIconBig, Q::ClassIconSmall, Q::GetIconSmall, Q::ClassIcon,
                            Q::QueryDragIcon}));
  EXPECT_EQ(wintabs::FindIcon(false, [](Q) { return HICON(nullptr); }), nullptr);
}

TEST(DocManagerFilter, OpenAndSaveOfferDifferentLists) {
  std::vector<docfilter::TemplateFilter> t = {{"Quarvex Files (*.kel)", ".kel"}};
  std::vector<std::pair<std::string, std::string>> extra = {{"Lorvane Files (*.qzt)", "*.qzt"}};
  docfilter::Filter open = docfilter::Build(t, -1, extra, true, "All Files (*.*)");
  static const char kOpen[] =
      "Quarvex Files (*.kel)\0*.kel\0Lorvane Files (*.qzt)\0*.qzt\0All Files (*.*)\0*.*\0";
  EXPECT_EQ(open.text, std::string(kOpen, sizeof kOpen - 1));
  EXPECT_EQ(open.defExt, "kel");
  EXPECT_EQ(open.filterIndex, 1);
  EXPECT_EQ(open.customCount, 2);
  docfilter::Filter save = docfilter::Build(t, 0, extra, false, "All Files (*.*)");
  EXPECT_EQ(save.text.find("qzt"), std::string::npos);
  EXPECT_EQ(save.customCount, 1);
  EXPECT_EQ(save.defExt, "kel");

  // A template without a filter name is skipped; the next one sets the default.
  std::vector<docfilter::TemplateFilter> two = {{"", ".abc"}, {"Other (*.oth)", ".oth"}};
  docfilter::Filter f = docfilter::Build(two, -1, {}, true, "All");
  EXPECT_EQ(f.defExt, "oth");
  EXPECT_EQ(f.filterIndex, 1);
  static const char kOther[] = "Other (*.oth)\0*.oth\0All\0*.*\0";
  EXPECT_EQ(f.text, std::string(kOther, sizeof kOther - 1));
  docfilter::Filter none = docfilter::Build({}, -1, {}, false, "All");
  EXPECT_EQ(none.filterIndex, 0);
  EXPECT_TRUE(none.defExt.empty());
}

TEST(RecentFoldersLogic, DisplayNamesNeverEmptyForFolders) {
  std::string name;
  const std::string cur = "C:\\Work\\";
  EXPECT_FALSE(recentfolders::DisplayName("", cur, 30, name));
  ASSERT_TRUE(recentfolders::DisplayName("C:\\work\\a.kel", cur, 30, name));
  EXPECT_EQ(name, "a.kel");  // a file of the current folder: its title
  ASSERT_TRUE(recentfolders::DisplayName("D:\\Data\\Very Long Folder Name\\b.kel", cur, 30, name));
  EXPECT_EQ(name, "D:\\Data\\Very Long Folder Name\\b.kel");  // never abbreviated
  ASSERT_TRUE(recentfolders::DisplayName("C:\\Work\\", cur, 30, name));
  EXPECT_EQ(name, "C:\\Work\\");  // the current folder itself still shows its path
  ASSERT_TRUE(recentfolders::DisplayName("C:\\Work\\Sub\\", cur, -1, name));
  EXPECT_EQ(name, "C:\\Work\\Sub\\");

  EXPECT_EQ(recentfolders::FolderOf("C:\\a\\b.kel"), "C:\\a\\");
  EXPECT_EQ(recentfolders::FolderOf("b.kel"), "");
}
