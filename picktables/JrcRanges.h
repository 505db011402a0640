// The ten JRC ranges of the roughness profiles: 0-2 up to 18-20.
#pragma once

#include "framework/base/CString.h"

enum { JRC_RANGE_COUNT = 10 };

int JrcRangeButton(int range);          // range 1-10
double JrcRangeMidpoint(int range);     // 1, 3, ..., 19
CString JrcRangeCaption(int range);     // "JRC = 0 - 2", ...
