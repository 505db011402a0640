// The pick dialogs' value spins clicked as the user does: each steps within a range that holds
// every value its table can give, so an arrow never throws a value to the far end of a range
// too small for it (a strength of 250 stepped up must not become 100, an intact strength of 0.6
// stepped down must not become 1), and the angle spins stop at 90 degrees.
#include <gtest/gtest.h>

#include "picktables/PickCohesionDlg.h"
#include "picktables/PickFrictionAngleDlg.h"
#include "picktables/PickJcsDlg.h"
#include "picktables/PickResidualFrictionDlg.h"
#include "picktables/PickUcsDlg.h"
#include "res/PickTableResources.h"
#include "tests/picktables/pick_dialog_support.h"

using namespace picktest;

namespace {

class PickSpinTest : public PickDialogTest {
 protected:
  void SetUp() override {
    PickDialogTest::SetUp();
    CPickUcsDlg::RememberedGrade().Accept(-1);
  }
};

// A click on the upper or the lower arrow of a spin.
void ClickArrow(CDialog* d, int spinId, bool up) {
  CWnd* spin = d->GetDlgItem(spinId);
  ASSERT_NE(spin, nullptr);
  CRect r;
  spin->GetClientRect(&r);
  Click(d, spin->m_hWnd, r.Width() / 2, up ? 2 : r.Height() - 3);
}

TEST_F(PickSpinTest, StrengthSpinsStepLargeAndSmallValuesByOne) {
  CPickUcsDlg ucs;
  ucs.m_dSigci = 0.6;  // the weakest grade in MPa
  EXPECT_EQ(RunModal(ucs,
                     [&](CDialog* d) {
                       ClickArrow(d, IDC_UCS_SPIN, false);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "0");
                       ClickArrow(d, IDC_UCS_SPIN, true);
                       ClickArrow(d, IDC_UCS_SPIN, true);
                       EXPECT_EQ(Text(d, IDC_UCS_VALUE), "2");
                       d->SendMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(ucs.m_dSigci, 2.0);

  CPickJcsDlg jcs;
  jcs.m_dJcs = 250;
  EXPECT_EQ(RunModal(jcs,
                     [&](CDialog* d) {
                       ClickArrow(d, IDC_JCS_SPIN, true);
                       EXPECT_EQ(Text(d, IDC_JCS_VALUE), "251");
                       d->SendMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(jcs.m_dJcs, 251.0);

  CPickCohesionDlg cohesion;
  cohesion.m_dCohesion = 1475000;  // the largest cohesion of the psf table
  cohesion.m_nUnits = 6;
  EXPECT_EQ(RunModal(cohesion,
                     [&](CDialog* d) {
                       ClickArrow(d, IDC_PICK_VALUE_SPIN, true);
                       EXPECT_EQ(Text(d, IDC_COHESION_VALUE), "1475001");
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                     }),
            IDOK);
  EXPECT_EQ(cohesion.m_dCohesion, 1475001.0);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(PickSpinTest, AngleSpinsStopAtNinetyDegrees) {
  CPickFrictionAngleDlg phi;
  phi.m_dPhi = 89.5;
  EXPECT_EQ(RunModal(phi,
                     [&](CDialog* d) {
                       ClickArrow(d, IDC_PICK_VALUE_SPIN, true);
                       EXPECT_EQ(Text(d, IDC_PHI_VALUE), "90");
                       ClickArrow(d, IDC_PICK_VALUE_SPIN, true);
                       EXPECT_EQ(Text(d, IDC_PHI_VALUE), "90");
                       d->SendMessage(WM_COMMAND, IDC_PICK_VISIBLE_OK);
                     }),
            IDOK);
  EXPECT_EQ(phi.m_dPhi, 90.0);

  CPickResidualFrictionDlg phir;
  phir.m_dPhir = 90;
  EXPECT_EQ(RunModal(phir,
                     [&](CDialog* d) {
                       ClickArrow(d, IDC_PHIR_SPIN, true);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "90");
                       ClickArrow(d, IDC_PHIR_SPIN, false);
                       EXPECT_EQ(Text(d, IDC_PHIR_VALUE), "89");
                       d->SendMessage(WM_COMMAND, IDOK);
                     }),
            IDOK);
  EXPECT_EQ(phir.m_dPhir, 89.0);
  EXPECT_TRUE(g_boxes.empty());
}

}  // namespace
