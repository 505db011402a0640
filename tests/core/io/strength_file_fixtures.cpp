#include "strength_file_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<double> Points(const CStrengthCriterion& model, bool lab, bool wantX) {
  const int count = lab ? model.GetLabCount() : model.GetRockMassCount();
  std::vector<double> x(count), y(count);
  if (count > 0) {
    if (lab)
      model.GetLabData(x.data(), y.data());
    else
      model.GetRockMassData(x.data(), y.data());
  }
  return wantX ? x : y;
}

void ExpectSameBase(const CStrengthCriterion& a, const CStrengthCriterion& b, const char* name) {
  SCOPED_TRACE(name);
  EXPECT_EQ(a.GetUnits(), b.GetUnits());
  EXPECT_EQ(a.GetDataType(nullptr), b.GetDataType(nullptr));
  EXPECT_EQ(a.GetResiduals(), b.GetResiduals());
  EXPECT_EQ(a.GetBestFitResiduals(), b.GetBestFitResiduals());
  EXPECT_EQ(a.GetCurveFitMethod(nullptr), b.GetCurveFitMethod(nullptr));
  EXPECT_EQ(a.GetLabCount(), b.GetLabCount());
  EXPECT_EQ(a.GetRockMassCount(), b.GetRockMassCount());
  EXPECT_EQ(a.GetLabTest(), b.GetLabTest());
  EXPECT_EQ(a.GetRockMassTest(), b.GetRockMassTest());
  EXPECT_EQ(Points(a, true, true), Points(b, true, true));
  EXPECT_EQ(Points(a, true, false), Points(b, true, false));
  EXPECT_EQ(Points(a, false, true), Points(b, false, true));
  EXPECT_EQ(Points(a, false, false), Points(b, false, false));
  double a1 = 0, a2 = 0, a3 = 0, b1 = 0, b2 = 0, b3 = 0;
  a.GetParameters(&a1, &a2, &a3);
  b.GetParameters(&b1, &b2, &b3);
  EXPECT_EQ(a1, b1);
  EXPECT_EQ(a2, b2);
  EXPECT_EQ(a3, b3);
}

// The envelope range: application, range, unit weight and height.
template <class Model>
void ExpectSameRange(const Model& a, const Model& b) {
  int appA = 0, appB = 0;
  double rA[3], rB[3];
  a.GetEnvelopeRange(&appA, &rA[0], &rA[1], &rA[2]);
  b.GetEnvelopeRange(&appB, &rB[0], &rB[1], &rB[2]);
  EXPECT_EQ(appA, appB);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(rA[i], rB[i]) << i;
}

}  // namespace

std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

void FillProject(CStrengthFile& file, int criterion) {
  file.m_strTitle = "Slope: north wall";
  file.m_nCriterion = criterion;
  file.SelectActiveCriterion();

  CHoekBrownCriterion& hb = file.m_hoekBrown;
  hb.SetParameters(31.123456789, 12.3456789, 57.777777, 1.0 / 3.0);
  hb.SetDataType(DATA_TRIAXIAL);
  hb.SetFieldDataFlag(SOURCE_ROCK_MASS);
  hb.SetResiduals(1.2345678912);
  hb.SetBestFitResiduals(1.0 / 7.0);
  hb.SetCurveFitMethod(CHoekBrownCriterion::FIT_LINEAR_REGRESSION);
  hb.SetModulusMethod(MODULUS_HOEK_DIEDERICHS, 17777.123456);
  hb.SetModulusMethod(MODULUS_HOEK_CARRANZA_TORRES_CORKUM, 0.0);
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, 12.0 + 1.0 / 3.0, 0.0271, 61.1);

  CMohrCoulombCriterion& mc = file.m_mohrCoulomb;
  mc.SetParameters(1.1111111, 33.333333333, -0.4444444);
  mc.SetDataType(DATA_DIRECT_SHEAR);
  mc.SetEnvelopeRange(APPLICATION_CUSTOM, 8.8888888888, 0.0261, 45.5);
  mc.SetResiduals(0.3);
  mc.SetBestFitResiduals(0.1 + 0.2);
  mc.SetCurveFitMethod(1);

  CBartonBandisCriterion& bb = file.m_bartonBandis;
  bb.SetParameters(27.7, 9.999999, 31.1 / 3.0);
  bb.SetEnvelopeRange(APPLICATION_CUSTOM, 5.55555, 0.0263, 70.0);
  bb.SetResiduals(2.0 / 3.0);
  bb.SetBestFitResiduals(-2.0);
  bb.SetCurveFitMethod(1);

  CPowerCurveCriterion& pc = file.m_powerCurve;
  pc.SetParameters(1.2345, 0.0987654321, 0.654321);
  pc.SetAtmosphericPressure(0.101325);
  pc.SetDataType(DATA_TRIAXIAL);
  pc.SetSig3Max(4.4444444);
  pc.SetEnvelopeRange(APPLICATION_CUSTOM, 4.4444444, 0.025, 40.0);
  pc.SetResiduals(5e-7 / 3.0);
  pc.SetBestFitResiduals(5e-7 / 3.0);

  CStrengthCriterion& active = *file.m_pActiveCriterion;
  const double labX[] = {0.0, 1.0 / 3.0, 2.5, 5.123456789, 10.0};
  const double labY[] = {30.1, 41.0 / 3.0, 52.25, 60.987654321, 1e-20};
  active.SetLabData(5, labX, labY);
  active.SetLabTest(1);
  const double massX[] = {0.5, 1.0 / 7.0, 3.0};
  const double massY[] = {4.0 / 9.0, 6.0, 9.5};
  active.SetRockMassData(3, massX, massY);
  active.SetRockMassTest(0);
  active.SetResiduals(0.5 / 3.0);
}

void ExpectSameProject(const CStrengthFile& expected, const CStrengthFile& actual) {
  EXPECT_STREQ(expected.m_strTitle, actual.m_strTitle);
  EXPECT_EQ(expected.m_nCriterion, actual.m_nCriterion);
  EXPECT_EQ(expected.m_pActiveCriterion->GetCriterionType(),
            actual.m_pActiveCriterion->GetCriterionType());

  const CHoekBrownCriterion& hb1 = expected.m_hoekBrown;
  const CHoekBrownCriterion& hb2 = actual.m_hoekBrown;
  ExpectSameBase(hb1, hb2, "hoek-brown");
  double p1[4], p2[4];
  hb1.GetParameters(&p1[0], &p1[1], &p1[2], &p1[3]);
  hb2.GetParameters(&p2[0], &p2[1], &p2[2], &p2[3]);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(p1[i], p2[i]) << i;
  ExpectSameRange(hb1, hb2);
  BYTE f1 = 0, f2 = 0;
  hb1.GetFieldDataFlag(&f1);
  hb2.GetFieldDataFlag(&f2);
  EXPECT_EQ(f1, f2);
  EXPECT_EQ(hb1.GetModulusMethod(), hb2.GetModulusMethod());
  EXPECT_EQ(hb1.GetIntactModulus(), hb2.GetIntactModulus());

  ExpectSameBase(expected.m_mohrCoulomb, actual.m_mohrCoulomb, "mohr-coulomb");
  ExpectSameRange(expected.m_mohrCoulomb, actual.m_mohrCoulomb);
  ExpectSameBase(expected.m_bartonBandis, actual.m_bartonBandis, "barton-bandis");
  ExpectSameRange(expected.m_bartonBandis, actual.m_bartonBandis);
  ExpectSameBase(expected.m_powerCurve, actual.m_powerCurve, "power curve");
  ExpectSameRange(expected.m_powerCurve, actual.m_powerCurve);
  EXPECT_EQ(expected.m_powerCurve.GetAtmosphericPressure(),
            actual.m_powerCurve.GetAtmosphericPressure());
}
