// Property sweeps over the parameter ranges the side bar accepts.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "core/criteria/CriterionMath.h"
#include "core/criteria/HoekBrownCriterion.h"
#include "core/criteria/MohrCoulombCriterion.h"
#include "criteria_test_support.h"

using criteria_test::CircleError;
using criteria_test::IsFiniteRow;

TEST(CriteriaProperties, HoekBrownSweepIsFiniteAndConsistent) {
  const double sigcis[] = {1e-3, 0.5, 30.0, 2000.0, 1e5};
  const double gsis[] = {5, 20, 45, 75, 100};
  const double mis[] = {1, 7, 25, 50};
  const double ds[] = {0, 0.5, 1};
  int checked = 0;
  for (int units = 0; units < 8; units++) {
    for (double sigci : sigcis) {
      for (double GSI : gsis) {
        for (double mi : mis) {
          for (double D : ds) {
            CHoekBrownCriterion hb;
            hb.SetUnits(units);
            hb.SetParameters(sigci, mi, GSI, D);
            for (int app = 0; app < 3; app++) {
              hb.SetEnvelopeRange(app, 0.0, units < 3 ? 0.026 : 0.166, 50.0);
              ASSERT_TRUE(std::isfinite(hb.GetSig3Max()));
              double c, phi;
              hb.CalcEquivalentMC(&c, &phi);
              ASSERT_TRUE(std::isfinite(c) && std::isfinite(phi)) << sigci << " " << GSI;
            }
            double sigc, sigt, Em, sigcm;
            hb.GetRockMassStrengths(&sigc, &sigt, &Em, &sigcm);
            ASSERT_TRUE(std::isfinite(sigc) && std::isfinite(sigt) && std::isfinite(Em) &&
                        std::isfinite(sigcm));
            ASSERT_LT(sigt, 0.0);
            ASSERT_GT(sigcm, 0.0);

            // Equivalent Mohr-Coulomb identities: tau = c + sigN tan phi and
            // sig1 = 2c cos/(1 - sin) + (1 + sin)/(1 - sin) sig3 describe one line.
            double c, phi;
            hb.CalcEquivalentMC(&c, &phi);
            const double pr = phi * criteria::kDegToRad;
            ASSERT_GT(phi, 0.0);
            ASSERT_LT(phi, 90.0);
            for (double s3 : {0.0, hb.GetSig3Max()}) {
              const double s1 = hb.GetEquivMCSig1(s3);
              const double sn = (s1 + s3) / 2 - (s1 - s3) / 2 * std::sin(pr);
              double tau = 0;
              hb.GetEquivMCTau(sn, &tau);
              ASSERT_NEAR((s1 - s3) / 2 * std::cos(pr), tau, 1e-9 * (1 + std::fabs(s1)));
            }

            const EnvelopePoint* rows = hb.BuildPrincipalEnvelope(40);
            for (int i = 0; i < 40; i++) {
              ASSERT_TRUE(IsFiniteRow(rows[i])) << units << " " << sigci << " " << GSI << " " << mi;
              if (i == 0) continue;
              const double scale = 1.0 + std::fabs(rows[i].sig1);
              ASSERT_LT(CircleError(rows[i].sig3, rows[i].sig1, rows[i].sigN, rows[i].tau),
                        1e-9 * scale);
              // The shear-strength solution returns the same point; the closed
              // form (a = 0.5) gives 0 below the uniaxial tensile strength.
              double mb, s, a;
              hb.GetRockMassConstants(nullptr, &mb, &s, &a);
              const bool cut =
                  a == 0.5 && rows[i].sigN <= (sigci / 2) * (mb - std::sqrt(mb * mb + 4 * s));
              if (i % 8 == 3 && !cut) {
                double tau = -1;
                ASSERT_TRUE(hb.CalcTauAtSigN(rows[i].sigN, &tau));
                ASSERT_NEAR(rows[i].tau, tau, 1e-6 * (1 + rows[i].tau) + 1e-7 * sigci)
                    << sigci << " " << GSI << " " << mi << " " << D << " " << rows[i].sigN;
                const double s3 = hb.GetSig3AtSigN(rows[i].sigN);
                ASSERT_NEAR(rows[i].sig3, s3, 1e-5 * (1 + std::fabs(rows[i].sig3)) + 1e-6 * sigci);
                checked++;
              }
            }
            // Instantaneous line: finite at every row.
            double ci, phii;
            hb.GetInstantaneousMC(rows[20].sig3, &ci, &phii);
            ASSERT_TRUE(std::isfinite(ci) && std::isfinite(phii));
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST(CriteriaProperties, HoekBrownRangeEdgesStayFinite) {
  // Custom sig3max at or below sigt and zero-width ranges.
  CHoekBrownCriterion hb;
  double sigt;
  hb.GetRockMassStrengths(nullptr, &sigt, nullptr, nullptr);
  for (double s3max : {sigt, sigt * 3.0, 0.0, -100.0}) {
    hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_CUSTOM, s3max, 0.026, 50.0);
    double c, phi;
    hb.CalcEquivalentMC(&c, &phi);
    ASSERT_TRUE(std::isfinite(c) && std::isfinite(phi));
    const EnvelopePoint* rows = hb.BuildPrincipalEnvelope(25);
    for (int i = 0; i < 25; i++) ASSERT_TRUE(IsFiniteRow(rows[i]));
    ASSERT_TRUE(std::isfinite(hb.GetEquivMCSig1(3.0)));
  }
  // Zero gamma or H: range 0, finite.
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_TUNNELS, 0.0, 0.0, 50.0);
  EXPECT_EQ(0.0, hb.GetSig3Max());
  hb.SetEnvelopeRange(CHoekBrownCriterion::APPLICATION_SLOPES, 0.0, 0.026, 0.0);
  EXPECT_EQ(0.0, hb.GetSig3Max());
}

TEST(CriteriaProperties, MohrCoulombSweepIsFiniteAndConsistent) {
  const double cs[] = {0.0, 1e-3, 1.0, 150.0, 1e5};
  const double phis[] = {0.0, 1.0, 20.0, 45.0, 70.0, 89.0, 90.0};
  const double sigts[] = {0.0, -0.5, -1e4};
  for (int units = 0; units < 8; units++) {
    for (double c : cs) {
      for (double phi : phis) {
        for (double sigt : sigts) {
          for (int type = 0; type < 2; type++) {
            CMohrCoulombCriterion mc;
            mc.SetUnits(units);
            mc.SetDataType(type);
            mc.SetParameters(c, phi, sigt);
            for (int app = 0; app < 3; app++) {
              mc.SetEnvelopeRange(app, 5.0, units < 3 ? 0.026 : 0.166, 50.0);
              ASSERT_TRUE(std::isfinite(mc.GetSig3Max()) && std::isfinite(mc.GetSignMax()))
                  << c << " " << phi << " " << app;
            }
            ASSERT_TRUE(std::isfinite(mc.GetUniaxialStrength()));
            ASSERT_TRUE(std::isfinite(mc.GetPrincipalSlopeAngle()));
            const double m = mc.GetMinSig3();
            ASSERT_TRUE(std::isfinite(m));
            ASSERT_GE(m, sigt);
            const EnvelopePoint* rows = mc.BuildPrincipalEnvelope(30);
            for (int i = 0; i < 30; i++) {
              ASSERT_TRUE(IsFiniteRow(rows[i])) << c << " " << phi;
              if (rows[i].sig3 > m && phi < 89.5) {
                const double scale = 1.0 + std::fabs(rows[i].sig1);
                ASSERT_LT(CircleError(rows[i].sig3, rows[i].sig1, rows[i].sigN, rows[i].tau),
                          1e-9 * scale);
              }
            }
            rows = mc.BuildShearEnvelope(30);
            for (int i = 0; i < 30; i++) ASSERT_TRUE(IsFiniteRow(rows[i])) << c << " " << phi;
            // Shear side: the circle through GetSig1FromShear/GetSig3FromShear
            // touches the line at (sigN, GetTau(sigN)).
            if (phi < 89.5) {
              for (double sn : {m, m + 1.0, m + 50.0}) {
                const double s1 = mc.GetSig1FromShear(sn), s3 = mc.GetSig3FromShear(sn);
                ASSERT_LT(CircleError(s3, s1, sn, mc.GetTau(sn)), 1e-9 * (1 + std::fabs(s1)));
              }
            }
            const double x[3] = {0, 1, 2}, y[3] = {1, 3, 5};
            mc.CalcResiduals(3, x, y);
            ASSERT_TRUE(std::isfinite(mc.GetResiduals()));
          }
        }
      }
    }
  }
}

TEST(CriteriaProperties, MohrCoulombUniaxialStrengthIdentities) {
  // UCS = 2c K = 2c cos/(1 - sin); sig1(0) = UCS when the cut-off allows it.
  for (double phi = 1.0; phi < 88.0; phi += 3.7) {
    for (double c : {0.1, 1.0, 40.0}) {
      CMohrCoulombCriterion mc;
      mc.SetParameters(c, phi, -1e9);
      const double pr = phi * criteria::kDegToRad;
      const double ucs = 2 * c * std::cos(pr) / (1 - std::sin(pr));
      EXPECT_NEAR(ucs, mc.GetUniaxialStrength(), 1e-11 * ucs);
      EXPECT_NEAR(ucs, mc.GetSig1(0.0), 1e-11 * ucs);
      EXPECT_NEAR(0.0, mc.GetSig1(mc.GetMinSig3()), 1e-12 * ucs);
    }
  }
}
