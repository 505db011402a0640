// Owner-drawn menus make their tool-bar and bitmap pictures when a menu first needs them, in
// the order they were asked for, with the test tool bar of the small-controls resources.
#include <gtest/gtest.h>

#include <vector>

#include "controls/OwnerDrawMenu.h"
#include "controls/OwnerDrawMenuPictures.h"
#include "tests/controls/menu_template_builder.h"
#include "tests/controls/testsmallcontrols.h"

namespace {

const WORD kBitmapCommand = 41050;  // an item whose picture comes from a bitmap
const WORD kLaterCommand = 41051;   // only in the menu built after the others

// Help: Guide, Movie, Bitmap; Tools: Later.
std::vector<BYTE> HelpMenu() {
  TemplateBuilder b;
  b.Popup(L"Help", false);
  b.Item(ID_TB_GUIDE, L"&Guide", false);
  b.Item(ID_TB_MOVIE, L"&Movie", false);
  b.Item(kBitmapCommand, L"&Bitmap", true);
  b.Popup(L"Tools", true);
  b.Item(kLaterCommand, L"&Later", true);
  return b.bytes;
}

const COwnerDrawItem* Item(HMENU menu, int popup, int pos) {
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_DATA;
  ::GetMenuItemInfoW(::GetSubMenu(menu, popup), static_cast<UINT>(pos), TRUE, &mii);
  return reinterpret_cast<const COwnerDrawItem*>(mii.dwItemData);
}

void Open(HMENU menu, int popup) {
  COwnerDrawMenu::UpdateMenu(CMenu::FromHandle(::GetSubMenu(menu, popup)));
}

}  // namespace

TEST(MenuPictures, MadeWhenAMenuFirstOpensForEveryMenuThatAskedInOrder) {
  COwnerDrawMenu::MakePendingPictures();
  ASSERT_LT(OdPictures().IndexOf(ID_TB_MOVIE), 0);
  std::vector<BYTE> t = HelpMenu();
  const UINT bars[] = {IDR_TESTBAR};
  const UINT missing[] = {IDR_TESTBAR + 7};

  // The program's way: built, given its pictures, and its handle handed on.
  COwnerDrawMenu first;
  ASSERT_TRUE(first.LoadMenuTemplate(t.data(), t.size()));
  EXPECT_TRUE(first.ModifyItem("&Bitmap picture", kBitmapCommand, IDB_MAGENTA));
  EXPECT_TRUE(first.LoadToolbars(bars, 1));
  EXPECT_FALSE(first.LoadToolbars(missing, 1));  // missing resources are refused at once
  EXPECT_FALSE(first.ModifyItem(nullptr, kBitmapCommand, IDR_TESTBAR + 7));
  HMENU handed = first.Detach();
  EXPECT_EQ(Item(handed, 0, 2)->text, L"&Bitmap picture");  // texts change at once
  EXPECT_LT(OdPictures().IndexOf(ID_TB_MOVIE), 0);          // pictures not yet

  // A menu built meanwhile has the pictures asked for before it, as if made then; one asked
  // for after it (Later's) is not its own.
  COwnerDrawMenu second;
  ASSERT_TRUE(second.LoadMenuTemplate(t.data(), t.size()));
  EXPECT_TRUE(second.ModifyItem(nullptr, kLaterCommand, IDB_MAGENTA));
  EXPECT_EQ(Item(second.m_hMenu, 0, 1)->sharedImage, -1);

  Open(handed, 0);
  const int movie = OdPictures().IndexOf(ID_TB_MOVIE);
  ASSERT_GE(movie, 0);
  EXPECT_GE(OdPictures().IndexOf(ID_TB_GUIDE), 0);
  EXPECT_EQ(Item(handed, 0, 1)->sharedImage, movie);
  EXPECT_EQ(Item(handed, 0, 2)->sharedImage, OdPictures().IndexOf(kBitmapCommand));
  EXPECT_GE(Item(handed, 0, 2)->sharedImage, 0);
  EXPECT_EQ(Item(second.m_hMenu, 0, 1)->sharedImage, movie);
  EXPECT_EQ(Item(second.m_hMenu, 1, 0)->sharedImage, OdPictures().IndexOf(kLaterCommand));
  EXPECT_EQ(Item(handed, 1, 0)->sharedImage, -1);
  ::DestroyMenu(handed);
}

TEST(MenuPictures, AMenuThatGoesFirstMakesWhatLaterMenusCountOnAndDropsTheRest) {
  COwnerDrawMenu::MakePendingPictures();
  std::vector<BYTE> t = HelpMenu();
  const WORD dropped = 41060, kept = 41061;
  {
    COwnerDrawMenu alone;
    ASSERT_TRUE(alone.LoadMenuTemplate(t.data(), t.size()));
    EXPECT_TRUE(alone.ModifyItem(nullptr, dropped, IDB_MAGENTA));
  }
  EXPECT_LT(OdPictures().IndexOf(dropped), 0);  // nobody needed it

  COwnerDrawMenu* going = new COwnerDrawMenu;
  ASSERT_TRUE(going->LoadMenuTemplate(t.data(), t.size()));
  EXPECT_TRUE(going->ModifyItem(nullptr, kept, IDB_MAGENTA));
  COwnerDrawMenu staying;
  ASSERT_TRUE(staying.LoadMenuTemplate(t.data(), t.size()));
  delete going;  // the staying menu was built after its request
  EXPECT_GE(OdPictures().IndexOf(kept), 0);
}
