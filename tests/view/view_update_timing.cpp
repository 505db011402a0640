// Times a document update as the side bar causes it (both plots rebuilt at the default points
// per curve) followed by the view's painting into a bitmap, in the program under Wine. Prints
// the figures; never fails on time (the target is 16 ms: one frame).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "res/ShellResources.h"
#include "tests/view/view_program_support.h"

namespace {

using namespace viewtest;

void Project(CKelProject& p) {
  p.SetCriterion(CRITERION_HOEK_BROWN);
  p.m_hoekBrown.SetParameters(60, 12, 55, 0);
  p.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 10, 0.026, 50);
  const double x[] = {0, 2, 4, 6, 8, 10};
  double y[6];
  for (int i = 0; i < 6; ++i) y[i] = p.m_hoekBrown.GetSig1(x[i]) * 1.03;
  p.m_hoekBrown.SetLabData(6, x, y);
}

TEST(ViewUpdateTiming, RebuildAndPaint) {
  qxtest::CProgramHarness program("view_update_timing");
  ASSERT_TRUE(program.Start());
  ASSERT_NE(qxtest::OpenProject(program, "timing", Project), nullptr);
  CKelStrengthView* view = ActiveChartView(program);
  ASSERT_NE(view, nullptr);
  view->SendMessage(WM_COMMAND, ID_ANALYSIS_PLOT_TEST_DATA);  // test data shown: circles too
  CKelStrengthDoc* doc = view->GetDocument();
  RECT rc;
  view->GetClientRect(&rc);
  qxchart::Canvas canvas(rc.right, rc.bottom);
  CDC* dc = CDC::FromHandle(canvas.Dc());

  auto update = [&] {
    doc->m_hoekBrown.SetParameters(60, 12, 55, 0);
    doc->m_nRedrawHint = 2;
    doc->UpdateAllViews(nullptr, 0, nullptr);
    view->DrawOffscreen(dc);
  };
  update();  // warm: fonts, the shared bitmap
  const int calls = 40;
  const auto t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < calls; ++i) update();
  const auto t1 = std::chrono::steady_clock::now();
  const double ms = std::chrono::duration<double, std::milli>(t1 - t0).count() / calls;
  std::printf("document update, both plots at %d points, painted %ld x %ld: %.3f ms\n",
              view->GetPlotPointCount(), rc.right, rc.bottom, ms);
  RecordProperty("update_ms", std::to_string(ms));
}

}  // namespace
