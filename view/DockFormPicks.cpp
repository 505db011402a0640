// The side bar's pick buttons: each opens its reference dialog preset with the panel's value
// (and unit system where the table depends on it) and, after OK, writes the picked value into
// the panel and applies it to the document. Cancel leaves panel and document alone.
#include <climits>

#include "picktables/PickCohesionDlg.h"
#include "picktables/PickDisturbanceDlg.h"
#include "picktables/PickFrictionAngleDlg.h"
#include "picktables/PickGsiDlg.h"
#include "picktables/PickJcsDlg.h"
#include "picktables/PickJrcDlg.h"
#include "picktables/PickMiDlg.h"
#include "picktables/PickResidualFrictionDlg.h"
#include "picktables/PickUcsDlg.h"
#include "res/ViewResources.h"
#include "view/DockForm.h"

namespace {

// GSI and mi open as whole numbers, truncated toward zero; a value no int holds is clamped.
int WholePreset(double value) {
  if (!(value == value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

// The road that follows a pick: hint 1 for the classification inputs GSI, mi and D, so a
// rebuild keeps the axes unless the plots follow the surface.
const int kClassificationHint = 1;
const int kParameterHint = 2;

}  // namespace

void CDockForm::TakePick(double SideBarValues::*value, double picked, int spinId, int hint) {
  m_values.*value = picked;
  // Rewriting the edit takes the edit-change road (the document is marked modified).
  if (CRealSpinCtrl* spin = GetSpin(spinId)) spin->SetPos(picked);
  ApplyParameters(hint, TRUE);
}

void CDockForm::OnPickGsi() {
  CPickGsiDlg dlg;
  dlg.SetGsi(WholePreset(m_values.hbGsi));
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::hbGsi, dlg.GetGsi(), IDC_HB_GSI_SPIN, kClassificationHint);
}

void CDockForm::OnPickMi() {
  CPickMiDlg dlg;
  dlg.m_nMi = WholePreset(m_values.hbMi);
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::hbMi, dlg.m_nMi, IDC_HB_MI_SPIN, kClassificationHint);
}

void CDockForm::OnPickDisturbance() {
  CPickDisturbanceDlg dlg;
  dlg.m_dD = m_values.hbD;
  // Tunnels and Slopes carry over; General and Custom (-1 and 2) leave the dialog's own.
  dlg.SetApplication(m_values.hbApplication - 1);
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::hbD, dlg.m_dD, IDC_HB_D_SPIN, kClassificationHint);
}

void CDockForm::OnPickIntactUcs() {
  CPickUcsDlg dlg;
  dlg.m_dSigci = m_values.hbSigci;
  dlg.m_nUnits = GetUnits();
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::hbSigci, dlg.m_dSigci, IDC_HB_SIGCI_SPIN, kParameterHint);
}

void CDockForm::OnPickResidualFriction() {
  CPickResidualFrictionDlg dlg;
  dlg.m_dPhir = m_values.bbPhir;
  dlg.m_nUnits = GetUnits();
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::bbPhir, dlg.m_dPhir, IDC_BB_PHIR_SPIN, kParameterHint);
}

void CDockForm::OnPickJcs() {
  CPickJcsDlg dlg;
  dlg.m_dJcs = m_values.bbJcs;
  dlg.m_nUnits = GetUnits();
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::bbJcs, dlg.m_dJcs, IDC_BB_JCS_SPIN, kParameterHint);
}

void CDockForm::OnPickJrc() {
  CPickJrcDlg dlg;
  dlg.m_dJrc = m_values.bbJrc;
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::bbJrc, dlg.m_dJrc, IDC_BB_JRC_SPIN, kParameterHint);
}

void CDockForm::OnPickCohesion() {
  CPickCohesionDlg dlg;
  dlg.m_dCohesion = m_values.mcC;
  dlg.m_nUnits = GetUnits();
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::mcC, dlg.m_dCohesion, IDC_MC_C_SPIN, kParameterHint);
}

void CDockForm::OnPickFrictionAngle() {
  CPickFrictionAngleDlg dlg;
  dlg.m_dPhi = m_values.mcPhi;
  if (dlg.DoModal() != IDOK) return;
  TakePick(&SideBarValues::mcPhi, dlg.m_dPhi, IDC_MC_PHI_SPIN, kParameterHint);
}
