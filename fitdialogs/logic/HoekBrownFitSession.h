// The lab-data fit of the Hoek-Brown dialog: mi and sigci of intact rock fitted to triaxial
// tests by Levenberg-Marquardt, simplex or linear regression.
#pragma once

#include "core/criteria/HoekBrownCriterion.h"
#include "fitdialogs/logic/FitSession.h"

class CHoekBrownFitSession : public CFitSession {
 public:
  explicit CHoekBrownFitSession(CHoekBrownCriterion& model);

  std::vector<CString> MethodNames() const override;
  void Cancel() override;

  double Mi() const { return m_mi; }
  double Sigci() const { return m_sigci; }
  // The largest measured sig3: the model's sig3max until the first plot. The document applies
  // it as the envelope range after OK.
  double LargestSig3() const { return m_largestSig3; }

 protected:
  FitTarget Target() const override { return FitTarget::HoekBrownLab; }
  bool RunFit() override;
  void TakeModelParameters() override;
  void PointsPlaced(double largestX, double largestY) override;
  FitSeries Envelope(double largestX, double largestY) override;
  ApplyResult ApplyParameters() override;

 private:
  CHoekBrownCriterion& m_hb;
  CHoekBrownCriterion m_saved;
  double m_mi = 0.0;
  double m_sigci = 0.0;
  double m_largestSig3 = 0.0;
};

// What the Hoek-Brown lab and rock-mass fits share.
// The envelope of rock-mass constants sigci, mb, s and a up to the largest measured sig3.
FitSeries HoekBrownEnvelope(double sigci, double mb, double s, double a, double largestSig3);
// Apply's write: with tests, the fitted parameters and a custom envelope range up to the largest
// measured sig3 (true); without, the model's own parameters and range set again (false).
bool WriteHoekBrownFit(CHoekBrownCriterion& hb, int tests, double sigci, double mi, double GSI,
                       double D, double largestSig3);

// Messages of the Hoek-Brown dialogs' Apply.
CString InvalidMiMessage(double mi);
extern const char kInvalidSigciMessage[];
