// The start-up splash: centred, on top, owned by an invisible window; gone after its time or at
// once on a click or a key, which it swallows; it frees itself; without its picture nothing
// shows and nothing leaks.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "res/ShellResources.h"
#include "shell/StartupSplashWnd.h"
#include "tests/support/HeldTimer.h"
#include "tests/support/ProgramHarness.h"
#include "tests/support/Screenshot.h"

using namespace qxtest;

namespace {

HWND FindSplash() {
  for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    if (pid != ::GetCurrentProcessId() || !::IsWindowVisible(w)) continue;
    if ((::GetWindowLongA(w, GWL_STYLE) & WS_POPUP) && (::GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOPMOST))
      return w;
  }
  return nullptr;
}

}  // namespace

TEST(Splash, ShowsCentredOnTopAndGoesByItself) {
  CProgramHarness program("splash_timer");
  ASSERT_TRUE(program.Start());
  EXPECT_EQ(program.ProgramSplashTime(), 2500u);  // what the program shows when not in a test
  CStartupSplashWnd* splash = new CStartupSplashWnd(IDB_SPLASH, 300);
  const double shown = NowMs();
  ASSERT_TRUE(splash->Show());
  // Its time runs out only when the test lets it, however slow the machine: it stays on after
  // its tick, which comes no sooner than its time.
  CHeldTimer timer(splash->m_hWnd);
  ASSERT_TRUE(program.PumpUntil([&] { return timer.HeldTicks() > 0; }));
  EXPECT_GE(timer.TickCameAfter(shown), 300 - kTimerGranularityMs) << "its time ran out early";
  HWND h = FindSplash();
  ASSERT_NE(h, nullptr);
  HWND owner = ::GetWindow(h, GW_OWNER);
  ASSERT_NE(owner, nullptr);
  EXPECT_FALSE(::IsWindowVisible(owner));
  RECT rc, work;
  ::GetWindowRect(h, &rc);
  ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((rc.left + rc.right) / 2, (work.left + work.right) / 2, 1);
  EXPECT_NEAR((rc.top + rc.bottom) / 2, (work.top + work.bottom) / 2, 1);
  BITMAP bm = {};
  HBITMAP picture = static_cast<HBITMAP>(
      ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH), IMAGE_BITMAP, 0, 0, 0));
  ::GetObjectA(picture, sizeof bm, &bm);
  ::DeleteObject(picture);
  EXPECT_EQ(rc.right - rc.left, bm.bmWidth);
  EXPECT_EQ(rc.bottom - rc.top, bm.bmHeight);
  program.Pump();
  SaveWindowScreenshot(h, ScreenshotFolder() + "splash.bmp");
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 1);
  timer.Release();
  ASSERT_TRUE(program.PumpUntil([] { return CStartupSplashWnd::GetLiveCount() == 0; }));
  EXPECT_FALSE(::IsWindow(h));
  EXPECT_FALSE(::IsWindow(owner));
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  EXPECT_EQ(program.Exit(), 0);
}

TEST(Splash, AClickOrAKeyClosesItAtOnceAndGoesNoFurther) {
  CProgramHarness program("splash_input");
  ASSERT_TRUE(program.Start());
  for (UINT message : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(WM_KEYDOWN),
                       static_cast<UINT>(WM_RBUTTONDOWN)}) {
    CStartupSplashWnd* splash = new CStartupSplashWnd(IDB_SPLASH, 60000);
    ASSERT_TRUE(splash->Show());
    HWND h = FindSplash();
    ASSERT_NE(h, nullptr);
    ::PostMessageA(h, message, message == WM_KEYDOWN ? 'A' : MK_LBUTTON, MAKELPARAM(5, 5));
    program.Pump();
    EXPECT_FALSE(::IsWindow(h)) << message;
    EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0) << message;
  }
  EXPECT_EQ(program.Exit(), 0);
}

TEST(Splash, WithoutItsPictureNothingShows) {
  CStartupSplashWnd* splash = new CStartupSplashWnd(4242, 100);
  EXPECT_FALSE(splash->Show());
  EXPECT_EQ(splash->m_hWnd, nullptr);
  delete splash;  // the caller frees what never showed
  EXPECT_EQ(CStartupSplashWnd::GetLiveCount(), 0);
  CBitmap bitmap;
  CPalette palette;
  EXPECT_FALSE(CStartupSplashWnd::LoadBitmapAndPalette(MAKEINTRESOURCEA(4242), bitmap, palette));
  // The program's own picture has more than 256 colours: a halftone palette.
  ASSERT_TRUE(CStartupSplashWnd::LoadBitmapAndPalette(MAKEINTRESOURCEA(IDB_SPLASH), bitmap, palette));
  EXPECT_GT(palette.GetEntryCount(), 0);
}

namespace {

// A DIB section of the given depth with a colour table of distinct colours.
HBITMAP MakeDibSection(WORD bits) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info = {};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = 4;
  info.header.biHeight = 4;
  info.header.biPlanes = 1;
  info.header.biBitCount = bits;
  info.header.biCompression = BI_RGB;
  for (int i = 0; i < 256; ++i) {
    info.colours[i].rgbRed = static_cast<BYTE>(i);
    info.colours[i].rgbGreen = static_cast<BYTE>(255 - i);
    info.colours[i].rgbBlue = static_cast<BYTE>(i * 7);
  }
  void* pixels = nullptr;
  return ::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                            &pixels, nullptr, 0);
}

}  // namespace

// On a palette display the splash realises a palette: its picture's own colours when it has a
// colour table, else a halftone palette.
TEST(Splash, PaletteIsThePicturesColourTableOrAHalftone) {
  CPalette palette;
  for (auto [bits, expected] : {std::pair<WORD, int>{8, 256}, {4, 16}, {1, 2}}) {
    HBITMAP dib = MakeDibSection(bits);
    ASSERT_NE(dib, nullptr);
    ASSERT_TRUE(CStartupSplashWnd::MakePalette(dib, palette));
    ASSERT_EQ(palette.GetEntryCount(), expected) << bits << " bits";
    std::vector<PALETTEENTRY> entries(expected);
    palette.GetPaletteEntries(0, expected, entries.data());
    for (int i = 0; i < expected; ++i) {
      EXPECT_EQ(entries[i].peRed, i);
      EXPECT_EQ(entries[i].peGreen, 255 - i);
      EXPECT_EQ(entries[i].peBlue, static_cast<BYTE>(i * 7));
    }
    ::DeleteObject(dib);
  }
  // More colours than a table holds: the halftone palette, whatever the picture.
  HBITMAP deep = MakeDibSection(24);
  ASSERT_TRUE(CStartupSplashWnd::MakePalette(deep, palette));
  CPalette halftone;
  HDC screen = ::GetDC(nullptr);
  halftone.Attach(::CreateHalftonePalette(screen));
  ::ReleaseDC(nullptr, screen);
  EXPECT_EQ(palette.GetEntryCount(), halftone.GetEntryCount());
  ::DeleteObject(deep);
  // Not a DIB section at all: no palette.
  HBITMAP plain = ::CreateBitmap(4, 4, 1, 1, nullptr);
  EXPECT_FALSE(CStartupSplashWnd::MakePalette(plain, palette));
  EXPECT_EQ(palette.m_hObject, nullptr);
  ::DeleteObject(plain);
}
