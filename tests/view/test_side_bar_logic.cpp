// The side bar's window-free rules: ranges and their message, which edits a read takes, what an
// apply writes into each model and reads back, what a refresh loads, the result texts, and the
// controls that follow the application, the unit system and the enabled state.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <map>

#include "res/ViewResources.h"
#include "tests/view/view_test_support.h"
#include "view/DockFormLogic.h"

namespace {

using viewtest::Models;

bool Accepts(int edit, double value) {
  const SideBarField* f = FindSideBarField(edit);
  EXPECT_NE(f, nullptr) << edit;
  return f && (!f->checked || ValueInRange(value, f->min, f->max));
}

std::map<int, std::string> TextsById(const std::vector<SideBarText>& texts) {
  std::map<int, std::string> m;
  for (const SideBarText& t : texts) m[t.id] = t.text;
  return m;
}

bool Contains(const std::vector<int>& ids, int id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}

TEST(SideBarFields, RangesAcceptTheirBoundsAndNothingBeyond) {
  EXPECT_TRUE(Accepts(IDC_HB_GSI, 5));
  EXPECT_TRUE(Accepts(IDC_HB_GSI, 100));
  EXPECT_FALSE(Accepts(IDC_HB_GSI, 4.999));
  EXPECT_FALSE(Accepts(IDC_HB_GSI, 120));
  EXPECT_TRUE(Accepts(IDC_HB_MI, 1));
  EXPECT_TRUE(Accepts(IDC_HB_MI, 50));
  EXPECT_FALSE(Accepts(IDC_HB_MI, 50.0001));
  EXPECT_TRUE(Accepts(IDC_HB_D, 0));
  EXPECT_TRUE(Accepts(IDC_HB_D, 1));
  EXPECT_FALSE(Accepts(IDC_HB_D, -0.01));
  EXPECT_FALSE(Accepts(IDC_HB_D, 1.01));
  EXPECT_TRUE(Accepts(IDC_PC_B, 0.5));
  EXPECT_TRUE(Accepts(IDC_PC_B, 1));
  EXPECT_FALSE(Accepts(IDC_PC_B, 0.49));
  EXPECT_TRUE(Accepts(IDC_BB_JRC, 0));
  EXPECT_TRUE(Accepts(IDC_BB_JRC, 20));
  EXPECT_FALSE(Accepts(IDC_BB_JRC, 20.5));
  EXPECT_FALSE(Accepts(IDC_HB_SIGCI, 0));
  EXPECT_TRUE(Accepts(IDC_HB_SIGCI, 1e-07));
  EXPECT_FALSE(Accepts(IDC_BB_JCS, 0));
  EXPECT_FALSE(Accepts(IDC_MC_SIGT, 0.1));
  EXPECT_TRUE(Accepts(IDC_MC_SIGT, -1e300));
  EXPECT_FALSE(Accepts(IDC_MC_PHI, 90.1));
  // The Hoek-Brown sig3max and the Mohr-Coulomb range take any number, negatives included.
  EXPECT_TRUE(Accepts(IDC_HB_SIG3MAX, -5));
  EXPECT_TRUE(Accepts(IDC_MC_RANGE, -5));
  EXPECT_FALSE(Accepts(IDC_BB_SIGNMAX, -5));
  // No range lets a value that is no number through.
  for (int c = 0; c < 4; ++c)
    for (const SideBarField& f : SideBarFields(c))
      if (f.checked) {
        EXPECT_FALSE(ValueInRange(NAN, f.min, f.max)) << f.edit;
      }
  EXPECT_EQ(FindSideBarField(IDC_HB_GROUP), nullptr);
}

TEST(SideBarFields, RangeMessagesShowBothEnds) {
  EXPECT_EQ(RangeMessage(1e-07, kSideBarMax), "Please enter a number between 1e-07 and 1.79769e+308");
  EXPECT_EQ(RangeMessage(-kSideBarMax, 0), "Please enter a number between -1.79769e+308 and 0");
  EXPECT_EQ(RangeMessage(5, 100), "Please enter a number between 5 and 100");
}

TEST(SideBarFields, AReadTakesOnlyWhatTheUserCanType) {
  const SideBarField& sigci = *FindSideBarField(IDC_HB_SIGCI);
  const SideBarField& sig3max = *FindSideBarField(IDC_HB_SIG3MAX);
  const SideBarField& weight = *FindSideBarField(IDC_HB_UNIT_WEIGHT);
  const SideBarField& mb = *FindSideBarField(IDC_HB_MB);
  const int hb = CRITERION_HOEK_BROWN;
  for (int app = 0; app < 4; ++app) {
    EXPECT_TRUE(ReadWhenSaving(sigci, hb, app));
    EXPECT_FALSE(ReadWhenSaving(mb, hb, app));  // a result never blocks an apply
  }
  // General, Tunnels, Slopes compute sig3max; Custom takes it typed.
  EXPECT_FALSE(ReadWhenSaving(sig3max, hb, CHoekBrownCriterion::APPLICATION_GENERAL));
  EXPECT_FALSE(ReadWhenSaving(sig3max, hb, CHoekBrownCriterion::APPLICATION_TUNNELS));
  EXPECT_TRUE(ReadWhenSaving(sig3max, hb, CHoekBrownCriterion::APPLICATION_CUSTOM));
  EXPECT_FALSE(ReadWhenSaving(weight, hb, CHoekBrownCriterion::APPLICATION_GENERAL));
  EXPECT_TRUE(ReadWhenSaving(weight, hb, CHoekBrownCriterion::APPLICATION_SLOPES));
  EXPECT_FALSE(ReadWhenSaving(weight, hb, CHoekBrownCriterion::APPLICATION_CUSTOM));
  // The other criteria number Tunnels 0, Slopes 1, Custom 2.
  const SideBarField& signmax = *FindSideBarField(IDC_BB_SIGNMAX);
  EXPECT_FALSE(ReadWhenSaving(signmax, CRITERION_BARTON_BANDIS, APPLICATION_TUNNELS));
  EXPECT_TRUE(ReadWhenSaving(signmax, CRITERION_BARTON_BANDIS, APPLICATION_CUSTOM));
  EXPECT_TRUE(ReadWhenSaving(*FindSideBarField(IDC_PC_DEPTH), CRITERION_POWER_CURVE,
                             APPLICATION_TUNNELS));
  EXPECT_FALSE(ReadWhenSaving(*FindSideBarField(IDC_PC_PHI), CRITERION_POWER_CURVE,
                              APPLICATION_CUSTOM));
}

TEST(SideBarApply, HoekBrownWritesTheInputsAndReadsTheDerivedValuesBack) {
  Models m;
  SideBarValues v;
  v.hbSigci = 80, v.hbGsi = 65, v.hbMi = 12, v.hbD = 0.3;
  v.hbApplication = CHoekBrownCriterion::APPLICATION_CUSTOM;
  v.hbSig3max = 12;
  v.hbMb = v.hbS = v.hbA = -1;  // stale results are overwritten
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);

  double sigci, mi, gsi, d;
  m.hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(sigci, 80);
  EXPECT_EQ(mi, 12);
  EXPECT_EQ(gsi, 65);
  EXPECT_EQ(d, 0.3);
  double ci, mb, s, a, sigc, sigt, em, sigcm, c, phi;
  m.hoekBrown.GetRockMassConstants(&ci, &mb, &s, &a);
  m.hoekBrown.GetRockMassStrengths(&sigc, &sigt, &em, &sigcm);
  m.hoekBrown.CalcEquivalentMC(&c, &phi);
  EXPECT_EQ(v.hbMb, mb);
  EXPECT_EQ(v.hbS, s);
  EXPECT_EQ(v.hbA, a);
  EXPECT_EQ(v.hbSigt, sigt);
  EXPECT_EQ(v.hbSigcm, sigcm);
  EXPECT_EQ(v.hbEm, em);
  EXPECT_EQ(v.hbC, c);
  EXPECT_EQ(v.hbPhi, phi);
  EXPECT_EQ(v.hbSig3max, 12);
  EXPECT_EQ(m.hoekBrown.GetSig3Max(), 12);

  // Tunnels computes the bound from unit weight and depth; the typed sig3max is not used.
  v.hbApplication = CHoekBrownCriterion::APPLICATION_TUNNELS;
  v.hbUnitWeight = 0.027, v.hbDepth = 400, v.hbSig3max = 999;
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  EXPECT_NE(v.hbSig3max, 999);
  EXPECT_EQ(v.hbSig3max, m.hoekBrown.GetSig3Max());
  EXPECT_GT(v.hbSig3max, 0);
}

TEST(SideBarApply, ResidualsFollowTheDataWithoutARefit) {
  Models m;
  SideBarValues v;
  // No data: the residuals stay as they were.
  m.hoekBrown.SetResiduals(7.5);
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  EXPECT_EQ(m.hoekBrown.GetResiduals(), 7.5);

  // Lab points on the envelope of sigci 30, mi 10: zero residuals for those parameters (one
  // point is data too), positive ones after mi changes, and mi stays as typed.
  m.hoekBrown.SetParameters(30, 10, 100, 0);
  v.hbGsi = 100, v.hbMi = 10, v.hbSigci = 30;
  viewtest::LabOnEnvelope(&m.hoekBrown, {2});
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  EXPECT_NEAR(m.hoekBrown.GetResiduals(), 0.0, 1e-9);
  m.hoekBrown.SetResiduals(7.5);
  viewtest::LabOnEnvelope(&m.hoekBrown, {0, 2, 5, 10});
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  EXPECT_NEAR(m.hoekBrown.GetResiduals(), 0.0, 1e-9);
  v.hbMi = 15;
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  EXPECT_GT(m.hoekBrown.GetResiduals(), 1.0);
  double sigci, mi, gsi, d;
  m.hoekBrown.GetParameters(&sigci, &mi, &gsi, &d);
  EXPECT_EQ(mi, 15);

  // Rock-mass data source: the residuals come from the rock-mass points, not the lab ones.
  const double x[] = {0, 1, 2};
  const double y[] = {50, 60, 70};
  m.hoekBrown.SetRockMassData(3, x, y);
  m.hoekBrown.SetFieldDataFlag(SOURCE_ROCK_MASS);
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  CHoekBrownCriterion check;
  check.CopyFrom(m.hoekBrown);
  check.SetParameters(30, 15, 100, 0);
  check.SetFieldDataFlag(SOURCE_ROCK_MASS);
  check.CalcResiduals(3, x, y);
  EXPECT_EQ(m.hoekBrown.GetResiduals(), check.GetResiduals());
}

TEST(SideBarApply, MohrCoulombShowsTheTensileCutOffAndSetsTheBoundOfItsDataType) {
  Models m;
  SideBarValues v;
  v.mcC = 2, v.mcPhi = 30, v.mcSigt = -100;  // far below the intercept
  v.mcApplication = APPLICATION_CUSTOM;
  v.mcRange = 20;
  ApplySideBarValues(m.Doc(CRITERION_MOHR_COULOMB), v);
  const double intercept = -2 * 2 / std::tan((45 + 15) * 3.14159265358979323846 / 180);
  EXPECT_NEAR(v.mcSigt, intercept, 1e-12);
  EXPECT_EQ(v.mcSigt, m.mohrCoulomb.GetMinSig3());
  EXPECT_EQ(m.mohrCoulomb.GetSig3Max(), 20);

  m.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  v.mcRange = 15;
  ApplySideBarValues(m.Doc(CRITERION_MOHR_COULOMB), v);
  EXPECT_EQ(m.mohrCoulomb.GetSignMax(), 15);
  EXPECT_EQ(m.mohrCoulomb.GetSig3Max(), 20);  // untouched

  // A value above the intercept stays as typed.
  v.mcSigt = -0.1;
  ApplySideBarValues(m.Doc(CRITERION_MOHR_COULOMB), v);
  EXPECT_EQ(v.mcSigt, -0.1);
}

TEST(SideBarApply, BartonBandisAndPowerCurve) {
  Models m;
  SideBarValues v;
  v.bbPhir = 28, v.bbJrc = 8, v.bbJcs = 60, v.bbApplication = APPLICATION_CUSTOM, v.bbSignmax = 4;
  ApplySideBarValues(m.Doc(CRITERION_BARTON_BANDIS), v);
  double phib, jrc, jcs;
  m.bartonBandis.GetParameters(&phib, &jrc, &jcs);
  EXPECT_EQ(phib, 28);
  EXPECT_EQ(jrc, 8);
  EXPECT_EQ(jcs, 60);
  EXPECT_EQ(m.bartonBandis.GetSignMax(), 4);
  EXPECT_GT(v.bbC, 0);
  EXPECT_GT(v.bbPhi, 28);

  v.pcA = 2, v.pcD = 0.5, v.pcB = 0.8, v.pcPa = 0.2, v.pcApplication = APPLICATION_CUSTOM;
  v.pcRange = 9;
  ApplySideBarValues(m.Doc(CRITERION_POWER_CURVE), v);
  double a, d, b;
  m.powerCurve.GetParameters(&a, &d, &b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(d, 0.5);
  EXPECT_EQ(b, 0.8);
  EXPECT_EQ(m.powerCurve.GetAtmosphericPressure(), 0.2);
  EXPECT_EQ(m.powerCurve.GetSig3Max(), 9);
  m.powerCurve.SetDataType(DATA_DIRECT_SHEAR);
  v.pcRange = 3;
  ApplySideBarValues(m.Doc(CRITERION_POWER_CURVE), v);
  EXPECT_EQ(m.powerCurve.GetSignMax(), 3);
  EXPECT_EQ(m.powerCurve.GetSig3Max(), 9);
}

TEST(SideBarLoad, LoadsTheCurrentModelAndLeavesItAlone) {
  Models m;
  m.mohrCoulomb.SetParameters(3, 40, -1);
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 12, 0.02, 30);
  m.mohrCoulomb.SetResiduals(4);
  SideBarValues v;
  v.hbGsi = 77;
  LoadSideBarValues(m.Doc(CRITERION_MOHR_COULOMB), v);
  EXPECT_EQ(v.mcC, 3);
  EXPECT_EQ(v.mcPhi, 40);
  EXPECT_EQ(v.mcSigt, -1);
  EXPECT_EQ(v.mcApplication, APPLICATION_CUSTOM);
  EXPECT_EQ(v.mcRange, 12);
  EXPECT_EQ(v.mcUnitWeight, 0.02);
  EXPECT_EQ(v.mcDepth, 30);
  EXPECT_EQ(v.hbGsi, 77);  // other groups keep their values
  EXPECT_EQ(m.mohrCoulomb.GetResiduals(), 4);
  double c, phi, sigt;
  m.mohrCoulomb.GetParameters(&c, &phi, &sigt);
  EXPECT_EQ(sigt, -1);

  // Direct-shear data: the range is the model's signmax.
  m.powerCurve.SetDataType(DATA_DIRECT_SHEAR);
  m.powerCurve.SetSignMax(6);
  m.powerCurve.SetAtmosphericPressure(0.3);
  LoadSideBarValues(m.Doc(CRITERION_POWER_CURVE), v);
  EXPECT_EQ(v.pcRange, 6);
  EXPECT_EQ(v.pcPa, 0.3);

  // A refresh and an apply of the loaded values give the same model back.
  m.hoekBrown.SetParameters(55, 17, 45, 0.5);
  m.hoekBrown.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 0, 0.025, 80);
  LoadSideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  const double before = m.hoekBrown.GetSig3Max();
  ApplySideBarValues(m.Doc(CRITERION_HOEK_BROWN), v);
  EXPECT_EQ(m.hoekBrown.GetSig3Max(), before);
  EXPECT_EQ(v.hbApplication, CHoekBrownCriterion::APPLICATION_SLOPES);
}

TEST(SideBarResults, FormatsFollowEachResultAndTheDecimalPlaces) {
  Models m;
  SideBarValues v;
  m.hoekBrown.SetParameters(30, 10, 50, 0);
  auto hb = TextsById(SideBarResultTexts(m.Doc(CRITERION_HOEK_BROWN), v, -1));
  EXPECT_EQ(hb.size(), 10u);
  double ci, mb, s, a;
  m.hoekBrown.GetRockMassConstants(&ci, &mb, &s, &a);
  char text[64];
  std::snprintf(text, sizeof text, "%.3f", mb);
  EXPECT_EQ(hb[IDC_HB_MB], text);
  std::snprintf(text, sizeof text, "%.4f", s);
  EXPECT_EQ(hb[IDC_HB_S], text);
  EXPECT_EQ(hb[IDC_HB_A], "0.506");
  EXPECT_EQ(hb.count(IDC_HB_SIGCI), 0u);  // an input: never rewritten as a result

  // Decimal places 2 put every result, "%.4g" ones included, in "%.2f".
  m.mohrCoulomb.SetParameters(1.23456, 30, -0.1);
  auto mc = TextsById(SideBarResultTexts(m.Doc(CRITERION_MOHR_COULOMB), v, 2));
  EXPECT_EQ(mc[IDC_MC_SIGT], "-0.10");
  auto mcDefault = TextsById(SideBarResultTexts(m.Doc(CRITERION_MOHR_COULOMB), v, -1));
  std::snprintf(text, sizeof text, "%.4g", m.mohrCoulomb.GetUniaxialStrength());
  EXPECT_EQ(mcDefault[IDC_MC_SIGC], text);
  // The range shows the bound of the data type: sig3max for triaxial, signmax for direct shear.
  m.mohrCoulomb.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0, 0);
  m.mohrCoulomb.SetSignMax(15);
  ASSERT_EQ(m.mohrCoulomb.GetSig3Max(), 20);
  EXPECT_EQ(TextsById(SideBarResultTexts(m.Doc(CRITERION_MOHR_COULOMB), v, -1))[IDC_MC_RANGE],
            "20.0000");
  m.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  EXPECT_EQ(TextsById(SideBarResultTexts(m.Doc(CRITERION_MOHR_COULOMB), v, -1))[IDC_MC_RANGE],
            "15.0000");
  m.powerCurve.SetEnvelopeRange(APPLICATION_CUSTOM, 20, 0, 0);
  m.powerCurve.SetDataType(DATA_DIRECT_SHEAR);
  m.powerCurve.SetSignMax(15);
  EXPECT_EQ(TextsById(SideBarResultTexts(m.Doc(CRITERION_POWER_CURVE), v, -1))[IDC_PC_RANGE],
            "15.0000");

  // Power curve: A = a Pa^(b-1) and T = d / Pa with the panel's Pa.
  m.powerCurve.SetParameters(2, 0.5, 0.5);
  v.pcPa = 0.25;
  auto pc = TextsById(SideBarResultTexts(m.Doc(CRITERION_POWER_CURVE), v, -1));
  EXPECT_EQ(pc[IDC_PC_ND_A], "4");
  EXPECT_EQ(pc[IDC_PC_ND_T], "2");
  EXPECT_EQ(pc[IDC_PC_ND_N], "0.5");
  // A Pa of 0 (a damaged file) shows as such and breaks nothing.
  v.pcPa = 0;
  pc = TextsById(SideBarResultTexts(m.Doc(CRITERION_POWER_CURVE), v, -1));
  EXPECT_EQ(pc[IDC_PC_ND_T], "inf");
}

TEST(SideBarControls, ApplicationDecidesRangeAndLoadRows) {
  struct Row {
    int criterion, application;
    bool readOnly, loadRows;
    const char* depth;
  };
  const Row rows[] = {
      {CRITERION_HOEK_BROWN, CHoekBrownCriterion::APPLICATION_GENERAL, true, false, nullptr},
      {CRITERION_HOEK_BROWN, CHoekBrownCriterion::APPLICATION_TUNNELS, true, true, "Tunnel Depth"},
      {CRITERION_HOEK_BROWN, CHoekBrownCriterion::APPLICATION_SLOPES, true, true, "Slope Height"},
      {CRITERION_HOEK_BROWN, CHoekBrownCriterion::APPLICATION_CUSTOM, false, false, nullptr},
      {CRITERION_MOHR_COULOMB, APPLICATION_TUNNELS, true, true, "Tunnel Depth"},
      {CRITERION_MOHR_COULOMB, APPLICATION_CUSTOM, false, false, nullptr},
      {CRITERION_BARTON_BANDIS, APPLICATION_SLOPES, true, true, "Slope Height"},
      {CRITERION_BARTON_BANDIS, APPLICATION_CUSTOM, false, false, nullptr},
      {CRITERION_POWER_CURVE, APPLICATION_TUNNELS, true, true, "Tunnel Depth"},
      {CRITERION_POWER_CURVE, APPLICATION_CUSTOM, false, false, nullptr},
  };
  for (const Row& r : rows) {
    const ApplicationControls a = ApplicationControlsFor(r.criterion, r.application);
    SCOPED_TRACE(testing::Message() << r.criterion << "/" << r.application);
    EXPECT_EQ(a.rangeReadOnly, r.readOnly);
    EXPECT_EQ(a.showLoadRows, r.loadRows);
    EXPECT_EQ(a.loadRows.size(), 6u);
    if (r.depth) {
      EXPECT_STREQ(a.depthText, r.depth);
    }
    EXPECT_TRUE(Contains(a.loadRows, a.depthLabel));
  }
  EXPECT_EQ(ApplicationControlsFor(CRITERION_POWER_CURVE, 0).rangeEdit, IDC_PC_RANGE);
  EXPECT_EQ(ApplicationControlsFor(CRITERION_BARTON_BANDIS, 0).rangeSpin, IDC_BB_SIGNMAX_SPIN);
}

TEST(SideBarControls, SpinStepsFollowTheUnitSystem) {
  auto find = [](const std::vector<SpinSetting>& v, int spin) {
    for (const SpinSetting& s : v)
      if (s.spin == spin) return s;
    ADD_FAILURE() << spin;
    return SpinSetting{0, 0, 0, 0};
  };
  const auto kpa = UnitSpinSettings(UNITS_KPA);
  EXPECT_EQ(find(kpa, IDC_PC_RANGE_SPIN).step, 0.01);
  EXPECT_EQ(find(kpa, IDC_BB_SIGNMAX_SPIN).step, 10);
  EXPECT_EQ(find(kpa, IDC_HB_SIGCI_SPIN).min, 1000);
  EXPECT_EQ(find(kpa, IDC_PC_PA_SPIN).min, 0.1);
  EXPECT_EQ(find(kpa, IDC_PC_PA_SPIN).step, 0.5);
  const auto psf = UnitSpinSettings(UNITS_PSF);
  EXPECT_EQ(find(psf, IDC_HB_SIGCI_SPIN).step, 1000);
  EXPECT_EQ(find(psf, IDC_BB_JCS_SPIN).step, 1000);
  const auto ksf = UnitSpinSettings(UNITS_KSF);
  EXPECT_EQ(find(ksf, IDC_BB_SIGNMAX_SPIN).step, 1);
  const SpinSetting sigt = find(UnitSpinSettings(UNITS_MPA), IDC_MC_SIGT_SPIN);
  EXPECT_EQ(sigt.min, -DBL_MAX);
  EXPECT_EQ(sigt.max, 0);
  EXPECT_EQ(sigt.step, 0.1);
  EXPECT_TRUE(UnitSpinSettings(8).empty());
  EXPECT_TRUE(UnitSpinSettings(-1).empty());
  for (int u = 0; u < UNITS_COUNT; ++u) EXPECT_EQ(UnitSpinSettings(u).size(), 10u);
}

TEST(SideBarControls, UnitLabelsAndRangeLabel) {
  auto none = TextsById(UnitLabelTexts(nullptr));
  EXPECT_EQ(none[IDC_HB_SIGCI_UNIT], "MPa");
  EXPECT_EQ(none[IDC_MC_UNIT_WEIGHT_UNIT], "MN/m3");
  EXPECT_EQ(none[IDC_PC_DEPTH_UNIT], "m");
  EXPECT_EQ(none.count(IDC_MC_RANGE_LABEL), 0u);
  EXPECT_EQ(none.size(), 28u);

  Models m;
  m.mohrCoulomb.SetUnits(UNITS_KSI);
  m.mohrCoulomb.SetDataType(DATA_DIRECT_SHEAR);
  auto ksi = TextsById(UnitLabelTexts(&m.mohrCoulomb));
  EXPECT_EQ(ksi[IDC_PC_PA_UNIT], "ksi");
  EXPECT_EQ(ksi[IDC_HB_DEPTH_UNIT], "ft");
  EXPECT_EQ(ksi[IDC_MC_RANGE_LABEL], "signmax");
  EXPECT_EQ(ksi[IDC_PC_RANGE_LABEL], "signmax");
  auto mpa = TextsById(UnitLabelTexts(&m.hoekBrown));
  EXPECT_EQ(mpa[IDC_MC_RANGE_LABEL], "sig3max");
}

TEST(SideBarControls, EnableListTakesLoadEditsOnlyWhereTheyAreUsed) {
  SideBarValues v;
  v.hbApplication = CHoekBrownCriterion::APPLICATION_GENERAL;
  v.mcApplication = APPLICATION_TUNNELS;
  v.bbApplication = APPLICATION_CUSTOM;
  v.pcApplication = APPLICATION_SLOPES;
  const std::vector<int> ids = EnabledControlIds(v);
  EXPECT_FALSE(Contains(ids, IDC_HB_UNIT_WEIGHT));
  EXPECT_TRUE(Contains(ids, IDC_MC_UNIT_WEIGHT));
  EXPECT_TRUE(Contains(ids, IDC_MC_DEPTH));
  EXPECT_FALSE(Contains(ids, IDC_BB_DEPTH));
  EXPECT_TRUE(Contains(ids, IDC_PC_DEPTH));
  EXPECT_TRUE(Contains(ids, IDC_BB_SIGNMAX));
  EXPECT_TRUE(Contains(ids, IDC_BB_SIGNMAX_SPIN));
  EXPECT_TRUE(Contains(ids, IDC_HB_GSI_PICK));
  EXPECT_TRUE(Contains(ids, IDC_PC_COPY_DATA));
  EXPECT_TRUE(Contains(ids, IDC_HB_APPLICATION));
  // Labels, group boxes and pictures are never switched.
  EXPECT_FALSE(Contains(ids, IDC_HB_GSI_LABEL));
  EXPECT_FALSE(Contains(ids, IDC_HB_GROUP));
  EXPECT_FALSE(Contains(ids, IDC_HB_FORMULA));
  // 18 spins, 18 input edits, 9 picks, 19 results, 4 combos, 4 load edits, 4 copy buttons.
  EXPECT_EQ(ids.size(), 76u);
}

}  // namespace
