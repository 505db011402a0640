// Projects of each criterion, with lab data, rock-mass data and none, of both data types,
// opened in the program: what the view shows (screenshots kept), and the pixels that prove
// the drawing exact: envelope points where the model puts them, round Mohr circles, cropping
// that keeps the scale.
#include <gtest/gtest.h>

#include <cmath>

#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "tests/view/view_program_support.h"

namespace {

using qxtest::CProgramHarness;
using namespace viewtest;

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

struct ProjectCase {
  const char* name;
  std::function<void(CKelProject&)> setUp;
};

void Lab(CStrengthCriterion& m, std::initializer_list<double> xs, bool shear) {
  std::vector<double> x(xs), y;
  for (double v : x) y.push_back((shear ? m.GetTau(v) : m.GetSig1(v)) * 1.04);
  m.SetLabData(static_cast<int>(x.size()), x.data(), y.data());
}

const ProjectCase kCases[] = {
    {"hoek_brown_no_data", [](CKelProject& p) { p.SetCriterion(CRITERION_HOEK_BROWN); }},
    {"hoek_brown_lab_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_HOEK_BROWN);
       p.m_hoekBrown.SetParameters(80, 15, 65, 0);
       p.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 8, 0.026, 50);
       Lab(p.m_hoekBrown, {0, 2, 4, 6, 8}, false);
       p.m_strTitle = "Granite, triaxial tests";
     }},
    {"hoek_brown_rock_mass_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_HOEK_BROWN);
       const double x[] = {0.5, 2, 4, 6}, y[] = {6, 12, 17, 21};
       p.m_hoekBrown.SetRockMassData(4, x, y);
       p.m_hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 6, 0.026, 50);
       p.m_hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
     }},
    {"mohr_coulomb_triaxial_lab_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_MOHR_COULOMB);
       p.m_mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 8, 0.026, 50);
       Lab(p.m_mohrCoulomb, {1, 3, 5, 8}, false);
     }},
    {"mohr_coulomb_direct_shear_lab_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_MOHR_COULOMB);
       p.m_mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
       p.m_mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 10, 0.026, 50);
       Lab(p.m_mohrCoulomb, {1, 3, 5, 8}, true);
     }},
    {"barton_bandis_lab_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_BARTON_BANDIS);
       const double sn = p.m_bartonBandis.GetSignMax();
       Lab(p.m_bartonBandis, {0.1 * sn, 0.4 * sn, 0.8 * sn}, true);
     }},
    {"power_curve_no_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_POWER_CURVE);
       p.m_powerCurve.SetParameters(1.5, 1.0, 0.7);
     }},
    {"power_curve_direct_shear_lab_data",
     [](CKelProject& p) {
       p.SetCriterion(CRITERION_POWER_CURVE);
       p.m_powerCurve.SetDataType(DATA_DIRECT_SHEAR);
       p.m_powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 8, 0.026, 50);
       Lab(p.m_powerCurve, {1, 3, 6}, true);
     }},
};

class ViewProjects : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(program.Start()); }
  CKelStrengthView* Open(const ProjectCase& c) {
    if (!qxtest::OpenProject(program, c.name, c.setUp)) return nullptr;
    return ActiveChartView(program);
  }
  CProgramHarness program{"view_projects"};
};

// Every kind of project opens into a chart view that shows its envelope in both plots and the
// results text; with test data shown the points or circles appear too.
TEST_F(ViewProjects, EachKindOfProjectIsDrawn) {
  for (const ProjectCase& c : kCases) {
    CKelStrengthView* view = Open(c);
    ASSERT_NE(view, nullptr) << c.name;
    CKelStrengthDoc* doc = view->GetDocument();
    if (PlotTestDataEnabled(view->MakePlotDocument())) program.RunCommand(ID_ANALYSIS_PLOT_TEST_DATA);
    program.Pump();
    EXPECT_EQ(view->State().plotTestData, PlotTestDataEnabled(view->MakePlotDocument())) << c.name;

    auto canvas = PaintView(view);
    RECT principal, shear;
    view->PrincipalChart().GetWindowRect(&principal);
    view->ShearChart().GetWindowRect(&shear);
    ::MapWindowPoints(nullptr, view->m_hWnd, reinterpret_cast<POINT*>(&principal), 2);
    ::MapWindowPoints(nullptr, view->m_hWnd, reinterpret_cast<POINT*>(&shear), 2);
    EXPECT_EQ(principal.left, 0) << c.name;
    EXPECT_EQ(shear.left, principal.right) << c.name;
    // The envelope in red in both plots, the results text in black.
    EXPECT_GT(canvas->Count(principal.left, 0, principal.right, principal.bottom, kRed), 50)
        << c.name;
    EXPECT_GT(canvas->Count(shear.left, 0, shear.right, shear.bottom, kRed), 50) << c.name;
    EXPECT_GT(canvas->Count(0, 0, canvas->Width(), canvas->Height() / 3, RGB(0, 0, 0)), 500)
        << c.name;
    const bool data = doc->m_pActiveCriterion->GetLabCount() > 0 ||
                      (doc->m_nCriterion == CRITERION_HOEK_BROWN &&
                       doc->m_hoekBrown.GetRockMassCount() > 0);
    if (data) EXPECT_GT(canvas->Count(0, 0, canvas->Width(), canvas->Height(), kBlue), 20) << c.name;
    program.Screenshot(std::string("view_") + c.name);
  }
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_TRUE(program.MessageBoxTexts().empty());
}

// A point of a known envelope lands on the pixel the chart maps it to, on both plots.
TEST_F(ViewProjects, EnvelopePointsLandOnTheirPixels) {
  CKelStrengthView* view = Open(kCases[1]);  // Hoek-Brown 80, 15, 65
  ASSERT_NE(view, nullptr);
  CHoekBrownCriterion& hb = view->GetDocument()->m_hoekBrown;
  auto canvas = PaintView(view);
  for (double f : {0.25, 0.5, 0.9}) {
    const double s3 = f * hb.GetSig3Max();
    const POINT p = ViewPixel(view, view->PrincipalChart(), s3, hb.GetSig1(s3));
    EXPECT_TRUE(ColourNear(*canvas, p, kRed)) << f << " at " << p.x << "," << p.y;
    const POINT q =
        ViewPixel(view, view->ShearChart(), hb.GetSigNAtSig3(s3), hb.GetTauAtSig3(s3));
    EXPECT_TRUE(ColourNear(*canvas, q, kRed)) << f << " at " << q.x << "," << q.y;
  }
  // And a point off the envelope is not red.
  const double s3 = 0.5 * hb.GetSig3Max();
  const POINT off = ViewPixel(view, view->PrincipalChart(), s3, 0.5 * hb.GetSig1(s3));
  EXPECT_FALSE(ColourNear(*canvas, off, kRed, 3));
}

// Mohr circles of triaxial tests are round in the equal-scale shear plot.
TEST_F(ViewProjects, MohrCirclesAreRound) {
  CKelStrengthView* view = Open(kCases[3]);  // Mohr-Coulomb, triaxial lab data
  ASSERT_NE(view, nullptr);
  program.RunCommand(ID_ANALYSIS_PLOT_TEST_DATA);
  auto canvas = PaintView(view);
  CMohrCoulombCriterion& mc = view->GetDocument()->m_mohrCoulomb;
  const double sig3 = mc.GetLabX(1), sig1 = mc.GetLabY(1);  // a circle inside the ranges
  const double m = (sig1 + sig3) / 2, r = (sig1 - sig3) / 2;
  const POINT left = ViewPixel(view, view->ShearChart(), m - r, 0);
  const POINT right = ViewPixel(view, view->ShearChart(), m + r, 0);
  const POINT top = ViewPixel(view, view->ShearChart(), m, r);
  const double across = right.x - left.x, up = left.y - top.y;
  EXPECT_GT(up, 30);
  EXPECT_NEAR(across, 2 * up, 2);
  EXPECT_TRUE(ColourNear(*canvas, top, kBlue));
  // Points at 45 degrees on the circle are drawn too.
  const double c45 = r * std::cos(0.785398163397448);
  EXPECT_TRUE(ColourNear(*canvas, ViewPixel(view, view->ShearChart(), m + c45, c45), kBlue, 2));
}

// Cropping cuts the axes to whole steps over the data but keeps the stress per pixel.
TEST_F(ViewProjects, CroppingKeepsTheScale) {
  CKelStrengthView* view = Open(kCases[1]);
  ASSERT_NE(view, nullptr);
  CKelStrengthApp* app = program.App();
  auto scale = [&](CChart2D& chart) {
    const POINT a = ViewPixel(view, chart, 0, 0), b = ViewPixel(view, chart, 10, 10);
    return std::make_pair((b.x - a.x) / 10.0, (a.y - b.y) / 10.0);
  };
  auto yMax = [&](CChart2D& chart) {
    double v = 0;
    chart.GetChart()->GetDouble(qxchart::prop::kYMax, &v);
    return v;
  };
  app->m_displaySettings.m_bCropAxes = TRUE;
  app->ApplyDisplaySettings();
  program.Pump();
  const auto croppedP = scale(view->PrincipalChart()), croppedS = scale(view->ShearChart());
  const double croppedTop = yMax(view->ShearChart());
  app->m_displaySettings.m_bCropAxes = FALSE;
  app->ApplyDisplaySettings();
  program.Pump();
  const auto fullP = scale(view->PrincipalChart()), fullS = scale(view->ShearChart());
  EXPECT_LT(croppedTop, yMax(view->ShearChart()));  // the shear plot was cut down
  EXPECT_NEAR(croppedP.first, fullP.first, 0.2);
  EXPECT_NEAR(croppedP.second, fullP.second, 0.2);
  EXPECT_NEAR(croppedS.first, fullS.first, 0.2);
  EXPECT_NEAR(croppedS.second, fullS.second, 0.2);
  // Equal stress per pixel on both axes, in both plots.
  EXPECT_NEAR(fullP.first, fullP.second, 0.2);
  EXPECT_NEAR(croppedS.first, croppedS.second, 0.2);
}

}  // namespace
