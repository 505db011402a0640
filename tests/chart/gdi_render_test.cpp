#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "chart/Chart.h"
#include "chart/Chart2D.h"
#include "tests/chart/chart_testdata.h"
#include "tests/chart/gdi_canvas.h"

namespace qxchart {
namespace {

using namespace prop;
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGrid = RGB(192, 192, 192);
const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The smallest rectangle holding every pixel of area for which ink(colour) is true; empty
// (right < left) when there is none.
template <typename Ink>
RECT InkBox(const Canvas& c, const RECT& area, Ink ink) {
  RECT box = {area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (!ink(c.Pixel(x, y))) continue;
      box.left = std::min<LONG>(box.left, x);
      box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x + 1);
      box.bottom = std::max<LONG>(box.bottom, y + 1);
    }
  }
  return box;
}

// A 400 x 300 chart with the plot at 100..350 x 50..250 for data 0..10 x 0..10, one red
// line without markers, no frame: data (t, t) lands on pixel (100 + 25 t, 250 - 20 t).
class LineChart : public ::testing::Test {
 protected:
  void SetUp() override {
    chart.SetSize(400, 300);
    chart.SetInt(kMarginBottom, 50);
    chart.SetInt(kMarginLeft, 100);
    chart.SetInt(kMarginRight, 50);
    chart.SetInt(kMarginTop, 50);
    chart.SetDouble(kXMin, 0);
    chart.SetDouble(kXMax, 10);
    chart.SetDouble(kYMin, 0);
    chart.SetDouble(kYMax, 10);
    chart.SetInt(kFrame, 0);
    data = OneSet({0, 4, kNaN, 6, 10}, {0, 4, kNaN, 6, 10});
    ChartStyle s;
    s.linePattern = kLineSolid;
    s.lineColor = s.pointColor = kRed;
    s.lineWidth = 1;
    s.pointSymbol = kSymbolNone;
    chart.SetNthDataStyle(0, s);
    chart.SetData(kData, data.get());
  }
  static int PX(double t) { return 100 + static_cast<int>(25 * t); }
  static int PY(double t) { return 250 - static_cast<int>(20 * t); }

  Chart chart;
  std::unique_ptr<ChartData> data;
};

TEST_F(LineChart, LineHitsPredictedPixelsAndHolesBreakIt) {
  Canvas c(400, 300);
  ASSERT_TRUE(c.Ok());
  ASSERT_TRUE(chart.DrawToDC(c.Dc(), 3, 1, 0, 0, 400, 300));
  // (The origin itself lies under the axes, drawn after the data.)
  for (double t : {0.2, 1.0, 2.0, 3.0, 4.0, 6.0, 7.0, 8.0, 9.0, 10.0})
    EXPECT_EQ(c.Pixel(PX(t), PY(t)), kRed) << t;
  // The hole at t = 5: nothing between 4 and 6.
  EXPECT_EQ(c.Pixel(PX(5), PY(5)), kWhite);
  EXPECT_EQ(c.Count(PX(4.4), PY(5.6), PX(5.6), PY(4.4), kRed), 0);
  // The unmap is exactly where the drawing goes.
  const ChartMapResult m = chart.Unmap(8, 8);
  EXPECT_EQ(c.Pixel(m.pixelX, m.pixelY), kRed);
  // Background everywhere the chart does not draw; nothing outside its rectangle.
  EXPECT_EQ(c.Pixel(390, 10), kWhite);
  // No grid asked for: no grid pixels.
  EXPECT_EQ(c.Count(0, 0, 400, 300, kGrid), 0);
  // Frame off: the top and right edges of the plot stay white (away from the line).
  EXPECT_EQ(c.Pixel(200, 50), kWhite);
  EXPECT_EQ(c.Pixel(350, 200), kWhite);
  // The axes are there.
  EXPECT_EQ(c.Pixel(200, 250), kBlack);
  EXPECT_EQ(c.Pixel(100, 100), kBlack);
}

TEST_F(LineChart, GridFrameAndMarkers) {
  chart.SetInt(kFrame, 1);
  chart.SetDouble(kXTickSpacing, 2);
  chart.SetInt(kXGridAuto, 1);
  chart.SetDouble(kYGridSpacing, 5);
  ChartStyle s;
  chart.GetNthDataStyle(0, &s);
  s.pointSymbol = kSymbolBox;
  s.pointSize = 5;
  s.pointColor = RGB(0, 0, 255);
  chart.SetNthDataStyle(0, s);
  Canvas c(400, 300);
  ASSERT_TRUE(chart.DrawToDC(c.Dc(), 3, 1, 0, 0, 400, 300));
  // Frame.
  EXPECT_EQ(c.Pixel(200, 50), kBlack);
  EXPECT_EQ(c.Pixel(350, 200), kBlack);
  // Vertical grid lines every 2 units (x = 150, 200, ...), horizontal ones at y = 5 (150).
  EXPECT_EQ(c.Pixel(150, 70), kGrid);
  EXPECT_EQ(c.Pixel(300, 230), kGrid);
  EXPECT_EQ(c.Pixel(175, 70), kWhite);
  EXPECT_EQ(c.Pixel(130, 150), kGrid);
  EXPECT_EQ(c.Pixel(130, 200), kWhite);
  // Box markers 5 x 5 centred on the points, over the line; clipped at the plot edge.
  EXPECT_EQ(c.Count(PX(4) - 2, PY(4) - 2, PX(4) + 3, PY(4) + 3, RGB(0, 0, 255)), 25);
  EXPECT_EQ(c.Pixel(PX(4) + 3, PY(4)), kWhite);
  // At the corner only the quarter inside the plot shows, less the frame drawn over it.
  EXPECT_EQ(c.Count(PX(10) - 2, PY(10) - 2, PX(10) + 3, PY(10) + 3, RGB(0, 0, 255)), 4);
  EXPECT_EQ(c.Count(PX(10) + 1, PY(10) - 2, PX(10) + 3, PY(10) + 3, RGB(0, 0, 255)), 0);
}

TEST_F(LineChart, HugeValuesAreClippedBeforeGdi) {
  data->SetX(0, 2, 1e300);  // fills the hole with a far-away point
  data->SetY(0, 2, -1e300);
  Canvas c(400, 300);
  ASSERT_TRUE(chart.DrawToDC(c.Dc(), 3, 1, 0, 0, 400, 300));
  // The segments to the far point leave the plot through its edges and nothing spills out.
  EXPECT_EQ(c.Count(351, 0, 400, 300, kRed), 0);
  EXPECT_EQ(c.Count(0, 251, 400, 300, kRed), 0);
  EXPECT_EQ(c.Pixel(PX(2), PY(2)), kRed);
}

TEST_F(LineChart, DrawToDcScales) {
  Canvas one(400, 300), two(800, 600);
  ASSERT_TRUE(chart.DrawToDC(one.Dc(), 3, 1, 0, 0, 400, 300));
  ASSERT_TRUE(chart.DrawToDC(two.Dc(), 3, 1, 0, 0, 800, 600));
  for (double t : {1.0, 2.0, 8.0}) EXPECT_EQ(two.Pixel(2 * PX(t), 2 * PY(t)), kRed) << t;
  // The line is two pixels wide, the x axis too.
  EXPECT_EQ(two.Pixel(2 * PX(2) + 1, 2 * PY(2)), kRed);
  EXPECT_EQ(two.Pixel(400, 500), kBlack);
  EXPECT_EQ(two.Pixel(400, 501), kBlack);
  EXPECT_EQ(two.Pixel(400, 499), kWhite);
  // Ticks grow with the scale: one below the x axis reaches twice as far.
  double step = 0;
  ASSERT_TRUE(chart.GetDouble(kXTickSpacing, &step));
  const int tx = PX(step), tick = chart.Layout().spacing.tick;
  EXPECT_EQ(one.Pixel(tx, 250 + tick), kBlack);
  EXPECT_EQ(one.Pixel(tx, 250 + tick + 1), kWhite);
  EXPECT_EQ(two.Pixel(2 * tx, 500 + 2 * tick + 1), kBlack);
  EXPECT_EQ(two.Pixel(2 * tx, 500 + 2 * tick + 2), kWhite);
  // Offsets place the whole picture; nothing outside the target rectangle changes.
  Canvas off(500, 400);
  ASSERT_TRUE(chart.DrawToDC(off.Dc(), 3, 1, 60, 40, 400, 300));
  EXPECT_EQ(off.Pixel(60 + PX(3), 40 + PY(3)), kRed);
  EXPECT_EQ(off.Pixel(59, 100), RGB(0x55, 0x66, 0x77));
  EXPECT_EQ(off.Pixel(460, 100), RGB(0x55, 0x66, 0x77));
  EXPECT_EQ(off.Pixel(100, 340), RGB(0x55, 0x66, 0x77));
  // Printing-size factors: the line is about six pixels wide.
  Canvas six(2400, 1800);
  ASSERT_TRUE(chart.DrawToDC(six.Dc(), 3, 4, 0, 0, 2400, 1800));
  EXPECT_EQ(six.Pixel(6 * PX(2), 6 * PY(2)), kRed);
  EXPECT_EQ(six.Pixel(6 * PX(2) + 2, 6 * PY(2)), kRed);
  EXPECT_EQ(six.Pixel(6 * PX(2) + 6, 6 * PY(2)), kWhite);
  // Nothing to draw into.
  EXPECT_FALSE(chart.DrawToDC(one.Dc(), 3, 1, 0, 0, 0, 300));
  EXPECT_FALSE(chart.DrawToDC(nullptr, 3, 1, 0, 0, 400, 300));
}

TEST_F(LineChart, DeviceUnitsOnAnIsotropicDc) {
  Canvas c(600, 500);
  SetMapMode(c.Dc(), MM_ISOTROPIC);
  SetWindowExtEx(c.Dc(), 1000, 1000, nullptr);
  SetViewportExtEx(c.Dc(), 500, 500, nullptr);
  SetViewportOrgEx(c.Dc(), 10, 20, nullptr);
  ASSERT_TRUE(chart.DrawToDC(c.Dc(), 3, kDrawDeviceUnits, 50, 60, 400, 300));
  EXPECT_EQ(c.Pixel(50 + PX(3), 60 + PY(3)), kRed);
  EXPECT_EQ(GetMapMode(c.Dc()), MM_ISOTROPIC);
  POINT org;
  GetViewportOrgEx(c.Dc(), &org);
  EXPECT_EQ(org.x, 10);
  EXPECT_EQ(org.y, 20);
}

int Gcd(int a, int b) {
  return b == 0 ? a : Gcd(b, a % b);
}

// The smallest multiple of the pixel count whose size in 0.01 mm is whole, at least `least`.
int ExactFrameSize(int pixels, int hundredthsMm, int least) {
  const int unit = pixels / Gcd(pixels, hundredthsMm);
  return unit * ((least + unit - 1) / unit);
}

TEST_F(LineChart, MetafilePlaysBackToTheSamePicture) {
  // A metafile frame is kept in 0.01 mm: pick a chart size for which it is exact on this
  // reference device, so that playback is at exactly 1:1.
  HDC screen = GetDC(nullptr);
  const int hres = GetDeviceCaps(screen, HORZRES), vres = GetDeviceCaps(screen, VERTRES);
  const int hmm = GetDeviceCaps(screen, HORZSIZE), vmm = GetDeviceCaps(screen, VERTSIZE);
  ReleaseDC(nullptr, screen);
  const int w = ExactFrameSize(hres, hmm * 100, 400), h = ExactFrameSize(vres, vmm * 100, 300);
  if (w > 3000 || h > 3000) GTEST_SKIP() << "no exact metafile frame on this device";
  chart.SetSize(w, h);
  Canvas direct(w, h, kWhite), played(w, h, kWhite);
  ASSERT_TRUE(chart.DrawToDC(direct.Dc(), 3, 1, 0, 0, w, h));

  RECT frame = {0, 0, w * hmm * 100 / hres, h * vmm * 100 / vres};
  HDC emf = CreateEnhMetaFileA(nullptr, nullptr, &frame, nullptr);
  ASSERT_NE(emf, nullptr);
  ASSERT_TRUE(chart.DrawToDC(emf, 1, kDrawDeviceUnits, 0, 0, w, h));
  HENHMETAFILE meta = CloseEnhMetaFile(emf);
  ASSERT_NE(meta, nullptr);
  RECT target = {0, 0, w, h};
  ASSERT_TRUE(PlayEnhMetaFile(played.Dc(), meta, &target));
  DeleteEnhMetaFile(meta);

  const ChartMapResult a = chart.Unmap(2, 2), b = chart.Unmap(5, 5);
  EXPECT_EQ(played.Pixel(a.pixelX, a.pixelY), kRed);
  EXPECT_EQ(played.Pixel(b.pixelX, b.pixelY), kWhite);  // the hole
  EXPECT_GT(played.Count(0, 0, w, h, kBlack), 500);     // axes, frame-less, numbers
  EXPECT_EQ(played.Differences(direct), 0);
}

// The view's equal scales: it measures the plot at the automatic ranges, then sets ranges with
// the same data units per pixel on both axes. The plot keeps its place, so a circle in the
// data is drawn round.
TEST(ChartRender, EqualScalesDrawCirclesRound) {
  Chart chart;
  chart.SetSize(520, 380);
  const int n = 73;
  auto circle = ChartData::Create(ChartData::kTypeGeneral, 1, n);
  for (int i = 0; i < n; ++i) {
    const double a = i * 2 * 3.14159265358979 / (n - 1);
    circle->SetX(0, i, 20 + 10 * std::cos(a));
    circle->SetY(0, i, 15 + 10 * std::sin(a));
  }
  ChartStyle s;
  s.lineColor = s.pointColor = kRed;
  s.pointSymbol = kSymbolNone;
  chart.SetNthDataStyle(0, s);
  chart.SetData(kData, circle.get());
  const ChartLayout automatic = chart.Layout();
  ASSERT_TRUE(automatic.valid);
  const double unit = std::max((automatic.x.max - automatic.x.min) / automatic.plot.Width(),
                               (automatic.y.max - automatic.y.min) / automatic.plot.Height());
  chart.SetDouble(kXMin, automatic.x.min);
  chart.SetDouble(kXMax, automatic.x.min + unit * automatic.plot.Width());
  chart.SetDouble(kYMin, automatic.y.min);
  chart.SetDouble(kYMax, automatic.y.min + unit * automatic.plot.Height());
  const ChartLayout equal = chart.Layout();
  EXPECT_EQ(equal.plot.left, automatic.plot.left);
  EXPECT_EQ(equal.plot.top, automatic.plot.top);
  EXPECT_EQ(equal.plot.right, automatic.plot.right);
  EXPECT_EQ(equal.plot.bottom, automatic.plot.bottom);

  Canvas c(520, 380);
  ASSERT_TRUE(chart.DrawToDC(c.Dc(), 3, 1, 0, 0, 520, 380));
  const RECT ink = InkBox(c, RECT{0, 0, 520, 380}, [](COLORREF v) { return v == kRed; });
  const double diameter = 20 / unit;
  ASSERT_GT(diameter, 40);
  EXPECT_NEAR(ink.right - ink.left, diameter, 2);
  EXPECT_NEAR(ink.bottom - ink.top, diameter, 2);
  // The right and top of the circle are where the data put them (its left or bottom may touch
  // an axis, which is drawn over it).
  EXPECT_NEAR(ink.right - 1, chart.Unmap(30, 15).pixelX, 1);
  EXPECT_NEAR(ink.top, chart.Unmap(20, 25).pixelY, 1);
}

TEST(ChartText, TextAreasTitlesAndFonts) {
  Chart chart;
  chart.SetSize(500, 400);
  auto data = OneSet({0, 10}, {0, 30});
  chart.SetData(kData, data.get());
  ASSERT_TRUE(chart.SetFontText(kFont, "Arial,10"));
  HFONT first = nullptr;
  ASSERT_TRUE(chart.GetFont(kFont, &first));
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(chart.SetFont(kTitleFont, first));
  EXPECT_FALSE(chart.SetFontText(kFont, "Arial"));
  EXPECT_FALSE(chart.SetFontText(kTitleFont, "Arial,10"));
  EXPECT_FALSE(chart.SetFont(kFont, first));
  chart.SetString(kXTitle, "Minor principal stress (MPa)");
  chart.SetString(kYTitle, "Major principal stress (MPa)");

  ChartTextArea* area = chart.CreateTextArea();
  area->SetInt(kAreaAttach, 1);
  area->SetInt(kAreaBorder, 5);
  area->SetColor(kBackground, RGB(255, 251, 240));
  area->SetInt(kAreaAdjust, 4);
  area->SetInt(kAreaShown, 1);
  area->SetDouble(kAreaX, 5);
  area->SetDouble(kAreaY, 15);
  area->SetInt(kAreaAnchor, kAnchorRight);
  area->SetFont(kAreaFont, first);
  const char* lines[] = {"sig3=5,sig1=15", nullptr};
  area->SetLines(kAreaLines, lines);

  Canvas c(500, 400);
  ASSERT_TRUE(chart.DrawToDC(c.Dc(), 3, 1, 0, 0, 500, 400));
  const ChartLayout l = chart.Layout();
  const ChartMapResult p = chart.Unmap(5, 15);
  ASSERT_TRUE(p.valid);
  // The label box lies right of its point, with its background and some text.
  const COLORREF bg = RGB(255, 251, 240);
  EXPECT_GT(c.Count(p.pixelX, p.pixelY - 10, p.pixelX + 150, p.pixelY + 10, bg), 100);
  EXPECT_EQ(c.Count(p.pixelX - 150, p.pixelY - 10, p.pixelX - 1, p.pixelY + 10, bg), 0);
  auto inked = [&](int x0, int y0, int x1, int y1) {
    return (x1 - x0) * (y1 - y0) - c.Count(x0, y0, x1, y1, kWhite);
  };
  // The x title below the numbers, the rotated y title at the left edge (tall, not wide).
  EXPECT_GT(inked(l.plot.left, l.height - l.titleHeight - 6, l.plot.right, l.height), 20);
  const int yTitleBottom = l.height / 2 + 60;
  EXPECT_GT(inked(0, l.plot.top, l.spacing.gap + l.titleHeight + 1, yTitleBottom), 20);
  EXPECT_EQ(inked(0, 0, l.spacing.gap + l.titleHeight + 1, l.plot.top - 5), 0);
  // Tick labels left of the y axis.
  EXPECT_GT(inked(l.spacing.gap + l.titleHeight + 2, l.plot.top, l.plot.left - 5, l.plot.bottom),
            10);

  // At 2:1 the text is twice as large: the x title's ink doubles in width and height.
  Canvas twice(1000, 800);
  ASSERT_TRUE(chart.DrawToDC(twice.Dc(), 3, 1, 0, 0, 1000, 800));
  auto notWhite = [](COLORREF v) { return v != kWhite; };
  const int titleTop = l.height - l.spacing.gap - l.titleHeight - 1;
  const RECT one = InkBox(c, RECT{l.plot.left, titleTop, l.width, l.height}, notWhite);
  const RECT two =
      InkBox(twice, RECT{2 * l.plot.left, 2 * titleTop, 2 * l.width, 2 * l.height}, notWhite);
  ASSERT_GT(one.right - one.left, 50);
  EXPECT_NEAR(two.right - two.left, 2.0 * (one.right - one.left), 0.1 * (one.right - one.left));
  EXPECT_NEAR(two.bottom - two.top, 2.0 * (one.bottom - one.top), 3);

  // Anchored left, the box moves to the other side of its point.
  ASSERT_TRUE(area->SetInt(kAreaAnchor, kAnchorLeft));
  Canvas left(500, 400);
  ASSERT_TRUE(chart.DrawToDC(left.Dc(), 3, 1, 0, 0, 500, 400));
  EXPECT_GT(left.Count(p.pixelX - 150, p.pixelY - 10, p.pixelX, p.pixelY + 10, bg), 100);
  EXPECT_EQ(left.Count(p.pixelX + 1, p.pixelY - 10, p.pixelX + 150, p.pixelY + 10, bg), 0);

  // Handles once given out stay valid when the font changes, and a font text made before
  // gives the same handle again.
  ASSERT_TRUE(chart.SetFontText(kFont, "Courier New,12,Bold"));
  HFONT second = nullptr;
  chart.GetFont(kFont, &second);
  EXPECT_NE(second, first);
  LOGFONTA lf;
  EXPECT_EQ(GetObjectA(first, sizeof lf, &lf), static_cast<int>(sizeof lf));
  ASSERT_TRUE(chart.SetFontText(kFont, "Arial,10"));
  HFONT again = nullptr;
  chart.GetFont(kFont, &again);
  EXPECT_EQ(again, first);
  // A bigger font gives bigger automatic margins.
  const int before = l.margins.left;
  chart.SetFontText(kFont, "Arial,20");
  EXPECT_GT(chart.Layout().margins.left, before);
  EXPECT_TRUE(chart.DestroyTextArea(area));
}

// A font handed out stays usable while the chart lives, however often the font is set again:
// the view selects it for its results text and gives it to the samplers' labels.
TEST(ChartText, FontsHandedOutLiveAsLongAsTheChart) {
  auto chart = std::make_unique<Chart>();
  ASSERT_TRUE(chart->SetFontText(kFont, "Arial,10"));
  HFONT first = nullptr;
  ASSERT_TRUE(chart->GetFont(kFont, &first));
  ASSERT_TRUE(chart->SetFontText(kFont, "Arial,14,Bold"));
  HFONT second = nullptr;
  ASSERT_TRUE(chart->GetFont(kFont, &second));
  ASSERT_NE(first, second);
  ASSERT_TRUE(chart->SetFontText(kFont, "Arial,10"));
  HFONT again = nullptr;
  ASSERT_TRUE(chart->GetFont(kFont, &again));
  EXPECT_EQ(again, first);  // made once
  LOGFONTA lf = {};
  ASSERT_EQ(::GetObjectA(first, sizeof lf, &lf), static_cast<int>(sizeof lf));
  ASSERT_EQ(::GetObjectA(second, sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_GE(lf.lfWeight, FW_BOLD);
  chart.reset();
  EXPECT_EQ(::GetObjectA(first, sizeof lf, &lf), 0);  // freed with the chart, not leaked
}

TEST(ChartWrapper, DestroyWithoutCreate) {
  CChart2D never;
  EXPECT_EQ(never.GetChart(), nullptr);
  never.Destroy();
  never.Destroy();
  EXPECT_EQ(never.GetSafeHwnd(), nullptr);
  EXPECT_EQ(never.OnChildNotify(WM_COMMAND, 0, 0, nullptr), 0);
}

}  // namespace
}  // namespace qxchart
