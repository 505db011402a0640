// Times whole chart draws (2 data objects of 500 points, 1000 x 700) into a memory bitmap and
// into an enhanced metafile under the Windows build. Prints the figures; never fails on time.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>

#include "chart/chart.h"
#include "chart/gdiobjects.h"

namespace qxchart {
namespace {

template <typename F>
double MillisecondsPerCall(int calls, F f) {
  f();  // warm: fonts, caches
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < calls; ++i) f();
  const auto t1 = std::chrono::steady_clock::now();
  return std::chrono::duration<double, std::milli>(t1 - t0).count() / calls;
}

TEST(ChartDrawTiming, MemoryBitmapAndMetafile) {
  Chart chart;
  chart.SetSize(1000, 700);
  auto a = ChartData::Create(2, 1, 500), b = ChartData::Create(2, 1, 500);
  for (int i = 0; i < 500; ++i) {
    const double x = i * 0.1;
    a->SetX(0, i, x);
    a->SetY(0, i, 50 + 40 * std::sin(x));
    b->SetX(0, i, x);
    b->SetY(0, i, 50 + 30 * std::cos(x));
  }
  ChartStyle s;
  s.pointSymbol = kSymbolBox;
  chart.SetNthDataStyle(0, s);
  s.linePattern = kLineDashed;
  chart.SetNthDataStyle2(0, s);
  chart.SetData(prop::kData, a.get());
  chart.SetData(prop::kData2, b.get());
  chart.SetInt(prop::kXGridAuto, 1);
  chart.SetInt(prop::kYGridAuto, 1);
  chart.SetString(prop::kXTitle, "Minor principal stress (MPa)");
  chart.SetString(prop::kYTitle, "Major principal stress (MPa)");

  MemoryDC mem;
  ASSERT_NE(mem.Get(), nullptr);
  HDC screen = GetDC(nullptr);
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, 1000, 700));
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(bitmap);
  SelectGuard select(mem.Get(), bitmap.Get());

  const double bitmapMs =
      MillisecondsPerCall(50, [&] { chart.DrawToDC(mem.Get(), 3, 1, 0, 0, 1000, 700); });
  const double metafileMs = MillisecondsPerCall(20, [&] {
    HDC emf = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    chart.DrawToDC(emf, 1, 4, 0, 0, 1000, 700);
    DeleteEnhMetaFile(CloseEnhMetaFile(emf));
  });
  std::printf("chart draw, 2 x 500 points, 1000 x 700: memory bitmap %.3f ms, metafile %.3f ms\n",
              bitmapMs, metafileMs);
  RecordProperty("bitmap_ms", std::to_string(bitmapMs));
  RecordProperty("metafile_ms", std::to_string(metafileMs));
}

}  // namespace
}  // namespace qxchart
