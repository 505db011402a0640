// The point sets of the two plots, their order and their styles.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/view/view_test_support.h"
#include "view/PlotSeries.h"

namespace {

using viewtest::Models;

std::vector<SeriesKind> Kinds(const PlotSeriesSet& s) {
  std::vector<SeriesKind> k;
  for (const PlotSeries& p : s.series) k.push_back(p.kind);
  return k;
}

TEST(PlotSeries, MohrCircles) {
  PlotSeries c = MohrCircle(10, 50, 3);
  ASSERT_EQ(c.x.size(), 3u);
  EXPECT_DOUBLE_EQ(c.x[0], 10);
  EXPECT_DOUBLE_EQ(c.y[0], 0);
  EXPECT_DOUBLE_EQ(c.x[1], 30);
  EXPECT_DOUBLE_EQ(c.y[1], 20);
  EXPECT_DOUBLE_EQ(c.x[2], 50);
  EXPECT_DOUBLE_EQ(c.y[2], 0);  // rounding noise below 1e-5 is cut to 0
  // Inverted data (sig3 above sig1) run backwards and stay finite.
  c = MohrCircle(50, 10, 5);
  EXPECT_DOUBLE_EQ(c.x[4], 10);
  for (double y : c.y) EXPECT_TRUE(std::isfinite(y) && y >= 0);
  EXPECT_DOUBLE_EQ(c.y[2], 20);
}

// The envelope the plots draw is the criterion's point-wise failure envelope, row by row, to
// the last bit (the table works each row out in one go).
TEST(PlotSeries, EnvelopeRowsAreThePointwiseEnvelope) {
  const double sets[][4] = {{30, 10, 50, 0}, {100, 25, 85, 0.7}, {5, 1, 5, 1}, {60, 12, 100, 0}};
  for (const auto& p : sets) {
    CHoekBrownCriterion hb;
    hb.SetParameters(p[0], p[1], p[2], p[3]);
    const EnvelopePoint* rows = hb.BuildPrincipalEnvelope(57);
    ASSERT_NE(rows, nullptr);
    for (int i = 0; i < hb.GetEnvelopeCount(); ++i) {
      const double s3 = rows[i].sig3 < hb.GetMinSig3() ? hb.GetMinSig3() : rows[i].sig3;
      if (i == 0) continue;  // the apex row
      EXPECT_EQ(rows[i].sig1, hb.GetSig1(s3)) << i;
      EXPECT_EQ(rows[i].sigN, hb.GetSigNAtSig3(s3)) << i;
      EXPECT_EQ(rows[i].tau, hb.GetTauAtSig3(s3)) << i;
    }
    // Below the tensile limit too.
    double sig1, sigN, tau;
    const double below = 2 * hb.GetMinSig3() - 1;
    hb.GetFailurePointAtSig3(below, &sig1, &sigN, &tau);
    EXPECT_EQ(sig1, hb.GetSig1(below));
    EXPECT_EQ(sigN, hb.GetSigNAtSig3(below));
    EXPECT_EQ(tau, hb.GetTauAtSig3(below));
  }
}

TEST(PlotSeries, PrincipalSetsInOrder) {
  Models m;
  // Mohr-Coulomb with phi = 0: sig1 = sig3 + 2c, 34 at sig3max = 10.
  m.mohrCoulomb.SetParameters(12, 0, -1);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 10, 0.026, 50);
  viewtest::LabOnEnvelope(&m.mohrCoulomb, {1, 2, 3});
  SeriesOptions o;
  o.pointCount = 20;
  o.plotTestData = o.mohrCoulombOverlay = o.showMogi = true;
  PlotSeriesSet s = PrincipalSeries(m.Doc(CRITERION_MOHR_COULOMB), o);
  ASSERT_EQ(Kinds(s), (std::vector<SeriesKind>{SeriesKind::kTestData, SeriesKind::kEnvelope,
                                               SeriesKind::kMohrCoulombLine,
                                               SeriesKind::kMogiLine}));
  EXPECT_EQ(s.points, 21);
  EXPECT_EQ(s.series[0].x.size(), 3u);
  EXPECT_EQ(s.series[1].x.size(), 21u);         // the start point and 20 rows
  EXPECT_TRUE(s.series[2].x.empty());           // Mohr-Coulomb has no line of its own
  const PlotSeries& mogi = s.series[3];
  ASSERT_EQ(mogi.x.size(), 2u);
  EXPECT_EQ(mogi.x[0], 0);
  EXPECT_EQ(mogi.y[0], 0);
  EXPECT_NEAR(mogi.x[1], 10, 1e-12);
  EXPECT_DOUBLE_EQ(mogi.y[1], 34);
  EXPECT_DOUBLE_EQ(s.yLimit, 34);

  // Without the options: the envelope alone.
  s = PrincipalSeries(m.Doc(CRITERION_MOHR_COULOMB), SeriesOptions());
  EXPECT_EQ(Kinds(s), std::vector<SeriesKind>{SeriesKind::kEnvelope});
}

TEST(PlotSeries, TestDataRaiseTheLimitOnlyInsideTheRange) {
  Models m;
  m.mohrCoulomb.SetParameters(12, 0, -1);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 10, 0.026, 50);
  const double x[] = {5, 20}, y[] = {50, 500};
  m.mohrCoulomb.SetLabData(2, x, y);
  SeriesOptions o;
  o.plotTestData = true;
  EXPECT_DOUBLE_EQ(PrincipalSeries(m.Doc(CRITERION_MOHR_COULOMB), o).yLimit, 50);
  // More tests than points: every test is a point.
  std::vector<double> many(150, 1.0);
  m.mohrCoulomb.SetLabData(150, many.data(), many.data());
  o.pointCount = 10;
  PlotSeriesSet s = PrincipalSeries(m.Doc(CRITERION_MOHR_COULOMB), o);
  EXPECT_EQ(s.points, 151);
  EXPECT_EQ(s.series[0].x.size(), 150u);
}

TEST(PlotSeries, HoekBrownRockMassDataAndCurveStarts) {
  Models m;
  const double x[] = {1, 2}, y[] = {30, 40};
  m.hoekBrown.SetRockMassData(2, x, y);
  SeriesOptions o;
  o.plotTestData = true;
  PlotSeriesSet s = PrincipalSeries(m.Doc(CRITERION_HOEK_BROWN), o);
  EXPECT_EQ(s.series[0].kind, SeriesKind::kEnvelope);  // lab data in use: none
  m.hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
  s = PrincipalSeries(m.Doc(CRITERION_HOEK_BROWN), o);
  ASSERT_EQ(s.series[0].kind, SeriesKind::kTestData);
  EXPECT_EQ(s.series[0].y[1], 40);
  EXPECT_EQ(s.series[1].x[0], m.hoekBrown.GetMinSig3());
  EXPECT_EQ(s.series[1].y[0], 0);
  // The shear plot draws each rock-mass test as a Mohr circle after the envelope.
  s = NormalShearSeries(m.Doc(CRITERION_HOEK_BROWN), o);
  EXPECT_EQ(Kinds(s), (std::vector<SeriesKind>{SeriesKind::kEnvelope, SeriesKind::kMohrCircle,
                                               SeriesKind::kMohrCircle}));
  EXPECT_EQ(s.series[2].x.front(), 2);
  EXPECT_EQ(s.series[2].x.back(), 40);

  // Power curve: (-d, -d) on the principal plot, (min sigN, 0) on the shear plot.
  m.powerCurve.SetParameters(1.5, 2.0, 0.6);
  o.mohrCoulombOverlay = true;
  s = PrincipalSeries(m.Doc(CRITERION_POWER_CURVE), o);
  EXPECT_EQ(s.series[0].x[0], -2.0);
  EXPECT_EQ(s.series[0].y[0], -2.0);
  EXPECT_EQ(s.series[1].x[0], -2.0);  // the overlay line too
  s = NormalShearSeries(m.Doc(CRITERION_POWER_CURVE), o);
  EXPECT_EQ(s.series[0].x[0], m.powerCurve.GetMinSigN());
  EXPECT_EQ(s.series[0].y[0], 0.0);
  EXPECT_EQ(s.series[1].x[0], -2.0);
  EXPECT_EQ(s.series[1].y[0], 0.0);
}

// The most tests a project holds still leave room for the envelope in the shear plot.
TEST(PlotSeries, ManyTriaxialTestsKeepTheEnvelope) {
  Models m;
  std::vector<double> x(10000), y(10000);
  for (int i = 0; i < 10000; ++i) x[i] = i * 1e-3, y[i] = 10 + i * 4e-3;
  m.mohrCoulomb.SetLabData(10000, x.data(), y.data());
  SeriesOptions o;
  o.pointCount = 10;
  o.plotTestData = o.mohrCoulombOverlay = true;
  PlotSeriesSet s = NormalShearSeries(m.Doc(CRITERION_MOHR_COULOMB), o);
  EXPECT_EQ(s.series[0].kind, SeriesKind::kEnvelope);
  EXPECT_EQ(s.series.size(), static_cast<size_t>(qxchart::ChartData::kMaxSets));
  auto data = MakeChartData(s);
  ASSERT_TRUE(data);
  EXPECT_TRUE(data->IsPoint(0, 5));
}

TEST(PlotSeries, BartonBandisShearPlot) {
  Models m;
  const double sn = m.bartonBandis.GetSignMax();
  const double x[] = {0.2 * sn, 0.5 * sn, 2 * sn};
  const double y[] = {m.bartonBandis.GetTau(x[0]), 5 * m.bartonBandis.GetTau(x[1]), 1e6};
  m.bartonBandis.SetLabData(3, x, y);
  SeriesOptions o;
  o.pointCount = 10;
  o.plotTestData = o.mohrCoulombOverlay = true;
  PlotSeriesSet s = NormalShearSeries(m.Doc(CRITERION_BARTON_BANDIS), o);
  ASSERT_EQ(Kinds(s), (std::vector<SeriesKind>{SeriesKind::kTestData, SeriesKind::kEnvelope,
                                               SeriesKind::kMohrCoulombLine}));
  double c = 0, phi = 0;
  m.bartonBandis.CalcEquivalentMC(&c, &phi);
  const PlotSeries& line = s.series[2];
  ASSERT_EQ(line.x.size(), 11u);  // (0, 0), (0, c), then rows 1..9
  EXPECT_EQ(line.x[0], 0);
  EXPECT_EQ(line.y[0], 0);
  EXPECT_EQ(line.x[1], 0);
  EXPECT_DOUBLE_EQ(line.y[1], c);
  EXPECT_DOUBLE_EQ(line.y[5], c + line.x[5] * std::tan(phi * 3.14159265358979323846 / 180));
  EXPECT_EQ(s.series[1].x[0], 0);  // the envelope from the origin
  // The tests inside the range lift the shear limit; those beyond it do not.
  EXPECT_EQ(s.yLimit, y[1]);
}

TEST(PlotSeries, StylesByKindAndGrayscale) {
  PlotDisplay d;
  d.lineWidth = 3;
  qxchart::ChartStyle current;
  current.pointSize = 9;
  current.fillPattern = 4;
  qxchart::ChartStyle s = SeriesStyle(SeriesKind::kTestData, false, current, d);
  EXPECT_EQ(s.linePattern, qxchart::kLineNone);
  EXPECT_EQ(s.pointSymbol, qxchart::kSymbolBox);
  EXPECT_EQ(s.pointSize, 5);
  EXPECT_EQ(s.lineColor, qxchart::ChartRgb(0, 0, 255));
  EXPECT_EQ(s.pointColor, s.lineColor);
  EXPECT_EQ(s.lineWidth, 3);
  EXPECT_EQ(SeriesStyle(SeriesKind::kTestData, true, current, d).pointSize, 3);
  s = SeriesStyle(SeriesKind::kEnvelope, false, current, d);
  EXPECT_EQ(s.pointSize, 9);  // kept
  EXPECT_EQ(s.fillPattern, 4);
  EXPECT_EQ(s.lineColor, d.hbColor);
  EXPECT_EQ(SeriesStyle(SeriesKind::kMogiLine, false, current, d).linePattern,
            qxchart::kLineLongDash);
  d.grayscale = true;
  EXPECT_EQ(SeriesStyle(SeriesKind::kEnvelope, false, current, d).lineColor, d.hbColorGray);
  EXPECT_EQ(SeriesStyle(SeriesKind::kMohrCircle, false, current, d).lineColor, d.mcColorGray);
  EXPECT_EQ(SeriesStyle(SeriesKind::kMogiLine, false, current, d).lineColor,
            qxchart::ChartRgb(192, 192, 192));
}

TEST(PlotSeries, DataObjectHoldsTheSetsAndLeavesTheRestEmpty) {
  PlotSeriesSet s;
  s.points = 4;
  s.series.push_back(PlotSeries{SeriesKind::kMogiLine, {0, 1}, {0, 3.4}});
  s.series.push_back(PlotSeries{SeriesKind::kMohrCoulombLine, {}, {}});
  auto data = MakeChartData(s);
  ASSERT_TRUE(data);
  EXPECT_EQ(data->Sets(), 2);
  EXPECT_EQ(data->Points(), 4);
  EXPECT_TRUE(data->IsPoint(0, 1));
  EXPECT_FALSE(data->IsPoint(0, 2));
  EXPECT_FALSE(data->IsPoint(1, 0));
  EXPECT_FALSE(MakeChartData(PlotSeriesSet()));
}

}  // namespace
