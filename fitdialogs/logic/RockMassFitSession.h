// The rock-mass fit: mi and GSI fitted to rock-mass (field) strength data with the intact
// strength sigci and the disturbance factor D given by the user; mb, s and a follow.
#pragma once

#include "core/criteria/HoekBrownCriterion.h"
#include "fitdialogs/logic/FitSession.h"

class CRockMassFitSession : public CFitSession {
 public:
  explicit CRockMassFitSession(CHoekBrownCriterion& model);

  std::vector<CString> MethodNames() const override;
  void Cancel() override;

  // The user's inputs, held through the fit.
  double Sigci() const { return m_sigci; }
  double D() const { return m_D; }
  void SetInputs(double sigci, double D);

  double Mi() const { return m_mi; }
  double GSI() const { return m_GSI; }
  double Mb() const { return m_mb; }
  double S() const { return m_s; }
  double A() const { return m_a; }
  double LargestSig3() const { return m_largestSig3; }

 protected:
  bool UsesRockMassSet() const override { return true; }
  FitTarget Target() const override { return FitTarget::RockMass; }
  bool RunFit() override;
  void TakeModelParameters() override;
  void PointsPlaced(double largestX, double largestY) override;
  FitSeries Envelope(double largestX, double largestY) override;
  ApplyResult ApplyParameters() override;

 private:
  CHoekBrownCriterion& m_hb;
  CHoekBrownCriterion m_saved;
  double m_sigci = 10.0;
  double m_D = 0.0;
  double m_mi = 0.0;
  double m_GSI = 0.0;
  double m_mb = 0.0;
  double m_s = 0.0;
  double m_a = 0.0;
  double m_largestSig3 = 0.0;
};
