// CChildFrame: the frame of every project window; it always opens maximised.
#pragma once

#include "framework/win/MDIFrames.h"

class CChildFrame : public CMDIChildWnd {
  DECLARE_DYNCREATE(CChildFrame)
 public:
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
};
