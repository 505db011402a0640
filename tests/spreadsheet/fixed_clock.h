// The time the export's tests give it in place of the system clock: 2024-03-05 14:07:09, so the
// workbook's file name is known beforehand.
#pragma once

#include <windows.h>

inline void FixedClock(SYSTEMTIME* t) {
  *t = SYSTEMTIME();
  t->wYear = 2024;
  t->wMonth = 3;
  t->wDay = 5;
  t->wHour = 14;
  t->wMinute = 7;
  t->wSecond = 9;
}
