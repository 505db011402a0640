// The program's fit dialogs as the document runs them.
#pragma once

#include "document/DocumentFitDialogs.h"

// Runs the dialog of kind modally on the document: presets what the dialog takes from values
// and, after OK, writes back what the document reads (the Hoek-Brown dialogs' sig3max; the
// rock-mass dialog's sigci, mi, GSI and D). IDOK or IDCANCEL.
INT_PTR RunProgramFitDialog(FitDialogKind kind, CKelStrengthDoc* doc, FitDialogValues& values);
