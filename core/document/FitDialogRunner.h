// IFitDialogRunner: how project logic runs a lab-data fit dialog without knowing its window.
// The document passes one that opens the real dialog on itself; tests pass a fake.
#pragma once

#include "framework/base/WinTypes.h"

enum FitDialogKind {
  FIT_DIALOG_HOEK_BROWN = 0,  // Hoek-Brown sigci and mi from lab data
  FIT_DIALOG_ROCK_MASS,       // Hoek-Brown rock-mass constants from rock-mass data
  FIT_DIALOG_MOHR_COULOMB,
  FIT_DIALOG_BARTON_BANDIS,
  FIT_DIALOG_POWER_CURVE
};

// The public values the caller presets and reads back: sigci, mi, GSI and D for the rock-mass
// dialog, and for both Hoek-Brown dialogs the envelope range bound sig3max they end with.
struct FitDialogValues {
  double sigci = 0.0;
  double mi = 0.0;
  double gsi = 0.0;
  double d = 0.0;
  double sig3max = 0.0;
};

class IFitDialogRunner {
 public:
  virtual ~IFitDialogRunner() = default;
  // Runs the dialog of kind modally; TRUE when it ended with OK. The dialog applies its fit to
  // the model itself (and restores the model on Cancel).
  virtual BOOL RunFitDialog(FitDialogKind kind, FitDialogValues& values) = 0;
};
