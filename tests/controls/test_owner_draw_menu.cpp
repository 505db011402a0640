// Owner-drawn menus without a window: building, handle ownership, record lifetime,
// mnemonics, run-time items, measuring and drawing on a memory DC.
#include <gtest/gtest.h>

#include <vector>

#include "controls/OwnerDrawMenu.h"
#include "controls/OwnerDrawMenuPictures.h"
#include "tests/controls/menu_template_builder.h"

namespace {

// File: Open, Save As, Apply, separator, Recent (pull-down, last); Edit: Copy (last).
std::vector<BYTE> TestMenu() {
  TemplateBuilder b;
  b.Popup(L"File", false);
  b.Item(100, L"&Open\tCtrl+O", false);
  b.Item(101, L"Save &As...", false);
  b.Item(102, L"&Apply", false);
  b.Item(0, L"", false);
  b.Popup(L"Recent", true);
  b.Item(110, L"(None)", true);
  b.Popup(L"Edit", true);
  b.Item(200, L"&Copy\tCtrl+C", true);
  return b.bytes;
}

int g_destroyed = 0;
BOOL CountingDestroy(HMENU menu) {
  ++g_destroyed;
  return ::DestroyMenu(menu);
}

ULONG_PTR ItemData(HMENU menu, int pos) {
  MENUITEMINFOW mii = {};
  mii.cbSize = sizeof mii;
  mii.fMask = MIIM_DATA | MIIM_FTYPE;
  ::GetMenuItemInfoW(menu, static_cast<UINT>(pos), TRUE, &mii);
  return (mii.fType & MFT_OWNERDRAW) ? mii.dwItemData : 0;
}

}  // namespace

TEST(OwnerDrawMenu, BuildsOwnerDrawnPullDownsUnderAPlainBar) {
  EXPECT_EQ(GetWindowsVersionClass(), 7);  // Wine reports NT 6.1
  EXPECT_TRUE(HasWin95Shell());
  std::vector<BYTE> t = TestMenu();
  COwnerDrawMenu menu;
  ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
  ASSERT_EQ(menu.GetMenuItemCount(), 2);
  EXPECT_EQ(ItemData(menu.m_hMenu, 0), 0u);  // the bar is drawn by the system
  HMENU file = ::GetSubMenu(menu.m_hMenu, 0);
  ASSERT_EQ(::GetMenuItemCount(file), 5);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(COwnerDrawMenu::IsLiveRecord(ItemData(file, i))) << i;
  EXPECT_TRUE(COwnerDrawMenu::IsOwnerDrawMenu(file));
  EXPECT_TRUE(COwnerDrawMenu::IsOwnerDrawMenu(::GetSubMenu(file, 4)));
  EXPECT_EQ(menu.GetSubMenu("File")->m_hMenu, file);
  EXPECT_EQ(menu.GetSubMenu("file"), nullptr);    // exact text only
  EXPECT_EQ(menu.GetSubMenu("Recent"), nullptr);  // not an item of this level
}

TEST(OwnerDrawMenu, EachHandleIsDestroyedOnceAndRecordsOutliveHandedOnHandles) {
  AfxDestroyMenuSeam old = AfxSetDestroyMenuSeam(&CountingDestroy);
  std::vector<BYTE> t = TestMenu();
  g_destroyed = 0;
  HMENU top, file, recent;
  {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
    top = menu.m_hMenu;
    file = ::GetSubMenu(top, 0);
    recent = ::GetSubMenu(file, 4);
  }
  EXPECT_EQ(g_destroyed, 1);
  EXPECT_FALSE(::IsMenu(top));
  EXPECT_FALSE(::IsMenu(file));
  EXPECT_FALSE(::IsMenu(recent));

  // A handle handed on (detached) keeps its records until it is destroyed.
  g_destroyed = 0;
  HMENU handed;
  ULONG_PTR record;
  {
    COwnerDrawMenu menu;
    ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
    handed = menu.Detach();
    record = ItemData(::GetSubMenu(handed, 0), 0);
  }
  EXPECT_EQ(g_destroyed, 0);
  EXPECT_TRUE(COwnerDrawMenu::IsLiveRecord(record));
  EXPECT_TRUE(COwnerDrawMenu::IsOwnerDrawMenu(::GetSubMenu(handed, 0)));
  ::DestroyMenu(handed);
  COwnerDrawMenu later;  // frees what the destroyed handle left
  EXPECT_FALSE(COwnerDrawMenu::IsLiveRecord(record));
  AfxSetDestroyMenuSeam(old);
}

TEST(OwnerDrawMenu, MnemonicsAndRunTimeItems) {
  std::vector<BYTE> t = TestMenu();
  COwnerDrawMenu menu;
  ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
  CMenu* file = menu.GetSubMenu(0);
  EXPECT_EQ(COwnerDrawMenu::FindMenuChar('a', MF_POPUP, file), 1 | 0x20000);  // first match
  EXPECT_EQ(COwnerDrawMenu::FindMenuChar('O', MF_POPUP, file), 0 | 0x20000);
  EXPECT_EQ(COwnerDrawMenu::FindMenuChar('z', MF_POPUP, file), 0);
  EXPECT_EQ(COwnerDrawMenu::FindMenuChar('a', 0, file), 0);  // not a pull-down

  // An item the framework inserts becomes owner-drawn when the pull-down opens; the
  // record of a removed item goes.
  ULONG_PTR applyRecord = ItemData(file->m_hMenu, 2);
  ::InsertMenuA(file->m_hMenu, 3, MF_BYPOSITION | MF_STRING, 103, "&1 C:\\recent.kel");
  ::DeleteMenu(file->m_hMenu, 102, MF_BYCOMMAND);
  COwnerDrawMenu::UpdateMenu(file);
  ASSERT_EQ(file->GetMenuItemCount(), 5);
  ULONG_PTR inserted = ItemData(file->m_hMenu, 2);
  ASSERT_TRUE(COwnerDrawMenu::IsLiveRecord(inserted));
  EXPECT_EQ(reinterpret_cast<COwnerDrawItem*>(inserted)->text, L"&1 C:\\recent.kel");
  EXPECT_FALSE(COwnerDrawMenu::IsLiveRecord(applyRecord));
  EXPECT_EQ(COwnerDrawMenu::FindMenuChar('1', MF_POPUP, file), 2 | 0x20000);
  COwnerDrawMenu::UpdateMenu(nullptr);  // nothing happens
}

TEST(OwnerDrawMenu, MeasuresWithTheMenuFontAndIgnoresForeignItems) {
  std::vector<BYTE> t = TestMenu();
  COwnerDrawMenu menu;
  ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
  HMENU file = ::GetSubMenu(menu.m_hMenu, 0);
  int cy = ::GetSystemMetrics(SM_CYMENU);
  for (int look = 0; look <= 1; ++look) {
    COwnerDrawMenu::SetMenuLook(look);
    MEASUREITEMSTRUCT sep = {ODT_MENU, 0, 0, 0, 0, ItemData(file, 3)};
    menu.MeasureItem(&sep);
    EXPECT_EQ(sep.itemHeight, look ? 3u : static_cast<UINT>(std::max(cy / 2, 9)));
    const COwnerDrawItem* open = reinterpret_cast<const COwnerDrawItem*>(ItemData(file, 0));
    HDC dc = ::GetDC(nullptr);
    HGDIOBJ o = ::SelectObject(dc, OdMenuFont());
    SIZE size;
    ::GetTextExtentPoint32W(dc, open->text.c_str(), static_cast<int>(open->text.size()), &size);
    ::SelectObject(dc, o);
    ::ReleaseDC(nullptr, dc);
    MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 100, 0, 0, ItemData(file, 0)};
    menu.MeasureItem(&mis);
    EXPECT_EQ(mis.itemWidth, static_cast<UINT>(look ? 16 + size.cx + 7 + 8 : size.cx + 33));
    EXPECT_EQ(mis.itemHeight, static_cast<UINT>(std::max(cy, look ? 22 : 19)));
  }
  int stranger = 0;
  MEASUREITEMSTRUCT foreign = {ODT_MENU, 0, 1, 0, 0, reinterpret_cast<ULONG_PTR>(&stranger)};
  menu.MeasureItem(&foreign);
  EXPECT_EQ(foreign.itemWidth, 0u);  // not one of ours: left alone
  COwnerDrawMenu::SetMenuLook(1);
}

namespace {
// Draws one item on a white-free memory bitmap and gives access to its pixels.
struct Surface {
  HDC dc;
  HBITMAP bmp;
  HGDIOBJ old;
  Surface(int cx, int cy) {
    HDC screen = ::GetDC(nullptr);
    dc = ::CreateCompatibleDC(screen);
    bmp = ::CreateCompatibleBitmap(screen, cx, cy);
    ::ReleaseDC(nullptr, screen);
    old = ::SelectObject(dc, bmp);
  }
  ~Surface() {
    ::SelectObject(dc, old);
    ::DeleteObject(bmp);
    ::DeleteDC(dc);
  }
  void Draw(COwnerDrawMenu& menu, HMENU owner, ULONG_PTR data, UINT id, UINT state, RECT rc) {
    DRAWITEMSTRUCT dis = {ODT_MENU, 0,  id,  ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(owner),
                          dc,       rc, data};
    menu.DrawItem(&dis);
  }
};
}  // namespace

TEST(OwnerDrawMenu, DrawsShortcutsTicksAndDisabledItems) {
  std::vector<BYTE> t = TestMenu();
  COwnerDrawMenu menu;
  ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
  HMENU file = ::GetSubMenu(menu.m_hMenu, 0);
  const RECT rc = {0, 0, 200, 22};

  // The shortcut ends 16 pixels from the right edge.
  COwnerDrawMenu::SetMenuLook(0);
  Surface s(200, 22);
  s.Draw(menu, file, ItemData(file, 0), 100, 0, rc);
  COLORREF bg = ::GetPixel(s.dc, 199, 11);
  int rightmost = -1;
  for (int x = 0; x < 200; ++x)
    for (int y = 0; y < 22; ++y)
      if (::GetPixel(s.dc, x, y) != bg && x > rightmost) rightmost = x;
  EXPECT_LE(rightmost, 200 - 16);
  EXPECT_GE(rightmost, 200 - 16 - 4);

  // A checked item without a picture gets the tick: column 0 rows 2..4 from the tick's top.
  s.Draw(menu, file, ItemData(file, 1), 101, ODS_CHECKED, rc);
  int d = std::max((22 - 15 - 4) / 2, 0);
  int tx = 1 + 4, ty = d + 2 + 4;
  COLORREF text = ::GetSysColor(COLOR_MENUTEXT);
  EXPECT_EQ(::GetPixel(s.dc, tx, ty + 2), text);
  EXPECT_EQ(::GetPixel(s.dc, tx + 6, ty), text);
  EXPECT_NE(::GetPixel(s.dc, tx + 6, ty + 4), text);

  // In the XP look a disabled item is never drawn selected.
  COwnerDrawMenu::SetMenuLook(1);
  s.Draw(menu, file, ItemData(file, 2), 102, ODS_SELECTED | ODS_GRAYED, rc);
  COLORREF selFill = odmenu::Lighten(::GetSysColor(COLOR_HIGHLIGHT), IsXPLookActive() ? 0.7 : 0.6);
  EXPECT_NE(::GetPixel(s.dc, 150, 2), selFill);
  s.Draw(menu, file, ItemData(file, 2), 102, ODS_SELECTED, rc);
  EXPECT_EQ(::GetPixel(s.dc, 150, 2), ::GetNearestColor(s.dc, selFill));
}

namespace {
// A picture with a blue 4 x 4 square at (4, 4) on the bitmap background, for command id.
int AddSquarePicture(UINT id) {
  HDC screen = ::GetDC(nullptr);
  HDC dc = ::CreateCompatibleDC(screen);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, 16, 15);
  ::ReleaseDC(nullptr, screen);
  HGDIOBJ old = ::SelectObject(dc, bmp);
  RECT all = {0, 0, 16, 15}, square = {4, 4, 8, 8};
  HBRUSH grey = ::CreateSolidBrush(RGB(192, 192, 192)), blue = ::CreateSolidBrush(RGB(0, 0, 255));
  ::FillRect(dc, &all, grey);
  ::FillRect(dc, &square, blue);
  ::SelectObject(dc, old);
  ::DeleteObject(grey);
  ::DeleteObject(blue);
  ::DeleteDC(dc);
  HIMAGELIST list = ImageList_Create(16, 15, ILC_COLOR32 | ILC_MASK, 1, 1);
  ImageList_AddMasked(list, bmp, RGB(192, 192, 192));
  ::DeleteObject(bmp);
  int index = OdPictures().Add(id, list, 0);
  ImageList_Destroy(list);
  return index;
}

std::vector<BYTE> PictureMenu() {
  TemplateBuilder b;
  b.Popup(L"Tools", true);
  b.Item(300, L"&Square", true);
  return b.bytes;
}
}  // namespace

TEST(OwnerDrawMenu, DisabledPicturesEmbossedOrShaded) {
  COwnerDrawMenu::SetMenuLook(0);  // one picture, no variants
  ASSERT_GE(AddSquarePicture(300), 0);
  std::vector<BYTE> t = PictureMenu();
  COwnerDrawMenu menu;
  ASSERT_TRUE(menu.LoadMenuTemplate(t.data(), t.size()));
  HMENU tools = ::GetSubMenu(menu.m_hMenu, 0);
  ULONG_PTR square = ItemData(tools, 0);
  ASSERT_GE(reinterpret_cast<const COwnerDrawItem*>(square)->sharedImage, 0);
  const RECT rc = {0, 0, 200, 22};
  Surface s(200, 22);
  auto sysColour = [&s](int index) { return ::GetNearestColor(s.dc, ::GetSysColor(index)); };
  const COLORREF shadow = sysColour(COLOR_BTNSHADOW), light = sysColour(COLOR_BTNHIGHLIGHT);

  // Classic look, 16-colour pictures: the mask in the highlight colour one pixel right and
  // down, then in the shadow colour. The picture sits at (left + 2, top + d + 2), d = 1.
  bool shaded = OdShadesDisabledPictures();
  OdSetShadesDisabledPictures(false);
  s.Draw(menu, tools, square, 300, ODS_GRAYED, rc);
  const int px = 2 + 4, py = 3 + 4;  // the square's top-left on the surface
  EXPECT_EQ(::GetPixel(s.dc, px, py), shadow);
  EXPECT_EQ(::GetPixel(s.dc, px + 3, py + 3), shadow);
  EXPECT_EQ(::GetPixel(s.dc, px + 4, py + 4), light);  // the highlight shows below right
  EXPECT_EQ(::GetPixel(s.dc, px + 4, py + 1), light);
  EXPECT_NE(::GetPixel(s.dc, px + 4, py), light);
  COLORREF box = ::GetPixel(s.dc, 3, 4);  // the box around the picture is left as it was
  EXPECT_NE(box, shadow);
  EXPECT_NE(box, light);

  // Other pictures: every picture pixel shaded by its grey level, background copied.
  OdSetShadesDisabledPictures(true);
  s.Draw(menu, tools, square, 300, ODS_GRAYED, rc);
  COLORREF grey = ::GetNearestColor(
      s.dc, odmenu::Lighten(::GetSysColor(COLOR_BTNSHADOW), ((0 + 0 + 255) / 3) / 255.0));
  EXPECT_EQ(::GetPixel(s.dc, px, py), grey);
  EXPECT_EQ(::GetPixel(s.dc, px + 4, py + 4), sysColour(COLOR_BTNFACE));
  EXPECT_EQ(::GetPixel(s.dc, 2, 3), sysColour(COLOR_BTNFACE));

  // XP look without picture variants: embossed in the picture column, drawn off screen and
  // copied to the item's place; the caller's DC keeps its state.
  OdSetShadesDisabledPictures(false);
  COwnerDrawMenu::SetMenuLook(1);
  Surface x(200, 60);
  HFONT font = static_cast<HFONT>(::GetStockObject(ANSI_FIXED_FONT));
  HGDIOBJ before = ::SelectObject(x.dc, font);
  ::SetTextColor(x.dc, RGB(1, 2, 3));
  const RECT lower = {0, 30, 200, 52};
  x.Draw(menu, tools, square, 300, ODS_GRAYED | ODS_SELECTED, lower);
  const int xx = 4 + 4, xy = 30 + 4 + 4;  // p = (left + 4, top + 4)
  EXPECT_EQ(::GetPixel(x.dc, xx, xy), shadow);
  EXPECT_EQ(::GetPixel(x.dc, xx + 4, xy + 4), light);
  COLORREF column = ::GetNearestColor(x.dc, ::GetSysColor(COLOR_BTNFACE));
  if (!IsXPLookActive())
    column = ::GetNearestColor(x.dc, odmenu::Lighten(::GetSysColor(COLOR_BTNFACE), 0.25));
  EXPECT_EQ(::GetPixel(x.dc, 2, 31), column);
  COLORREF bg = ::GetNearestColor(x.dc, odmenu::Darken(::GetSysColor(COLOR_WINDOW), 0.02));
  EXPECT_EQ(::GetPixel(x.dc, 150, 31), bg);                        // never drawn selected
  EXPECT_EQ(::GetPixel(x.dc, 150, 29), ::GetPixel(x.dc, 150, 0));  // nothing outside the item
  int greyText = 0;
  COLORREF gray = ::GetNearestColor(x.dc, ::GetSysColor(COLOR_GRAYTEXT));
  if (!IsXPLookActive())
    gray = ::GetNearestColor(x.dc, odmenu::Lighten(::GetSysColor(COLOR_GRAYTEXT), 0.4));
  for (int y = 30; y < 52; ++y)
    for (int xc = 30; xc < 120; ++xc) greyText += ::GetPixel(x.dc, xc, y) == gray;
  EXPECT_GT(greyText, 10);
  EXPECT_EQ(::GetCurrentObject(x.dc, OBJ_FONT), font);
  EXPECT_EQ(::GetTextColor(x.dc), RGB(1, 2, 3));
  ::SelectObject(x.dc, before);
  OdSetShadesDisabledPictures(shaded);
}
