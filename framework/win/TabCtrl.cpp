#include "framework/win/TabCtrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
