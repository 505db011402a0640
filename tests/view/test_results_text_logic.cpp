// The results summary: number formats, the lines of each criterion, the fit status and the
// placement of the title and the panel.
#include <gtest/gtest.h>

#include "tests/view/view_test_support.h"
#include "view/ResultsText.h"

namespace {

using viewtest::Models;

std::vector<std::string> Texts(const ResultsPanel& p) {
  std::vector<std::string> t;
  for (const ResultLine& l : p.lines) t.push_back(l.text);
  return t;
}

TEST(ResultsText, NumberFormats) {
  EXPECT_EQ(TrimExponent("5e-05"), "5e-5");
  EXPECT_EQ(TrimExponent("1.5e+06"), "1.5e6");
  EXPECT_EQ(TrimExponent("1.50e+006"), "1.5e6");
  EXPECT_EQ(TrimExponent("2.000e-10"), "2e-10");
  EXPECT_EQ(TrimExponent("-3.0e+00"), "-3");
  EXPECT_EQ(TrimExponent("0e+00"), "0");
  EXPECT_EQ(TrimExponent("12.50"), "12.50");  // no exponent: untouched

  EXPECT_EQ(FormatResultNumber("%.3f", 0.0004, -1), "0.0004");
  EXPECT_EQ(FormatResultNumber("%.3f", 0.0, -1), "0");
  EXPECT_EQ(FormatResultNumber("%.3f", 0.00005, -1), "5e-5");
  EXPECT_EQ(FormatResultNumber("%.3f", 12.3456, -1), "12.346");
  EXPECT_EQ(FormatResultNumber("%g", 1.5e6, -1), "1.5e6");
  EXPECT_EQ(FormatResultNumber("%.3f", 12.34, 0), "12");
  EXPECT_EQ(FormatResultNumber("%.3f", 0.2, 0), "0.2");
  EXPECT_EQ(FormatResultNumber("%.3f", 0.004, 2), "0.004");
  EXPECT_EQ(FormatResultNumber("%.3f", 2.5, 4), "2.5000");
  // Damaged settings are brought into -1..8.
  EXPECT_EQ(FormatResultNumber("%.3f", 1.23456789012, 40), "1.23456789");
  EXPECT_EQ(FormatResultNumber("%.3f", 1.5, -7), "1.500");
}

TEST(ResultsText, FitStatus) {
  Models m;
  // Never fitted: residuals -1, best-fit residuals unset.
  EXPECT_FALSE(IsCurrentBestFit(m.hoekBrown));
  EXPECT_EQ(FitStatusLine(CRITERION_HOEK_BROWN, m.hoekBrown),
            "Current strength model is NOT a 'best-fit'");
  m.hoekBrown.SetResiduals(2.5);
  m.hoekBrown.SetBestFitResiduals(2.5);
  m.hoekBrown.SetCurveFitMethod(1);
  EXPECT_TRUE(IsCurrentBestFit(m.hoekBrown));
  EXPECT_EQ(FitStatusLine(CRITERION_HOEK_BROWN, m.hoekBrown),
            "Current strength model is SIMPLEX 'best-fit'");
  m.hoekBrown.SetCurveFitMethod(2);
  EXPECT_EQ(FitStatusLine(CRITERION_HOEK_BROWN, m.hoekBrown),
            "Current strength model is LINEAR REGRESSION 'best-fit'");
  // Mohr-Coulomb numbers its methods LM, linear regression; the others LM, simplex.
  m.mohrCoulomb.SetResiduals(1);
  m.mohrCoulomb.SetBestFitResiduals(1);
  m.mohrCoulomb.SetCurveFitMethod(1);
  EXPECT_EQ(FitStatusLine(CRITERION_MOHR_COULOMB, m.mohrCoulomb),
            "Current strength model is LINEAR REGRESSION 'best-fit'");
  m.powerCurve.SetResiduals(1);
  m.powerCurve.SetBestFitResiduals(1);
  m.powerCurve.SetCurveFitMethod(0);
  EXPECT_EQ(FitStatusLine(CRITERION_POWER_CURVE, m.powerCurve),
            "Current strength model is LEVENBERG-MARQUARDT 'best-fit'");
  m.powerCurve.SetCurveFitMethod(7);  // a method no list has
  EXPECT_EQ(FitStatusLine(CRITERION_POWER_CURVE, m.powerCurve),
            "Current strength model is NOT a 'best-fit'");
  // An edit after the fit changes the residuals only.
  m.hoekBrown.SetResiduals(2.6);
  EXPECT_EQ(FitStatusLine(CRITERION_HOEK_BROWN, m.hoekBrown),
            "Current strength model is NOT a 'best-fit'");
}

TEST(ResultsText, HoekBrownLines) {
  Models m;
  m.hoekBrown.SetParameters(30, 10, 50, 0);
  ResultsPanel p;
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_HOEK_BROWN), -1, &p));
  std::vector<std::string> t = Texts(p);
  ASSERT_EQ(t.size(), 12u);  // no data: no data block
  EXPECT_FALSE(p.hasDataBlock);
  EXPECT_EQ(t[0], "Hoek-Brown Classification");
  EXPECT_TRUE(p.lines[0].heading);
  EXPECT_EQ(t[1], "intact uniaxial compressive strength = 30 MPa");
  EXPECT_FALSE(p.lines[1].heading);
  EXPECT_EQ(t[2], "GSI = 50    mi = 10    Disturbance factor = 0");
  EXPECT_EQ(t[3], "Hoek-Brown Criterion");
  double ci, mb, s, a;
  m.hoekBrown.GetRockMassConstants(&ci, &mb, &s, &a);
  char expected[128];
  snprintf(expected, sizeof expected, "mb = %.3f    s = %.4f    a = %.3f", mb, s, a);
  EXPECT_EQ(t[4], expected);
  EXPECT_EQ(t[5], "Mohr-Coulomb Fit");
  EXPECT_EQ(t[6], p.keyLine);
  EXPECT_EQ(t[6].rfind("cohesion = ", 0), 0u);
  EXPECT_NE(t[6].find(" MPa    friction angle = "), std::string::npos);
  EXPECT_EQ(p.extraWidth, 100);
  EXPECT_EQ(t[7], "Rock Mass Parameters");
  EXPECT_EQ(t[11].rfind("modulus of deformation = ", 0), 0u);

  // Decimal places 0 apply to the derived values only.
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_HOEK_BROWN), 0, &p));
  snprintf(expected, sizeof expected, "mb = %.0f    s = ", mb);
  EXPECT_EQ(Texts(p)[4].rfind(expected, 0), 0u);
  EXPECT_EQ(Texts(p)[1], "intact uniaxial compressive strength = 30 MPa");

  // The data block follows the data source, with a whole-number count.
  std::vector<double> x(1234, 1.0), y(1234, 40.0);
  m.hoekBrown.SetLabData(1234, x.data(), y.data());
  m.hoekBrown.SetResiduals(0.0004);
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_HOEK_BROWN), -1, &p));
  t = Texts(p);
  ASSERT_EQ(t.size(), 16u);
  EXPECT_EQ(t[12], "Analysis of TRIAXIAL Lab Data");
  EXPECT_EQ(t[13], "No. of lab data points = 1234");
  EXPECT_EQ(t[14], "Sum square of errors (Residuals) = 0.0004");
  EXPECT_EQ(t[15], "Current strength model is NOT a 'best-fit'");
  m.hoekBrown.SetRockMassData(3, x.data(), y.data());
  m.hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_HOEK_BROWN), -1, &p));
  t = Texts(p);
  EXPECT_EQ(t[12], "Analysis of TRIAXIAL Field Data");
  EXPECT_EQ(t[13], "No. of field data points = 3");
}

TEST(ResultsText, OtherCriteria) {
  Models m;
  ResultsPanel p;
  m.mohrCoulomb.SetParameters(1.5, 30, -0.5);
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_MOHR_COULOMB), 3, &p));
  std::vector<std::string> t = Texts(p);
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0], "Mohr-Coulomb Criterion");
  EXPECT_EQ(t[1], "cohesion = 1.5 MPa");
  EXPECT_EQ(t[2], "friction angle = 30 deg");
  EXPECT_EQ(t[4], "uniaxial compressive strength = 5.196 MPa");  // 2c tan(60), not by decimals
  EXPECT_EQ(p.keyLine, "uniaxial compressive strength = 5.196 MPa    ");
  EXPECT_EQ(p.extraWidth, 140);
  m.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  const double x[] = {1, 2}, y[] = {2, 3};
  m.mohrCoulomb.SetLabData(2, x, y);
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_MOHR_COULOMB), 3, &p));
  EXPECT_EQ(Texts(p)[6], "Analysis of DIRECT SHEAR Lab Data");
  EXPECT_EQ(Texts(p)[7], "No. of lab data points = 2");

  m.bartonBandis.SetParameters(30, 10, 50);
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_BARTON_BANDIS), -1, &p));
  t = Texts(p);
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[1], "base friction angle (phib) = 30 deg");
  EXPECT_EQ(t[2], "joint roughness coefficient (JRC) = 10");
  EXPECT_EQ(t[3], "joint compressive strength (JCS) = 50 MPa");
  EXPECT_EQ(p.keyLine, "joint roughness coefficient (JRC) = 10" + std::string(21, ' '));

  m.powerCurve.SetUnits(UNITS_KPA);  // resets the parameters of a model without data
  m.powerCurve.SetParameters(1.5, 2, 0.6);
  ASSERT_TRUE(BuildResultLines(m.Doc(CRITERION_POWER_CURVE), -1, &p));
  t = Texts(p);
  ASSERT_EQ(t.size(), 8u);
  EXPECT_EQ(t[0], "Power Curve Criterion");
  EXPECT_EQ(t[1], "a = 1.5");
  EXPECT_EQ(t[2], "d = 2 kPa");
  EXPECT_EQ(t[3], "b = 0.6");
  EXPECT_EQ(t[6], "Mohr-Coulomb Fit");
  EXPECT_EQ(p.keyLine.substr(p.keyLine.size() - 22), std::string(22, ' '));

  PlotDocument odd = m.Doc(CRITERION_HOEK_BROWN);
  odd.criterion = -1;
  EXPECT_FALSE(BuildResultLines(odd, -1, &p));
}

ResultsLayoutInput Input(const std::vector<ResultLine>& lines) {
  ResultsLayoutInput in;
  in.client.right = 1000;
  in.client.bottom = 600;
  in.lineHeight = 15;
  in.titleWidth = 200;
  in.titleHeight = 18;
  in.hasTitle = true;
  in.keyWidth = 300;
  in.extraWidth = 100;
  in.lines = &lines;
  return in;
}

TEST(ResultsText, Layout) {
  std::vector<ResultLine> lines = {{true, "H1"}, {false, "b"}, {false, "c"}, {true, "H2"},
                                   {false, "d"}};
  ResultsLayoutInput in = Input(lines);
  ResultsLayout l = LayoutResults(in);
  ASSERT_TRUE(l.drawTitle);
  EXPECT_EQ(l.title.left, 400);
  EXPECT_EQ(l.title.top, 18);
  EXPECT_EQ(l.title.bottom, 36);
  ASSERT_TRUE(l.drawPanel);
  // Centred in 400..1000 with a width of 400.
  EXPECT_EQ(l.panel.left, 500);
  EXPECT_EQ(l.panel.right, 900);
  EXPECT_EQ(l.panel.top, 45);
  EXPECT_EQ(l.panel.bottom, 240);  // 16 line heights: room for more lines than there are
  ASSERT_EQ(l.lineRects.size(), 5u);
  EXPECT_EQ(l.lineRects[0].left, 500);
  EXPECT_EQ(l.lineRects[0].top, 45);
  EXPECT_EQ(l.lineRects[1].left, 525);
  EXPECT_EQ(l.lineRects[1].top, 60);
  EXPECT_EQ(l.lineRects[3].top, 95);  // 90 + a third of a line
  EXPECT_EQ(l.lineRects[4].bottom, 125);

  // The panel grows to hold all its lines.
  std::vector<ResultLine> many(20, ResultLine{false, "x"});
  in.lines = &many;
  l = LayoutResults(in);
  EXPECT_EQ(l.panel.bottom, 45 + 20 * 15);

  // Only the shear plot: 20 right of its origin, not centred, pushed back inside.
  in = Input(lines);
  in.shearOnly = true;
  in.shearOriginX = 60;
  l = LayoutResults(in);
  EXPECT_EQ(l.panel.left, 80);
  in.shearOriginX = 800;
  l = LayoutResults(in);
  EXPECT_EQ(l.panel.right, 1000);
  EXPECT_EQ(l.panel.left, 600);
  in.keyWidth = 1500;  // wider than the view: kept at its left edge
  l = LayoutResults(in);
  EXPECT_EQ(l.panel.left, 0);
}

TEST(ResultsText, WhatIsDrawnAtAll) {
  std::vector<ResultLine> lines = {{true, "H"}};
  ResultsLayoutInput in = Input(lines);
  in.projectData = false;
  ResultsLayout l = LayoutResults(in);
  EXPECT_TRUE(l.drawTitle);
  EXPECT_FALSE(l.drawPanel);
  in.hasTitle = false;  // an empty title
  l = LayoutResults(in);
  EXPECT_FALSE(l.drawTitle);
  EXPECT_FALSE(l.drawPanel);
  in.hasTitle = true;
  in.showTitle = false;
  l = LayoutResults(in);
  EXPECT_FALSE(l.drawTitle);
  in.projectData = true;
  l = LayoutResults(in);
  EXPECT_FALSE(l.drawTitle);
  EXPECT_TRUE(l.drawPanel);
}

}  // namespace
