// Link, transparent and bitmap statics in a visible dialog, and pictures loaded through the
// system's picture loader. The shell, the program starter and message boxes are replaced.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/BitmapStatic.h"
#include "controls/HyperlinkStatic.h"
#include "controls/ResourcePicture.h"
#include "controls/StaticLink.h"
#include "controls/TransparentStatic.h"
#include "tests/controls/small_controls_support.h"
#include "tests/controls/testsmallcontrols.h"
#include "tests/support/HeldTimer.h"

namespace {

using V = std::vector<std::string>;

class CStaticsDlg : public CDialog {
 public:
  CStaticsDlg() : CDialog(IDD_STATICS) {}
  CHyperlinkStatic m_link, m_centred;
  CStaticLink m_staticLink, m_iconLink;
  CTransparentStatic m_transparent, m_empty;
  CBitmapStatic m_bitmap;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_LINK, m_link);
    DDX_Control(pDX, IDC_LINK_CENTRED, m_centred);
    DDX_Control(pDX, IDC_STATIC_LINK, m_staticLink);
    DDX_Control(pDX, IDC_STATIC_LINK_ICON, m_iconLink);
    DDX_Control(pDX, IDC_TRANSPARENT, m_transparent);
    DDX_Control(pDX, IDC_TRANSPARENT_EMPTY, m_empty);
    DDX_Control(pDX, IDC_BITMAP_STATIC, m_bitmap);
  }
};

V g_calls;
INT_PTR g_shellResult = 42;
UINT g_startResult = 33;

HINSTANCE FakeShell(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT) {
  g_calls.push_back(std::string("shell ") + verb + " " + file);
  return reinterpret_cast<HINSTANCE>(g_shellResult);
}
UINT FakeStart(LPCSTR commandLine, int) {
  g_calls.push_back(std::string("start ") + commandLine);
  return g_startResult;
}
int FakeMessageBox(HWND, LPCSTR text, LPCSTR, UINT type) {
  g_calls.push_back(std::string("box ") + text + ((type & MB_ICONEXCLAMATION) ? " !" : ""));
  return IDOK;
}

// HKEY_CLASSES_ROOT redirected to a scratch key of this test for its lifetime.
class CScratchClasses {
 public:
  CScratchClasses() {
    m_name.Format("Software\\QuarvexTests\\Classes%lu", ::GetCurrentProcessId());
    ::RegCreateKeyExA(HKEY_CURRENT_USER, m_name, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &m_key, NULL);
    m_ok = m_key && ::RegOverridePredefKey(HKEY_CLASSES_ROOT, m_key) == ERROR_SUCCESS;
  }
  ~CScratchClasses() {
    ::RegOverridePredefKey(HKEY_CLASSES_ROOT, NULL);
    if (m_key) ::RegCloseKey(m_key);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, m_name);
  }
  void Set(LPCSTR subKey, LPCSTR value) {
    ::RegSetValueA(m_key, subKey, REG_SZ, value, (DWORD)strlen(value));
  }
  bool Ok() const { return m_ok; }

 private:
  CString m_name;
  HKEY m_key = NULL;
  bool m_ok = false;
};

// Tests that click or read the screen show the dialog; the others need no screen and keep it
// hidden.
class StaticsWindow : public ::testing::Test {
 protected:
  virtual bool Shown() const { return true; }
  void SetUp() override {
    g_calls.clear();
    g_shellResult = 42;
    g_startResult = 33;
    ASSERT_TRUE(dlg.Create(IDD_STATICS));
    if (Shown()) {
      ASSERT_TRUE(qxtest::ShowInFront(&dlg));
    }
  }
  void TearDown() override {
    dlg.DestroyWindow();
    AfxDeleteTempMaps();
  }
  // What the dialog's colouring of a static leaves in a DC: text colour and underlining.
  COLORREF ColourOf(CWnd& control, bool* underlined = nullptr) {
    qxtest::MemoryCanvas canvas(4, 4, 0);
    dlg.SendMessage(WM_CTLCOLORSTATIC, (WPARAM)canvas.dc, (LPARAM)control.m_hWnd);
    if (underlined) {
      LOGFONTA lf = {};
      ::GetObjectA(::GetCurrentObject(canvas.dc, OBJ_FONT), sizeof lf, &lf);
      *underlined = lf.lfUnderline != 0;
    }
    return ::GetTextColor(canvas.dc);
  }
  static bool HoldsUnderlinedFont(CWnd& control) {
    LOGFONTA lf = {};
    ::GetObjectA((HFONT)control.SendMessage(WM_GETFONT), sizeof lf, &lf);
    return lf.lfUnderline != 0;
  }
  CStaticsDlg dlg;
  CSeamOverride<AfxShellExecuteSeam> shell{AfxSetShellExecuteSeam, FakeShell};
  CSeamOverride<AfxStartProgramSeam> start{AfxSetStartProgramSeam, FakeStart};
  CSeamOverride<AfxMessageBoxSeam> box{AfxSetMessageBoxSeam, FakeMessageBox};
};

class StaticsOffScreen : public StaticsWindow {
 protected:
  bool Shown() const override { return false; }
};

TEST_F(StaticsWindow, HyperlinkClickOpensItAndMarksItVisited) {
  EXPECT_EQ(ColourOf(dlg.m_link), RGB(0, 0, 255));
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_link));
  EXPECT_EQ(g_calls, (V{"shell open http://example.org/quarvex"}));
  EXPECT_TRUE(dlg.m_link.GetVisited());
  EXPECT_EQ(ColourOf(dlg.m_link), RGB(0x80, 0x20, 0xA0));
}

TEST_F(StaticsWindow, HyperlinkFallsBackToTheBrowserWithTheAddressQuoted) {
  CScratchClasses classes;
  ASSERT_TRUE(classes.Ok());
  classes.Set(".htm", "testhtml");
  classes.Set("testhtml\\shell\\open\\command", "\"C:\\web\\b.exe\" -new \"%1\"");
  g_shellResult = SE_ERR_NOASSOC;
  dlg.m_link.SetURL("http://example.org/a b&c");
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_link));
  EXPECT_EQ(g_calls, (V{"shell open http://example.org/a b&c",
                        "start \"C:\\web\\b.exe\" -new \"http://example.org/a b&c\""}));
  EXPECT_TRUE(dlg.m_link.GetVisited());

  // The browser does not start either: the starter's error is reported.
  g_calls.clear();
  g_startResult = ERROR_FILE_NOT_FOUND;
  dlg.m_link.SetVisited(FALSE);
  EXPECT_EQ(reinterpret_cast<INT_PTR>(CHyperlinkStatic::GotoURL("http://x", SW_SHOW)), 2);
}

TEST_F(StaticsWindow, HyperlinkWithoutAnyBrowserReportsTheShellError) {
  CScratchClasses classes;  // no ".htm" handler at all
  ASSERT_TRUE(classes.Ok());
  g_shellResult = SE_ERR_FNF;
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_link));
  EXPECT_EQ(g_calls, (V{"shell open http://example.org/quarvex",
                        "box Unable to open hyperlink:\n\nThe specified file was not found. !"}));
  EXPECT_FALSE(dlg.m_link.GetVisited());
  EXPECT_EQ(ColourOf(dlg.m_link), RGB(0, 0, 255));
}

TEST_F(StaticsWindow, HyperlinkUnderlinesWhileTheMouseIsOverIt) {
  bool underlined = true;
  ColourOf(dlg.m_link, &underlined);
  EXPECT_FALSE(underlined);
  CPoint over = qxtest::ScreenCentre(&dlg.m_link);
  ::SetCursorPos(over.x, over.y);
  qxtest::CTimerTicks ticks(dlg.m_link.m_hWnd);
  const double entered = qxtest::NowMs();
  dlg.m_link.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
  EXPECT_TRUE(dlg.m_link.IsUnderlined());
  ColourOf(dlg.m_link, &underlined);
  EXPECT_TRUE(underlined);
  EXPECT_TRUE(HoldsUnderlinedFont(dlg.m_link));  // what the static itself draws with
  // The hover timer has looked, every 15 ms, and found the cursor still over it...
  const int looks = 10;
  ASSERT_TRUE(qxtest::PumpUntil(dlg.m_hWnd, [&] { return ticks.Count() >= looks; }));
  EXPECT_TRUE(dlg.m_link.IsHovering());
  EXPECT_GE(ticks.TickCameAfter(entered, looks), looks * 15 - qxtest::kTimerGranularityMs)
      << "the hover timer looks more often than every 15 ms";
  // ...and sees it gone once it has left.
  CPoint away = qxtest::ScreenCentre(&dlg.m_bitmap);
  ::SetCursorPos(away.x, away.y);
  EXPECT_TRUE(qxtest::PumpUntil(dlg.m_hWnd, [&] { return !dlg.m_link.IsHovering(); }));
  EXPECT_FALSE(dlg.m_link.IsUnderlined());
  EXPECT_FALSE(HoldsUnderlinedFont(dlg.m_link));
}

TEST_F(StaticsOffScreen, HyperlinkFitsItsTextAndShowsItsAddress) {
  CRect before(10, 25, 210, 37);
  dlg.MapDialogRect(&before);
  CRect after;
  dlg.m_centred.GetWindowRect(&after);
  dlg.ScreenToClient(&after);
  EXPECT_LT(after.Width(), before.Width() / 2);
  EXPECT_NEAR(after.CenterPoint().x, before.CenterPoint().x, 1);
  EXPECT_EQ(after.top, before.top);

  char text[128] = "";
  TOOLINFOA ti = {};
  ti.lpszText = text;
  ASSERT_TRUE(dlg.m_link.GetToolTip().GetToolInfo(ti, &dlg.m_link, 1));
  EXPECT_STREQ(text, "http://example.org/quarvex");
  dlg.m_link.SetURL("http://example.org/other");
  dlg.m_link.GetToolTip().GetToolInfo(ti, &dlg.m_link, 1);
  EXPECT_STREQ(text, "http://example.org/other");
}

TEST_F(StaticsWindow, StaticLinkOpensAndChangesColourOnlyOnSuccess) {
  bool underlined = false;
  EXPECT_EQ(ColourOf(dlg.m_staticLink, &underlined), RGB(0, 0, 255));
  EXPECT_TRUE(underlined);  // always
  EXPECT_TRUE(HoldsUnderlinedFont(dlg.m_staticLink));
  EXPECT_TRUE(dlg.m_staticLink.GetStyle() & SS_NOTIFY);
  g_shellResult = SE_ERR_NOASSOC;
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_staticLink));
  EXPECT_EQ(g_calls, (V{"shell open mailto:support@example.org"}));  // a beep, no message
  EXPECT_FALSE(dlg.m_staticLink.m_bVisited);
  g_shellResult = 42;
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_empty));  // so the next click is no double click
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_staticLink));
  EXPECT_TRUE(dlg.m_staticLink.m_bVisited);
  EXPECT_EQ(ColourOf(dlg.m_staticLink), RGB(128, 0, 128));

  // On an icon it only opens its link.
  g_calls.clear();
  dlg.m_iconLink.m_link = "http://example.org/icon";
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_iconLink));
  EXPECT_EQ(g_calls, (V{"shell open http://example.org/icon"}));
}

TEST(TransparentStatic, MagentaKeepsTheBackgroundOnBothPaths) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(IDB_MAGENTA));
  for (BOOL useMaskBlt : {TRUE, FALSE}) {
    qxtest::MemoryCanvas canvas(50, 30, RGB(0, 200, 0));
    CDC* dc = CDC::FromHandle(canvas.dc);
    ASSERT_TRUE(CTransparentStatic::DrawTransparent(dc, bitmap, CSize(45, 30), useMaskBlt));
    EXPECT_EQ(canvas.Pixel(1, 1), RGB(0, 200, 0)) << useMaskBlt;           // magenta corner
    EXPECT_EQ(canvas.Pixel(20, 12), RGB(0x10, 0x40, 0xc0)) << useMaskBlt;  // the disc
    EXPECT_EQ(canvas.Pixel(42, 5), RGB(0, 200, 0)) << useMaskBlt;          // beyond the bitmap
    EXPECT_EQ(canvas.Pixel(47, 5), RGB(0, 200, 0)) << useMaskBlt;          // beyond the static
  }
  qxtest::MemoryCanvas canvas(5, 5, 0);
  EXPECT_FALSE(CTransparentStatic::DrawTransparent(CDC::FromHandle(canvas.dc), NULL, CSize(5, 5)));
  AfxDeleteTempMaps();
}

TEST_F(StaticsWindow, TransparentStaticOnTheDialogAndWithoutBitmap) {
  dlg.m_empty.RedrawWindow();  // paints as a plain static
  CClientDC dc(&dlg.m_transparent);
  EXPECT_EQ(dc.GetPixel(1, 1), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(dc.GetPixel(20, 12), RGB(0x10, 0x40, 0xc0));
}

TEST_F(StaticsWindow, BitmapStaticStretchesOverItsClientArea) {
  EXPECT_FALSE(dlg.m_bitmap.SetBitmap(IDI_MISSING));
  EXPECT_FALSE(dlg.m_bitmap.HasBitmap());
  EXPECT_EQ(dlg.m_bitmap.GetBitmapWidth(), 0);
  ASSERT_TRUE(dlg.m_bitmap.SetBitmap(IDB_QUADRANTS));
  EXPECT_EQ(dlg.m_bitmap.GetBitmapWidth(), 20);
  EXPECT_EQ(dlg.m_bitmap.GetBitmapHeight(), 20);
  dlg.m_bitmap.UpdateWindow();
  CRect client;
  dlg.m_bitmap.GetClientRect(&client);
  ASSERT_GT(client.Width(), 40);
  CClientDC dc(&dlg.m_bitmap);
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(client.right - 2, 1), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(1, client.bottom - 2), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(client.right - 2, client.bottom - 2), RGB(255, 255, 0));
}

// ---- pictures --------------------------------------------------------------------------------

TEST(ResourcePicture, EachFormatAtItsOwnPixelSize) {
  struct {
    UINT id;
    int width, height;
  } pictures[] = {{IDR_PICTURE_GIF, 37, 23}, {IDR_PICTURE_JPEG, 41, 29}, {IDR_PICTURE_BMP, 30, 20}};
  qxtest::MemoryCanvas canvas(1, 1, 0);
  for (const auto& p : pictures) {
    CResourcePicture picture;
    ASSERT_TRUE(picture.Load(p.id)) << p.id;
    EXPECT_EQ(picture.GetImageSize(), CSize(p.width, p.height)) << p.id;
    EXPECT_EQ(picture.GetImageSize(CDC::FromHandle(canvas.dc)), CSize(p.width, p.height));
  }
  AfxDeleteTempMaps();
}

TEST(ResourcePicture, RendersUprightAtItsSizeOrStretched) {
  CResourcePicture picture;
  ASSERT_TRUE(picture.Load(IDR_PICTURE_GIF));
  const COLORREF dark = RGB(0x20, 0x30, 0x80), orange = RGB(0xe0, 0x80, 0x20);
  qxtest::MemoryCanvas canvas(80, 50, RGB(255, 255, 255));
  CDC* dc = CDC::FromHandle(canvas.dc);
  ASSERT_TRUE(picture.Render(dc));
  EXPECT_EQ(canvas.Pixel(0, 0), dark);  // the dark corner is at the top
  EXPECT_EQ(canvas.Pixel(36, 22), orange);
  EXPECT_EQ(canvas.Pixel(37, 23), RGB(255, 255, 255));  // nothing beyond the own size

  qxtest::MemoryCanvas stretched(80, 50, RGB(255, 255, 255));
  ASSERT_TRUE(picture.Render(CDC::FromHandle(stretched.dc), 2, 2, 76, 48));
  EXPECT_EQ(stretched.Pixel(1, 1), RGB(255, 255, 255));
  EXPECT_EQ(stretched.Pixel(30, 20), dark);
  EXPECT_EQ(stretched.Pixel(74, 46), orange);
  AfxDeleteTempMaps();
}

TEST(ResourcePicture, MissingDamagedOrForeignResourcesLeaveItEmpty) {
  CResourcePicture picture;
  ASSERT_TRUE(picture.Load(IDR_PICTURE_GIF));
  for (UINT id :
       {(UINT)IDR_DAMAGED_GIF, (UINT)IDR_NOT_A_PICTURE, (UINT)IDI_MISSING, (UINT)IDB_QUADRANTS}) {
    EXPECT_FALSE(picture.Load(id)) << id;
    EXPECT_FALSE(picture.IsLoaded()) << id;
    EXPECT_EQ(picture.GetImageSize(), CSize(0, 0)) << id;
  }
  qxtest::MemoryCanvas canvas(10, 10, RGB(255, 255, 255));
  EXPECT_FALSE(picture.Render(CDC::FromHandle(canvas.dc)));
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255));
  AfxDeleteTempMaps();
}

}  // namespace
