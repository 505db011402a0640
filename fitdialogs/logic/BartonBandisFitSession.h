// The Barton-Bandis fit: JRC and JCS from direct-shear data of a joint, with the basic friction
// angle (shown as phir) given by the user and held.
#pragma once

#include "core/criteria/BartonBandisCriterion.h"
#include "fitdialogs/logic/FitSession.h"

class CBartonBandisFitSession : public CFitSession {
 public:
  explicit CBartonBandisFitSession(CBartonBandisCriterion& model);

  std::vector<CString> MethodNames() const override;
  void Cancel() override;

  double Phir() const { return m_phir; }
  void SetPhir(double phir) { m_phir = phir; }
  double Jrc() const { return m_jrc; }
  double Jcs() const { return m_jcs; }

 protected:
  bool ChecksInvertedRows() const override { return false; }
  bool HasMogiLine() const override { return false; }
  FitTarget Target() const override { return FitTarget::BartonBandis; }
  bool RunFit() override;
  void TakeModelParameters() override;
  CString FitFailureMessage() const override;
  void PointsPlaced(double largestX, double largestY) override;
  FitSeries Envelope(double largestX, double largestY) override;
  ApplyResult ApplyParameters() override;

 private:
  CBartonBandisCriterion& m_bb;
  CBartonBandisCriterion m_saved;
  double m_phir = 0.0;
  double m_jrc = 0.0;
  double m_jcs = 0.0;
};
