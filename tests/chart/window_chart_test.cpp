#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "chart/Chart2D.h"
#include "tests/chart/gdi_canvas.h"
#include "tests/support/Screenshot.h"
#include "tests/support/WaitUntil.h"

namespace qxchart {
namespace {

using namespace prop;

// Handles messages until the window is painted; FALSE when it is not after the cap (meant for
// a stuck machine, not a slow one).
bool PumpUntilPainted(HWND top) {
  return qxtest::WaitUntil([top] { return qxtest::IsPainted(top); }, [] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  });
}

// A plain top-level window to hold the chart.
class Host : public CWnd {
 public:
  Host(int w, int h) {
    RECT r = {0, 0, w, h};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    LPCSTR cls = AfxRegisterWndClass(0, nullptr, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    CreateEx(WS_EX_TOPMOST, cls, "Chart gallery", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
             r.right - r.left, r.bottom - r.top, nullptr, nullptr);
  }
};

// Copies the window's client area as it is on the screen.
void CaptureClient(HWND hwnd, Canvas* out) {
  HDC dc = GetDC(hwnd);
  BitBlt(out->Dc(), 0, 0, out->Width(), out->Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(hwnd, dc);
}

// Two data objects: data 1 shows every line pattern (one set each), data 2 every symbol.
struct Gallery {
  std::unique_ptr<ChartData> lines, symbols;
  ChartTextArea* area = nullptr;

  void Fill(Chart* c) {
    const int patterns[] = {kLineSolid, kLineLongDash, kLineDotted, kLineDashed, kLineDashDot};
    const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(0, 0, 0),
                                RGB(255, 0, 255)};
    lines = ChartData::Create(2, 5, 41);
    for (int s = 0; s < 5; ++s) {
      for (int i = 0; i <= 40; ++i) {
        const double x = i * 0.25;
        lines->SetX(s, i, x);
        lines->SetY(s, i, 10 + 12 * s + 4 * std::sin(x + s));
      }
      ChartStyle st;
      c->GetNthDataStyle(s, &st);
      st.linePattern = patterns[s];
      st.lineColor = st.pointColor = colours[s];
      st.lineWidth = s == 0 ? 3 : 1;
      st.pointSymbol = kSymbolNone;
      c->SetNthDataStyle(s, st);
    }
    lines->SetY(0, 20, std::nan(""));  // a hole in the solid line
    symbols = ChartData::Create(2, 7, 6);
    for (int s = 0; s < 7; ++s) {
      for (int i = 0; i < 6; ++i) {
        symbols->SetX(s, i, 0.5 + i * 1.8);
        symbols->SetY(s, i, 4 + s * 1.1 + (i % 2) * 0.3);
      }
      ChartStyle st;
      c->GetNthDataStyle2(s, &st);
      st.linePattern = kLineNone;
      st.pointSymbol = kSymbolDot + s;
      st.pointSize = 7;
      c->SetNthDataStyle2(s, st);
    }
    c->SetInt(kUpdatesOn, 0);
    c->SetFontText(kFont, "Arial,9");
    HFONT font = nullptr;
    c->GetFont(kFont, &font);
    c->SetFont(kTitleFont, font);
    c->SetString(kXTitle, "Minor principal stress (MPa)");
    c->SetString(kYTitle, "Major principal stress (MPa)");
    for (int id : {kDecoration60B, kDecoration609, kDecoration60C, kDecoration608, kDecoration60A})
      c->SetInt(id, 0);
    c->SetInt(kXGridAuto, 1);
    c->SetInt(kYGridAuto, 1);
    c->SetInt(kFrame, 1);
    ChartStyle axis;
    c->GetStyle(kXAxisStyle, &axis);
    axis.lineWidth = 2;
    c->SetStyle(kXAxisStyle, axis);
    c->SetStyle(kYAxisStyle, axis);
    c->SetData(kData, lines.get());
    c->SetData(kData2, symbols.get());
    area = c->CreateTextArea();
    area->SetInt(kAreaAttach, 1);
    area->SetInt(kAreaBorder, 5);
    area->SetColor(kBackground, RGB(255, 251, 240));
    area->SetInt(kAreaAdjust, 4);
    area->SetInt(kAreaShown, 1);
    area->SetInt(kAreaAnchor, kAnchorRight);
    area->SetDouble(kAreaX, 5);
    area->SetDouble(kAreaY, 30);
    area->SetFont(kAreaFont, font);
    static const char* text[] = {"sig3=5,sig1=30", "c=1.25,phi=31.5", nullptr};
    area->SetLines(kAreaLines, text);
    c->SetInt(kUpdatesOn, 1);
  }
};

TEST(ChartWindow, GalleryPaintsWhatDrawToDcDraws) {
  Host host(720, 520);
  ASSERT_NE(host.m_hWnd, nullptr);
  CChart2D chart;
  RECT r = {0, 0, 720, 520};
  ASSERT_TRUE(chart.Create("", WS_CHILD | WS_VISIBLE, r, &host, 0));
  ASSERT_NE(chart.GetChart(), nullptr);
  Gallery g;
  g.Fill(chart.GetChart());
  UpdateWindow(host.m_hWnd);
  ASSERT_TRUE(PumpUntilPainted(host.m_hWnd));

  const std::string shot = qxtest::ScreenshotFolder() + "chart_gallery.bmp";
  EXPECT_TRUE(qxtest::SaveWindowScreenshot(host.m_hWnd, shot)) << shot;

  // The window paints exactly what DrawToDC draws at 1:1.
  Canvas screen(720, 520), drawn(720, 520);
  CaptureClient(chart.GetSafeHwnd(), &screen);
  ASSERT_TRUE(chart.GetChart()->DrawToDC(drawn.Dc(), 3, 1, 0, 0, 720, 520));
  EXPECT_EQ(screen.Differences(drawn), 0);
  // And it is a picture: data colours, the label background, grid.
  EXPECT_GT(screen.Count(0, 0, 720, 520, RGB(255, 0, 0)), 200);
  EXPECT_GT(screen.Count(0, 0, 720, 520, RGB(255, 251, 240)), 300);
  EXPECT_GT(screen.Count(0, 0, 720, 520, RGB(192, 192, 192)), 300);

  // The view's use: a chart drawn beside another one at an offset matches its own picture.
  Canvas shifted(900, 520);
  ASSERT_TRUE(chart.GetChart()->DrawToDC(shifted.Dc(), 3, 1, 180, 0, 720, 520));
  EXPECT_EQ(shifted.Pixel(180 + 300, 200), drawn.Pixel(300, 200));

  // Destroying attached data while the window shows it is safe.
  g.symbols.reset();
  InvalidateRect(chart.GetSafeHwnd(), nullptr, FALSE);
  UpdateWindow(chart.GetSafeHwnd());
  ChartData* d2 = reinterpret_cast<ChartData*>(1);
  chart.GetChart()->GetData(kData2, &d2);
  EXPECT_EQ(d2, nullptr);
}

TEST(ChartWindow, RepaintFlags) {
  Host host(300, 200);
  CChart2D chart;
  RECT r = {0, 0, 300, 200};
  ASSERT_TRUE(chart.Create("", WS_CHILD | WS_VISIBLE, r, &host, 0));
  HWND w = chart.GetSafeHwnd();
  Chart* c = chart.GetChart();
  auto dirty = [&] { return GetUpdateRect(w, nullptr, FALSE) != 0; };
  UpdateWindow(w);
  ValidateRect(w, nullptr);

  c->SetDouble(kXMax, 5);
  EXPECT_TRUE(dirty());
  ValidateRect(w, nullptr);
  // Batched: nothing until updates are on again.
  c->SetInt(kUpdatesOn, 0);
  c->SetDouble(kXMax, 6);
  c->SetString(kXTitle, "x");
  EXPECT_FALSE(dirty());
  c->SetInt(kUpdatesOn, 1);
  EXPECT_TRUE(dirty());
  ValidateRect(w, nullptr);
  // The view's hidden charts never invalidate.
  c->SetInt(kRepaint, 0);
  c->SetDouble(kXMax, 7);
  EXPECT_FALSE(dirty());
  // Its layout follows the window size.
  MoveWindow(w, 0, 0, 250, 150, FALSE);
  EXPECT_EQ(c->Layout().width, 250);
  EXPECT_EQ(c->Layout().height, 150);
}

TEST(ChartWindow, CreateAndDestroy) {
  Host host(200, 100);
  {
    CChart2D chart;
    RECT r = {0, 0, 200, 100};
    ASSERT_TRUE(chart.Create("", WS_CHILD, r, &host, 7));  // hidden, as the view makes it
    HWND w = chart.GetSafeHwnd();
    EXPECT_TRUE(IsWindow(w));
    EXPECT_FALSE(IsWindowVisible(w));
    EXPECT_EQ(GetDlgCtrlID(w), 7);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    EXPECT_STREQ(cls, "OlectraChart2D");
    EXPECT_EQ(chart.GetChart()->Window(), w);
    // The framework knows the window as this object, and notifications offered back to it
    // are left to the parent.
    EXPECT_EQ(CWnd::FromHandlePermanent(w), &chart);
    EXPECT_TRUE(chart.IsKindOf(RUNTIME_CLASS(CWnd)));
    LRESULT result = 0;
    EXPECT_FALSE(CWnd::ReflectToChild(w, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED),
                                      reinterpret_cast<LPARAM>(w), &result));
    // A second Create while the window exists changes nothing.
    qxchart::Chart* first = chart.GetChart();
    EXPECT_FALSE(chart.Create("", WS_CHILD, r, &host, 8));
    EXPECT_EQ(chart.GetSafeHwnd(), w);
    EXPECT_EQ(chart.GetChart(), first);
    chart.Destroy();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_EQ(chart.GetSafeHwnd(), nullptr);
    EXPECT_EQ(chart.GetChart(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(w), nullptr);
    chart.Destroy();  // again: nothing left to destroy
  }
  {
    // The window going first (with its parent) leaves the chart without a window; a new
    // Create starts over with a new window and chart.
    Host parent(50, 50);
    CChart2D chart;
    RECT r = {0, 0, 50, 50};
    ASSERT_TRUE(chart.Create("", WS_CHILD, r, &parent, 0));
    parent.DestroyWindow();
    EXPECT_EQ(chart.GetSafeHwnd(), nullptr);
    ASSERT_NE(chart.GetChart(), nullptr);
    EXPECT_EQ(chart.GetChart()->Window(), nullptr);
    EXPECT_FALSE(chart.GetChart()->Unmap(0, 0).valid);
    ASSERT_TRUE(chart.Create("", WS_CHILD, r, &host, 0));
    EXPECT_EQ(chart.GetChart()->Window(), chart.GetSafeHwnd());
  }
  // A child window needs a parent.
  CChart2D orphan;
  RECT r = {0, 0, 10, 10};
  EXPECT_FALSE(orphan.Create("", WS_CHILD, r, nullptr, 0));
  EXPECT_EQ(orphan.GetSafeHwnd(), nullptr);
  EXPECT_EQ(orphan.GetChart(), nullptr);
}

}  // namespace
}  // namespace qxchart
