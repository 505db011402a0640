#include "core/criteria/MohrCoulombCriterion.h"

#include <algorithm>
#include <cmath>

#include "core/criteria/CriterionMath.h"

using criteria::kDegToRad;
using criteria::kPi;

const double CMohrCoulombCriterion::kMaxFitPhi = 1.553343034;

namespace {
const double kDefaultC[UNITS_COUNT] = {1.0, 100.0, 100.0, 0.1, 20.0, 15.0, 2000.0, 10.0};
const double kDefaultSigt[UNITS_COUNT] = {-0.5, -50.0, -50.0, -0.05, -10.0, -10.0, -1000.0, -5.0};
const double kDefaultRange[UNITS_COUNT] = {10.0, 100.0, 100.0, 1.0, 200.0, 15.0, 2000.0, 10.0};

}  // namespace

CMohrCoulombCriterion::CMohrCoulombCriterion() : m_c(1.0), m_phi(35.0), m_sigt(-0.5) {
  m_sig3max = 10.0;
  m_signmax = 10.0;
  m_residuals = -1.0;
  m_bestFitResiduals = -2.0;
  m_bestFitFlag = 0;
  m_curveFitMethod = FIT_LEVENBERG_MARQUARDT;
  m_dataType = DATA_TRIAXIAL;
  SetParameters(1.0, 35.0, -0.5);
  SetEnvelopeRange(APPLICATION_TUNNELS, 10.0, 0.026, 50.0);
}

CMohrCoulombCriterion::~CMohrCoulombCriterion() {}

// --- Parameters ------------------------------------------------------------

void CMohrCoulombCriterion::SetParameters(double c, double phi, double sigt) {
  m_c = c;
  m_phi = phi;
  m_sigt = sigt;
}

void CMohrCoulombCriterion::SetCohesionFriction(double c, double phi) {
  m_c = c;
  m_phi = phi;
}

void CMohrCoulombCriterion::GetParameters(double* c, double* phi, double* sigt) const {
  if (c) *c = m_c;
  if (phi) *phi = m_phi;
  if (sigt) *sigt = m_sigt;
}

int CMohrCoulombCriterion::GetDataType(int* out) const {
  return CStrengthCriterion::GetDataType(out);
}

double CMohrCoulombCriterion::PhiRad() const {
  const double phi = std::max(-criteria::kMaxPhiDeg, std::min(m_phi, criteria::kMaxPhiDeg));
  return phi * kDegToRad;
}

// tan(45 + phi/2) = sqrt((1 + sin phi)/(1 - sin phi)).
double CMohrCoulombCriterion::K() const {
  return std::tan(kPi / 4.0 + PhiRad() / 2.0);
}

double CMohrCoulombCriterion::GlobalStrength() const {
  return 2.0 * m_c * K();
}

double CMohrCoulombCriterion::GetUniaxialStrength() const {
  return 2.0 * m_c * K();
}

double CMohrCoulombCriterion::GetPrincipalSlopeAngle() const {
  const double k = K();
  return std::atan(k * k) * 180.0 / kPi;
}

// --- Envelope --------------------------------------------------------------

bool CMohrCoulombCriterion::IsLinear() const {
  return true;
}
int CMohrCoulombCriterion::GetCriterionType() const {
  return CRITERION_MOHR_COULOMB;
}

double CMohrCoulombCriterion::GetMinSig3() const {
  return std::max(-2.0 * m_c / K(), m_sigt);
}

double CMohrCoulombCriterion::GetMinSigN() const {
  return GetMinSig3();
}

double CMohrCoulombCriterion::GetSig1(double sig3) const {
  const double m = GetMinSig3();
  if (sig3 < m) sig3 = m;
  const double k = K();
  return k * k * sig3 + 2.0 * m_c * k;
}

double CMohrCoulombCriterion::GetSigNAtSig3(double sig3) const {
  const double m = GetMinSig3();
  if (sig3 <= m) return m;
  const double sig1 = GetSig1(sig3);
  return (sig1 + sig3) / 2.0 - (sig1 - sig3) / 2.0 * std::sin(PhiRad());
}

double CMohrCoulombCriterion::GetTauAtSig3(double sig3) const {
  const double m = GetMinSig3();
  if (sig3 <= m) return m_c + m * std::tan(PhiRad());
  const double sig1 = GetSig1(sig3);
  return std::fabs((sig1 - sig3) / 2.0 * std::cos(PhiRad()));
}

double CMohrCoulombCriterion::GetSig3AtSigN(double sigN) const {
  const double m = GetMinSig3();
  if (sigN <= m) return m;
  double tau = 0.0;
  CalcTauAtSigN(sigN, &tau);
  // (1 - sin phi)/cos phi = 1/K
  return sigN - tau / K();
}

bool CMohrCoulombCriterion::CalcTauAtSigN(double sigN, double* tau) const {
  *tau = GetTau(sigN);
  return true;
}

double CMohrCoulombCriterion::GetTau(double sigN) const {
  return m_c + sigN * std::tan(PhiRad());
}

double CMohrCoulombCriterion::GetSig1FromShear(double sigN) const {
  const double m = GetMinSigN();
  if (sigN < m) sigN = m;
  return sigN + (m_c + sigN * std::tan(PhiRad())) * K();
}

double CMohrCoulombCriterion::GetSig3FromShear(double sigN) const {
  const double m = GetMinSigN();
  if (sigN < m) sigN = m;
  return sigN - (m_c + sigN * std::tan(PhiRad())) / K();
}

double* CMohrCoulombCriterion::GetEquivMCTau(double sigN, double* tau) const {
  if (tau) *tau = sigN;
  return tau;
}

double CMohrCoulombCriterion::GetEquivMCSig1(double sig3) const {
  return sig3;
}

// --- Range and units -------------------------------------------------------

double CMohrCoulombCriterion::RangeSig3(int application) const {
  const double weight = RangeLoad();
  if (application == APPLICATION_TUNNELS)
    return criteria::RangeFormula(0.47, -0.94, GlobalStrength(), weight);
  return criteria::RangeFormula(0.72, -0.91, GlobalStrength(), weight);
}

void CMohrCoulombCriterion::SetEnvelopeRange(int application, double range, double gamma,
                                             double H) {
  m_gamma = gamma;
  m_H = H;
  m_application = application;
  const bool computed = application == APPLICATION_TUNNELS || application == APPLICATION_SLOPES;
  if (m_dataType != DATA_DIRECT_SHEAR) {
    m_sig3max = computed ? RangeSig3(application) : range;
    return;
  }
  if (computed)
    m_signmax = GetSigNAtSig3(RangeSig3(application));
  else if (application == APPLICATION_CUSTOM)
    m_signmax = range;
  else
    m_signmax = 1.0;
}

void CMohrCoulombCriterion::GetEnvelopeRange(int* application, double* range, double* gamma,
                                             double* H) const {
  if (application) *application = m_application;
  if (range) *range = m_dataType == DATA_DIRECT_SHEAR ? m_signmax : m_sig3max;
  if (gamma) *gamma = m_gamma;
  if (H) *H = m_H;
}

BOOL CMohrCoulombCriterion::SetUnits(int units) {
  const int count = GetLabCount();
  if (!CStrengthCriterion::SetUnits(units)) return FALSE;
  if (count > 0) return FALSE;
  m_phi = 35.0;
  m_c = kDefaultC[units];
  m_sigt = kDefaultSigt[units];
  m_sig3max = kDefaultRange[units];
  m_signmax = kDefaultRange[units];
  return TRUE;
}

// --- Residuals -------------------------------------------------------------

double CMohrCoulombCriterion::SumOfSquares(BOOL shear, double c, double phiRad, const double* x,
                                           const double* y, int n) {
  // (1 + sin phi)/(1 - sin phi) = K^2 and 2c cos phi/(1 - sin phi) = 2cK,
  // with K = tan(45 + phi/2), which stays accurate at steep angles.
  double sum = 0.0;
  const double tn = std::tan(phiRad);
  const double k = std::tan(kPi / 4.0 + phiRad / 2.0);
  for (int i = 0; i < n; i++) {
    const double model = shear ? c + x[i] * tn : x[i] * k * k + 2.0 * c * k;
    sum += (y[i] - model) * (y[i] - model);
  }
  return sum;
}

void CMohrCoulombCriterion::CalcResiduals(int n, const double* x, const double* y) {
  if (n < 1 || x == nullptr || y == nullptr) {
    SetResiduals(0.0);
    return;
  }
  SetResiduals(SumOfSquares(m_dataType == DATA_DIRECT_SHEAR, m_c, PhiRad(), x, y, n));
}
