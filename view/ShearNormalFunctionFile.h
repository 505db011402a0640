// The shear/normal function file (.fn2) the slope-stability product Quelm reads: the current
// criterion's envelope as normal and shear stress pairs, in kPa for metric projects and psf for
// imperial ones.
#pragma once

#include "framework/base/CString.h"
#include "view/PlotInputs.h"

// The factor from a project's stress unit to the file's: kPa for MPa (x 1000), kPa (x 1) and
// tsm (x 9.80665); psf for ksi (x 144000), ksf (x 1000), psi (x 144), psf (x 1) and tsf
// (x 2000). Any other unit index gives 1000.
double ShearNormalUnitScale(int units);

// The file's lines ('\n' ends each; the file stores CR LF): header, the function's name (the
// project title), "  type: 5  num: <pointCount - 1>" and one "   n: %g  s: %g" row per sample.
// Direct-shear data (always for Barton-Bandis) sample the shear envelope up to signmax, others
// the principal envelope up to sig3max. The project's models are not changed.
CString BuildShearNormalFunctionText(const PlotDocument& doc, const char* title, int pointCount);

// Writes text to path in text mode. False with a reason when the file cannot be created or a
// write fails (a partial file is removed).
bool WriteShearNormalFunctionFile(const char* path, const CString& text, CString* error);
