#include "fitdialogs/FitDialogRunner.h"

#include "fitdialogs/BartonBandisFitDlg.h"
#include "fitdialogs/HoekBrownFitDlg.h"
#include "fitdialogs/MohrCoulombFitDlg.h"
#include "fitdialogs/PowerCurveFitDlg.h"
#include "fitdialogs/RockMassFitDlg.h"

INT_PTR RunProgramFitDialog(FitDialogKind kind, CKelStrengthDoc* doc, FitDialogValues& values) {
  if (doc == NULL) return IDCANCEL;
  CWnd* parent = AfxGetMainWnd();
  switch (kind) {
    case FIT_DIALOG_HOEK_BROWN: {
      CHoekBrownFitDlg dialog(doc, parent);
      const INT_PTR result = dialog.DoModal();
      if (result == IDOK) values.sig3max = dialog.GetSig3Max();
      return result;
    }
    case FIT_DIALOG_ROCK_MASS: {
      // The dialog takes sigci, mi, GSI and D from the model the document preset them from.
      CRockMassFitDlg dialog(doc, parent);
      const INT_PTR result = dialog.DoModal();
      if (result == IDOK) {
        values.sigci = dialog.GetSigci();
        values.mi = dialog.GetMi();
        values.gsi = dialog.GetGSI();
        values.d = dialog.GetD();
        values.sig3max = dialog.GetSig3Max();
      }
      return result;
    }
    case FIT_DIALOG_MOHR_COULOMB: {
      CMohrCoulombFitDlg dialog(doc, parent);
      return dialog.DoModal();
    }
    case FIT_DIALOG_BARTON_BANDIS: {
      CBartonBandisFitDlg dialog(doc, parent);
      return dialog.DoModal();
    }
    case FIT_DIALOG_POWER_CURVE: {
      CPowerCurveFitDlg dialog(doc, parent);
      return dialog.DoModal();
    }
  }
  return IDCANCEL;
}
