#include "framework/win/bartabctrl.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)
