// The stress samplers in the program under Xvfb, driven by mouse messages through the message
// loop: a click in a plot puts the line there and reads the model at that stress, a drag moves
// it (the other chart's line following), the instantaneous sampler adds the tangent, the
// context menu reaches the commands, and a criterion change switches the samplers off.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>

#include "framework/win/Menu.h"
#include "res/ShellResources.h"
#include "res/ViewResources.h"
#include "tests/view/side_bar_program_support.h"

namespace {

using qxtest::CProgramHarness;
using namespace viewtest;

const qxchart::ChartData* Overlay(CChart2D& chart) {
  qxchart::ChartData* data = nullptr;
  chart.GetChart()->GetData(qxchart::prop::kData2, &data);
  return data;
}

std::vector<std::string> Label(const qxchart::ChartTextArea* area) {
  return area->Shown() ? area->Lines() : std::vector<std::string>{};
}

std::string Pair(const char* format, double a, double b) {
  char text[128];
  std::snprintf(text, sizeof text, format, a, b);
  return text;
}

UINT g_menuAnswer = 0;
int g_menusTracked = 0;
BOOL AnswerMenu(HMENU, UINT, int, int, HWND, LPTPMPARAMS) {
  ++g_menusTracked;
  return static_cast<BOOL>(g_menuAnswer);
}

class SamplerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.Start());
    doc = qxtest::OpenProject(program, "sampler", [](CKelProject& p) {
      p.SetCriterion(CRITERION_HOEK_BROWN);
      p.m_hoekBrown.SetParameters(50, 15, 60, 0);
      p.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 10, 0.026, 50);
    });
    ASSERT_NE(doc, nullptr);
    view = ActiveChartView(program);
    ASSERT_NE(view, nullptr);
  }
  void Post(UINT message, WPARAM flags, POINT p) {
    ::PostMessageA(view->m_hWnd, message, flags, MAKELPARAM(p.x, p.y));
    program.Pump();
  }
  POINT Principal(double x, double y) { return ViewPixel(view, view->PrincipalChart(), x, y); }
  POINT Shear(double x, double y) { return ViewPixel(view, view->ShearChart(), x, y); }
  // The stress the chart shows at a view pixel of its plot.
  double PrincipalAt(POINT p) { return view->PrincipalChart().GetChart()->Map(p.x, p.y).x; }

  CProgramHarness program{"sampler"};
  CKelStrengthDoc* doc = nullptr;
  CKelStrengthView* view = nullptr;
};

TEST_F(SamplerProgram, AClickReadsTheEnvelopeThereAndADragMovesBothLines) {
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_STRESS_SAMPLER));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_STRESS_SAMPLER));
  EXPECT_FALSE(program.IsCommandChecked(ID_ANALYSIS_INSTANT_SAMPLER));
  const StressSampler& sampler = view->Sampler();
  ASSERT_TRUE(sampler.IsShown());
  ASSERT_NE(Overlay(view->PrincipalChart()), nullptr);

  // A click at sig3 = 4 in the principal plot.
  const POINT at = Principal(4.0, 10.0);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, at);
  const double sig3 = sampler.PrincipalX();
  EXPECT_EQ(sig3, PrincipalAt(at));
  EXPECT_NEAR(sig3, 4.0, 0.05);
  EXPECT_EQ(::GetCapture(), view->m_hWnd);
  const double sig1 = doc->m_hoekBrown.GetSig1(sig3);
  EXPECT_EQ(Label(view->PrincipalChart().GetChart()->Model().TextAreas()[0].get()),
            std::vector<std::string>{Pair("sig3=%.4g,sig1=%.4g", sig3, sig1)});
  EXPECT_EQ(sampler.ShearX(), doc->m_hoekBrown.GetSigNAtSig3(sig3));
  EXPECT_EQ(Overlay(view->ShearChart())->X(0, 0), sampler.ShearX());

  // Dragged to sig3 = 7: applied by the next paint.
  const POINT to = Principal(7.0, 10.0);
  Post(WM_MOUSEMOVE, MK_LBUTTON, to);
  view->UpdateWindow();
  EXPECT_NEAR(sampler.PrincipalX(), 7.0, 0.05);
  EXPECT_EQ(sampler.ShearX(), doc->m_hoekBrown.GetSigNAtSig3(sampler.PrincipalX()));
  Post(WM_LBUTTONUP, 0, to);
  EXPECT_EQ(::GetCapture(), nullptr);
  program.Screenshot("sampler_stress");

  // A click in the shear plot: the principal line follows through the model.
  const POINT s = Shear(6.0, 1.0);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, s);
  Post(WM_LBUTTONUP, 0, s);
  EXPECT_NEAR(sampler.ShearX(), 6.0, 0.05);
  EXPECT_EQ(sampler.PrincipalX(), doc->m_hoekBrown.GetSig3AtSigN(sampler.ShearX()));
  double tau = 0;
  doc->m_hoekBrown.CalcTauAtSigN(sampler.ShearX(), &tau);
  const qxchart::ChartTextArea* shearLabel =
      view->ShearChart().GetChart()->Model().TextAreas()[0].get();
  EXPECT_EQ(Label(shearLabel),
            std::vector<std::string>{Pair("sign=%.4g,sigtau=%.4g", sampler.ShearX(), tau)});

  // Off: the overlays and labels go.
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_STRESS_SAMPLER));
  EXPECT_EQ(Overlay(view->PrincipalChart()), nullptr);
  EXPECT_TRUE(Label(shearLabel).empty());
}

TEST_F(SamplerProgram, TheInstantaneousSamplerDrawsTheTangentAtTheLine) {
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_INSTANT_SAMPLER));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_INSTANT_SAMPLER));
  const StressSampler& sampler = view->Sampler();
  const POINT at = Principal(3.0, 10.0);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, at);
  Post(WM_LBUTTONUP, 0, at);
  const double sig3 = sampler.PrincipalX();
  const qxchart::ChartData* d = Overlay(view->PrincipalChart());
  ASSERT_EQ(d->Sets(), 2);
  // The tangent line through its points touches the envelope at the line's sig3.
  const double slope = (d->Y(1, 2) - d->Y(1, 1)) / (d->X(1, 2) - d->X(1, 1));
  const double atLine = d->Y(1, 1) + slope * (sig3 - d->X(1, 1));
  EXPECT_NEAR(atLine, doc->m_hoekBrown.GetSig1(sig3), 1e-6 * doc->m_hoekBrown.GetSig1(sig3));
  double c = 0, phi = 0;
  doc->m_hoekBrown.GetInstantaneousMC(sig3, &c, &phi);
  // The shear line's tangent, at the same point of the envelope, came last.
  EXPECT_NEAR(sampler.InstantCohesion(), c, 1e-6 * c);
  const auto lines = Label(view->PrincipalChart().GetChart()->Model().TextAreas()[0].get());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1], Pair("c=%.4g,phi=%.4g", c, phi * 180 / 3.14159265358979323846));
  program.Screenshot("sampler_instantaneous");

  // 41018 turns the instantaneous sampler into the stress sampler.
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_STRESS_SAMPLER));
  EXPECT_TRUE(program.IsCommandChecked(ID_ANALYSIS_STRESS_SAMPLER));
  EXPECT_FALSE(program.IsCommandChecked(ID_ANALYSIS_INSTANT_SAMPLER));
  EXPECT_EQ(Overlay(view->PrincipalChart())->Sets(), 1);
}

TEST_F(SamplerProgram, AParameterChangeKeepsTheLineAndACriterionChangeEndsTheSampler) {
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_INSTANT_SAMPLER));
  const StressSampler& sampler = view->Sampler();
  CDockForm* form = sidebartest::SideBar(program);
  sidebartest::Enter(program, form, IDC_HB_SIG3MAX, "4");
  EXPECT_TRUE(sampler.IsShown());
  EXPECT_LE(sampler.PrincipalX(), 4.0);  // pulled inside the shorter envelope
  EXPECT_EQ(Overlay(view->PrincipalChart())->X(0, 0), sampler.PrincipalX());

  program.OnDialog(IDD_PROJECT_SETTINGS, [](CDialog* d) {
    ::CheckDlgButton(d->m_hWnd, IDC_CRITERION_HOEK_BROWN, BST_UNCHECKED);
    ::CheckDlgButton(d->m_hWnd, IDC_CRITERION_MOHR_COULOMB, BST_CHECKED);
    qxtest::ClickButton(d, IDOK);
  });
  program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
  ASSERT_EQ(doc->m_nCriterion, CRITERION_MOHR_COULOMB);
  EXPECT_FALSE(sampler.IsShown());
  EXPECT_FALSE(sampler.IsInstantaneous());
  EXPECT_FALSE(program.IsCommandEnabled(ID_ANALYSIS_INSTANT_SAMPLER));
  EXPECT_TRUE(program.RunCommand(ID_ANALYSIS_STRESS_SAMPLER));
  EXPECT_TRUE(sampler.IsShown());
}

TEST_F(SamplerProgram, TheContextMenuReachesTheCommands) {
  AfxTrackMenuSeam previous = AfxSetTrackMenuSeam(&AnswerMenu);
  g_menuAnswer = 0;  // dismissed: nothing happens
  Post(WM_RBUTTONDOWN, MK_RBUTTON, POINT{50, 50});
  EXPECT_EQ(g_menusTracked, 1);
  EXPECT_FALSE(view->Sampler().IsShown());
  g_menuAnswer = ID_ANALYSIS_STRESS_SAMPLER;
  Post(WM_RBUTTONDOWN, MK_RBUTTON, POINT{50, 50});
  EXPECT_TRUE(view->Sampler().IsShown());
  AfxSetTrackMenuSeam(previous);
}

TEST_F(SamplerProgram, WithOnlyTheShearPlotOnlyItTakesTheMouse) {
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_NORMAL_SHEAR_PLOT));
  ASSERT_TRUE(program.RunCommand(ID_ANALYSIS_STRESS_SAMPLER));
  const StressSampler& sampler = view->Sampler();
  const double principal = sampler.PrincipalX();
  const POINT s = Shear(3.0, 1.0);
  Post(WM_LBUTTONDOWN, MK_LBUTTON, s);
  Post(WM_LBUTTONUP, 0, s);
  EXPECT_NEAR(sampler.ShearX(), 3.0, 0.05);
  EXPECT_EQ(sampler.PrincipalX(), principal);  // kept while that plot is hidden
}

}  // namespace
