#include "picktables/JrcRanges.h"

#include "res/PickTableResources.h"

int JrcRangeButton(int range) { return IDC_JRC_RANGE1 + range - 1; }

double JrcRangeMidpoint(int range) { return 2.0 * range - 1.0; }

CString JrcRangeCaption(int range) {
  CString text;
  text.Format("JRC = %d - %d", 2 * (range - 1), 2 * range);
  return text;
}
