// The pick dialogs' value spins clicked as the user does: each steps within a range that holds
// every value its table can give, so an arrow never throws a value to the far end of a range
// too small for it (a strength of 250 stepped up must not become 100, an intact strength of 0.6
// stepped down must not become 1), and the angle spins stop at 90 degrees.
#include <gtest/gtest.h>

#include <vector>

#include "picktables/PickCohesionDlg.h"
#include "picktables/PickFrictionAngleDlg.h"
#include "picktables/PickJcsDlg.h"
#include "picktables/PickResidualFrictionDlg.h"
#include "picktables/PickUcsDlg.h"
#include "res/PickTableResources.h"
#include "tests/picktables/pick_dialog_support.h"

using namespace picktest;

namespace {

// One arrow click and the value the edit then shows.
struct ArrowStep {
  bool up;
  const char* shown;
};

class PickSpinTest : public PickDialogTest {
 protected:
  void SetUp() override {
    PickDialogTest::SetUp();
    CPickUcsDlg::RememberedGrade().Accept(-1);
  }
  // Runs the dialog, clicks the spin's arrows in turn, checking the edit after each, and
  // closes it with the OK button okId.
  void Steps(CDialog& dlg, int spinId, int editId, int okId, std::vector<ArrowStep> steps) {
    EXPECT_EQ(RunModal(dlg,
                       [&](CDialog* d) {
                         CWnd* spin = d->GetDlgItem(spinId);
                         ASSERT_NE(spin, nullptr);
                         CRect r;
                         spin->GetClientRect(&r);
                         for (const ArrowStep& step : steps) {
                           Click(d, spin->m_hWnd, r.Width() / 2, step.up ? 2 : r.Height() - 3);
                           EXPECT_EQ(Text(d, editId), step.shown);
                         }
                         d->SendMessage(WM_COMMAND, okId);
                         // A refused OK leaves the dialog open: cancel it, so the test fails
                         // instead of waiting.
                         if (!g_boxes.empty()) d->PostMessage(WM_COMMAND, IDCANCEL);
                       }),
              IDOK);
    EXPECT_TRUE(g_boxes.empty());
  }
};

TEST_F(PickSpinTest, StrengthSpinsStepLargeAndSmallValuesByOne) {
  CPickUcsDlg ucs;
  ucs.m_dSigci = 0.6;  // the weakest grade in MPa
  Steps(ucs, IDC_UCS_SPIN, IDC_UCS_VALUE, IDOK, {{false, "0"}, {true, "1"}, {true, "2"}});
  EXPECT_EQ(ucs.m_dSigci, 2.0);

  CPickJcsDlg jcs;
  jcs.m_dJcs = 250;
  Steps(jcs, IDC_JCS_SPIN, IDC_JCS_VALUE, IDOK, {{true, "251"}});
  EXPECT_EQ(jcs.m_dJcs, 251.0);

  CPickCohesionDlg cohesion;
  cohesion.m_dCohesion = 1475000;  // the largest cohesion of the psf table
  cohesion.m_nUnits = 6;
  Steps(cohesion, IDC_PICK_VALUE_SPIN, IDC_COHESION_VALUE, IDC_PICK_VISIBLE_OK, {{true, "1475001"}});
  EXPECT_EQ(cohesion.m_dCohesion, 1475001.0);
}

TEST_F(PickSpinTest, AngleSpinsStopAtNinetyDegrees) {
  CPickFrictionAngleDlg phi;
  phi.m_dPhi = 89.5;
  Steps(phi, IDC_PICK_VALUE_SPIN, IDC_PHI_VALUE, IDC_PICK_VISIBLE_OK, {{true, "90"}, {true, "90"}});
  EXPECT_EQ(phi.m_dPhi, 90.0);

  CPickResidualFrictionDlg phir;
  phir.m_dPhir = 90;
  Steps(phir, IDC_PHIR_SPIN, IDC_PHIR_VALUE, IDOK, {{true, "90"}, {false, "89"}});
  EXPECT_EQ(phir.m_dPhir, 89.0);
}

}  // namespace
