// The program's print preview view: paints without flicker (no background erase, one blit of a
// memory bitmap), measures the pages again when the default printer's page changed (after Page
// Setup in the preview), and offers Page Setup, Print and Close on its context menu.
#pragma once

#include "framework/win/PrintPreview.h"

class CWSPreviewView : public CPreviewView {
  DECLARE_DYNCREATE(CWSPreviewView)
 public:
  CWSPreviewView() = default;

  void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr) override;
  void OnDraw(CDC* dc) override;
  // The context menu: "Page Set&up...", "&Print...", a separator and "&Close" (owned by the
  // caller).
  static HMENU CreateContextMenu();

 protected:
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnContextMenu(CWnd* wnd, CPoint point);
  DECLARE_MESSAGE_MAP()
};
