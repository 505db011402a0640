// Criterion base: units, point sets, aliasing, copies and the envelope tables.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"

namespace {
// A power-curve-shaped stand-in: tau = a (sigN + d)^b with d = 0.5, to pin
// the builders' power-curve branches without depending on that model.
class CPowerStub : public CMohrCoulombCriterion {
 public:
  double GetSig3Max() const override { return 4.0; }
  double GetMinSig3() const override { return 0.25; }
  bool IsLinear() const override { return false; }
  int GetCriterionType() const override { return CRITERION_POWER_CURVE; }
  void GetParameters(double* a, double* d, double* b) const override {
    *a = 1.0;
    *d = 0.5;
    *b = 0.7;
  }
  double GetSig1(double sig3) const override { return 10.0 + sig3; }
  double GetSigNAtSig3(double sig3) const override { return sig3; }
  double GetTauAtSig3(double sig3) const override { return 2.0 * sig3; }
  double GetMinSigN() const override { return -0.5; }
};
}  // namespace

TEST(StrengthCriterion, NewModelStateAndLabels) {
  CHoekBrownCriterion hb;
  CStrengthCriterion& m = hb;
  EXPECT_EQ(UNITS_MPA, m.GetUnits());
  EXPECT_EQ(1, m.GetStateFlag());
  EXPECT_EQ(0, m.GetLabCount());
  EXPECT_EQ(0, m.GetLabTest());
  EXPECT_EQ(0, m.GetRockMassCount());
  EXPECT_EQ(0, m.GetRockMassTest());
  EXPECT_EQ(0, m.GetEnvelopeCount());
  EXPECT_EQ(nullptr, m.GetEnvelope());
  EXPECT_EQ(CString("(MPa)"), m.GetStressUnitLabel(TRUE));
  EXPECT_EQ(CString("m"), m.GetLengthUnitLabel(FALSE));
  EXPECT_EQ(CString("MN/m3"), m.GetUnitWeightLabel(FALSE));
  CString out;
  m.GetStressUnitLabel(out, FALSE);
  EXPECT_EQ(CString("MPa"), out);

  const char* stress[8] = {"MPa", "kPa", "tsm", "ksi", "ksf", "psi", "psf", "tsf"};
  const char* length[8] = {"m", "m", "m", "ft", "ft", "ft", "ft", "ft"};
  const char* weight[8] = {"MN/m3",   "kN/m3",   "tonnes/m3", "kip/ft3",
                           "kip/ft3", "lbs/ft3", "lbs/ft3",   "tons/ft3"};
  for (int u = 0; u < 8; u++) {
    EXPECT_EQ(CString(stress[u]), CStrengthCriterion::StressUnitLabel(u, FALSE));
    EXPECT_EQ(CString("(") + length[u] + ")", CStrengthCriterion::LengthUnitLabel(u, TRUE));
    EXPECT_EQ(CString(weight[u]), CStrengthCriterion::UnitWeightLabel(u, FALSE));
  }
  EXPECT_EQ(CString("()"), CStrengthCriterion::StressUnitLabel(8, TRUE));
  EXPECT_EQ(CString(""), CStrengthCriterion::UnitWeightLabel(-1, FALSE));

  // Base refusals, through a model.
  EXPECT_FALSE(m.SetUnits(8));
  EXPECT_FALSE(m.SetUnits(-1));
  EXPECT_FALSE(m.SetUnits(0));
  EXPECT_TRUE(m.SetUnits(3));
  EXPECT_EQ(CString("(ksi)"), m.GetStressUnitLabel(TRUE));

  m.SetStateFlag(0);
  EXPECT_EQ(0, m.GetStateFlag());
  m.SetBestFitFlag(TRUE);
  EXPECT_TRUE(m.IsBestFit());
  m.SetCurveFitMethod(2);
  int method = -1;
  EXPECT_EQ(2, m.GetCurveFitMethod(&method));
  EXPECT_EQ(2, method);
  m.SetDataType(DATA_DIRECT_SHEAR);
  int type = -1;
  EXPECT_EQ(1, m.GetDataType(&type));
  EXPECT_EQ(1, type);
}

TEST(StrengthCriterion, PointSetOperations) {
  CMohrCoulombCriterion m;
  const double x[5] = {1, 2, 3, 4, 5}, y[5] = {10, 20, 30, 40, 50};
  m.SetLabData(5, x, y);
  m.SetLabTest(1);
  EXPECT_EQ(5, m.GetLabCount());
  EXPECT_EQ(3.0, m.GetLabX(2));
  EXPECT_EQ(30.0, m.GetLabY(2));
  // SetLabCount discards the old values and keeps the test value.
  m.SetLabCount(3);
  EXPECT_EQ(3, m.GetLabCount());
  EXPECT_EQ(1, m.GetLabTest());
  for (int i = 0; i < 3; i++) {
    EXPECT_EQ(0.0, m.GetLabX(i));
    EXPECT_EQ(0.0, m.GetLabY(i));
  }
  m.SetLabX(1, 7.0);
  m.SetLabY(1, 8.0);
  double gx[3], gy[3];
  EXPECT_EQ(3, m.GetLabData(gx, gy));
  EXPECT_EQ(7.0, gx[1]);
  EXPECT_EQ(8.0, gy[1]);
  // Points without both arrays are ignored; n = 0 empties, the test stays.
  m.SetLabData(2, x, nullptr);
  EXPECT_EQ(3, m.GetLabCount());
  m.SetLabData(0, nullptr, nullptr);
  EXPECT_EQ(0, m.GetLabCount());
  EXPECT_EQ(1, m.GetLabTest());
  m.SetLabCount(-4);
  EXPECT_EQ(0, m.GetLabCount());

  // Rock-mass twins.
  m.SetRockMassData(4, x, y);
  m.SetRockMassTest(0);
  EXPECT_EQ(4, m.GetRockMassCount());
  m.SetRockMassX(0, -1.0);
  m.SetRockMassY(3, -2.0);
  EXPECT_EQ(-1.0, m.GetRockMassX(0));
  EXPECT_EQ(-2.0, m.GetRockMassY(3));
  m.ClearRockMassData();
  EXPECT_EQ(0, m.GetRockMassCount());

  // Cross copies: count and points from one set, the test of the other.
  CHoekBrownCriterion src;
  src.SetRockMassData(4, x, y);
  src.SetRockMassTest(0);
  src.SetLabTest(1);
  CMohrCoulombCriterion dst;
  EXPECT_EQ(4, dst.CopyLabDataFromRockMass(&src));
  EXPECT_EQ(4, dst.GetLabCount());
  EXPECT_EQ(1, dst.GetLabTest());
  EXPECT_EQ(4.0, dst.GetLabX(3));
  dst.SetRockMassTest(1);
  src.SetLabData(2, x, y);
  EXPECT_EQ(2, dst.CopyRockMassDataFromLab(&src));
  EXPECT_EQ(0, dst.GetRockMassTest());
  EXPECT_EQ(20.0, dst.GetRockMassY(1));
  EXPECT_EQ(2, dst.CopyLabData(&src));
  EXPECT_EQ(1, dst.GetLabTest());
  EXPECT_EQ(4, dst.CopyRockMassData(&src));
  dst.ClearLabData();
  EXPECT_EQ(0, dst.GetLabCount());
  EXPECT_EQ(1, dst.GetLabTest());
}

TEST(StrengthCriterion, SelfAliasingIsSafe) {
  CHoekBrownCriterion m;
  const double x[4] = {1, 2, 3, 4}, y[4] = {5, 6, 7, 8};
  m.SetLabData(4, x, y);
  m.SetRockMassData(2, y, x);
  m.BuildPrincipalEnvelope(10);
  // The model's own arrays as the source.
  std::vector<double> ox(4), oy(4);
  m.GetLabData(ox.data(), oy.data());
  m.CopyLabData(&m);
  EXPECT_EQ(4, m.GetLabCount());
  m.CopyLabDataFromRockMass(&m);
  EXPECT_EQ(2, m.GetLabCount());
  EXPECT_EQ(5.0, m.GetLabX(0));
  m.CopyRockMassDataFromLab(&m);
  EXPECT_EQ(2, m.GetRockMassCount());
  m.CopyFrom(m);
  EXPECT_EQ(2, m.GetLabCount());
  EXPECT_EQ(10, m.GetEnvelopeCount());
  EXPECT_EQ(6.0, m.GetLabX(1));
}

TEST(StrengthCriterion, SelfAliasingThroughOwnArrays) {
  // SetLabData with pointers into this model's own storage, through a
  // derived class that exposes them.
  class CExposed : public CMohrCoulombCriterion {
   public:
    const double* LabX() const { return m_labData.x.data(); }
    const double* LabY() const { return m_labData.y.data(); }
  };
  CExposed m;
  const double x[3] = {1, 2, 3}, y[3] = {4, 5, 6};
  m.SetLabData(3, x, y);
  m.SetLabData(m.GetLabCount(), m.LabX(), m.LabY());
  EXPECT_EQ(3, m.GetLabCount());
  EXPECT_EQ(2.0, m.GetLabX(1));
  EXPECT_EQ(6.0, m.GetLabY(2));
  m.SetLabData(2, m.LabX() + 1, m.LabY() + 1);
  EXPECT_EQ(2, m.GetLabCount());
  EXPECT_EQ(3.0, m.GetLabX(1));
}

#ifdef NDEBUG
TEST(StrengthCriterion, OutOfRangeElementsAreIgnoredInRelease) {
  CMohrCoulombCriterion m;
  const double x[2] = {1, 2}, y[2] = {3, 4};
  m.SetLabData(2, x, y);
  m.SetLabX(2, 9.0);
  m.SetLabY(-1, 9.0);
  EXPECT_EQ(0.0, m.GetLabX(5));
  EXPECT_EQ(0.0, m.GetRockMassY(0));
  EXPECT_EQ(2.0, m.GetLabX(1));
}
#else
TEST(StrengthCriterionDeathTest, OutOfRangeElementsAssertInDebug) {
  CMohrCoulombCriterion m;
  EXPECT_DEATH(m.GetLabX(0), "");
  EXPECT_DEATH(m.SetRockMassY(3, 1.0), "");
}
#endif

TEST(StrengthCriterion, CopyFromCopiesTheBasePart) {
  CHoekBrownCriterion a;
  const double x[3] = {1, 2, 3}, y[3] = {4, 5, 6};
  a.SetLabData(3, x, y);
  a.SetLabTest(1);
  a.SetRockMassData(2, x, y);
  a.SetRockMassTest(1);
  a.SetUnits(UNITS_KPA);
  a.SetStateFlag(0);
  a.SetResiduals(2.5);
  a.SetBestFitResiduals(2.5);
  a.SetBestFitFlag(TRUE);
  a.SetCurveFitMethod(2);
  a.BuildPrincipalEnvelope(7);

  CHoekBrownCriterion b;
  b.BuildShearEnvelope(3);
  b.CopyFrom(a);
  EXPECT_EQ(3, b.GetLabCount());
  EXPECT_EQ(1, b.GetLabTest());
  EXPECT_EQ(2, b.GetRockMassCount());
  EXPECT_EQ(1, b.GetRockMassTest());
  EXPECT_EQ(UNITS_KPA, b.GetUnits());
  EXPECT_EQ(0, b.GetStateFlag());
  EXPECT_EQ(2.5, b.GetResiduals());
  EXPECT_TRUE(b.IsBestFit());
  EXPECT_EQ(2, b.GetCurveFitMethod(nullptr));
  ASSERT_EQ(7, b.GetEnvelopeCount());
  EXPECT_EQ(a.GetEnvelope()[6].sig1, b.GetEnvelope()[6].sig1);
  EXPECT_NE(a.GetEnvelope(), b.GetEnvelope());

  // A source without a table drops this object's table.
  CHoekBrownCriterion empty;
  EXPECT_EQ(nullptr, empty.BuildPrincipalEnvelope(0));
  b.CopyFrom(empty);
  EXPECT_EQ(0, b.GetEnvelopeCount());
  EXPECT_EQ(0, b.GetLabCount());
}

TEST(StrengthCriterion, PrincipalTableShapes) {
  CHoekBrownCriterion hb;
  double sigt = 0;
  hb.GetRockMassStrengths(nullptr, &sigt, nullptr, nullptr);
  EnvelopePoint* rows = hb.BuildPrincipalEnvelope(2);
  ASSERT_NE(nullptr, rows);
  EXPECT_EQ(0.0, rows[0].sig1);
  EXPECT_EQ(sigt, rows[0].sig3);
  EXPECT_EQ(sigt, rows[0].sigN);
  EXPECT_EQ(0.0, rows[0].tau);
  EXPECT_EQ(hb.GetSig3Max(), rows[1].sig3);
  EXPECT_EQ(hb.GetSig1(7.5), rows[1].sig1);
  // n = 1: one row at the lower end; huge n is capped; n <= 0: no table.
  rows = hb.BuildPrincipalEnvelope(1);
  ASSERT_EQ(1, hb.GetEnvelopeCount());
  EXPECT_EQ(sigt, rows[0].sig3);
  hb.BuildPrincipalEnvelope(1 << 30);
  EXPECT_EQ(CStrengthCriterion::MAX_ENVELOPE_POINTS, hb.GetEnvelopeCount());
  EXPECT_EQ(nullptr, hb.BuildPrincipalEnvelope(-3));
  EXPECT_EQ(0, hb.GetEnvelopeCount());

  // Straight Mohr-Coulomb: row 0 lies on the envelope at the minimum.
  CMohrCoulombCriterion mc;
  rows = mc.BuildPrincipalEnvelope(5);
  EXPECT_EQ(mc.GetMinSig3(), rows[0].sig3);
  EXPECT_EQ(mc.GetSig1(mc.GetMinSig3()), rows[0].sig1);
  EXPECT_NEAR(mc.GetSig3Max(), rows[4].sig3, 1e-15);

  // Power curve: starts at -d with sig1 = sig3 = sigN = -d, tau 0; sig3
  // values below GetMinSig3 are passed on unraised.
  CPowerStub pc;
  rows = pc.BuildPrincipalEnvelope(10);
  EXPECT_EQ(-0.5, rows[0].sig1);
  EXPECT_EQ(-0.5, rows[0].sig3);
  EXPECT_EQ(-0.5, rows[0].sigN);
  EXPECT_EQ(0.0, rows[0].tau);
  EXPECT_EQ(-0.5, rows[1].sig3 - (4.5 / 9.0));
  EXPECT_EQ(rows[1].sig3, rows[1].sigN);
  EXPECT_LT(rows[1].sig3, pc.GetMinSig3());
  EXPECT_EQ(4.0, rows[9].sig3);
  rows = pc.BuildShearEnvelope(3);
  EXPECT_EQ(-0.5, rows[0].sig3);
  EXPECT_EQ(0.0, rows[0].tau);
}

TEST(StrengthCriterion, ShearAndTauTables) {
  CHoekBrownCriterion hb;
  hb.SetSignMax(4.0);
  const EnvelopePoint* rows = hb.BuildTauEnvelope(5);
  ASSERT_EQ(5, hb.GetEnvelopeCount());
  EXPECT_EQ(0.0, rows[0].sigN);
  EXPECT_EQ(4.0, rows[4].sigN);
  EXPECT_EQ(2.0, rows[2].tau);  // Hoek-Brown's GetTau hands back sigN
  EXPECT_EQ(0.0, rows[2].sig1);
  EXPECT_EQ(0.0, rows[2].sig3);
  rows = hb.BuildShearEnvelope(3);
  EXPECT_EQ(0.0, rows[0].tau);
  EXPECT_EQ(0.0, rows[0].sig1);
  EXPECT_EQ(hb.GetMinSig3(), rows[0].sig3);
  EXPECT_EQ(4.0, rows[2].sigN);

  // Mohr-Coulomb shear table: sigN from the minimum sig3 to signmax.
  CMohrCoulombCriterion mc;
  rows = mc.BuildShearEnvelope(4);
  EXPECT_EQ(mc.GetMinSig3(), rows[0].sigN);
  EXPECT_EQ(10.0, rows[3].sigN);
  rows = mc.BuildTauEnvelope(2);
  EXPECT_EQ(mc.GetMinSigN(), rows[0].sigN);
  EXPECT_EQ(mc.GetTau(10.0), rows[1].tau);
}
