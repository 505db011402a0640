// Times whole draws of the benchmark chart into a memory bitmap and into an enhanced metafile
// under the Windows build. Prints the figures; never fails on time.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "bench/chart/bench_chart.h"
#include "chart/Chart.h"
#include "chart/ChartGdiObjects.h"

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
  chart.SetSize(kBenchWidth, kBenchHeight);
  BenchData data;
  SetUpBenchChart(chart, data);

  MemoryDC mem;
  ASSERT_NE(mem.Get(), nullptr);
  HDC screen = GetDC(nullptr);
  GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, kBenchWidth, kBenchHeight));
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(bitmap);
  SelectGuard select(mem.Get(), bitmap.Get());

  const double bitmapMs = MillisecondsPerCall(
      50, [&] { chart.DrawToDC(mem.Get(), 3, 1, 0, 0, kBenchWidth, kBenchHeight); });
  const double metafileMs = MillisecondsPerCall(20, [&] {
    HDC emf = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    chart.DrawToDC(emf, 1, 4, 0, 0, kBenchWidth, kBenchHeight);
    DeleteEnhMetaFile(CloseEnhMetaFile(emf));
  });
  std::printf("chart draw, 2 x 500 points, 1000 x 700: memory bitmap %.3f ms, metafile %.3f ms\n",
              bitmapMs, metafileMs);
  RecordProperty("bitmap_ms", std::to_string(bitmapMs));
  RecordProperty("metafile_ms", std::to_string(metafileMs));
}

}  // namespace
}  // namespace qxchart
