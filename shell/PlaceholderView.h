// CPlaceholderView: the view of a project window until the chart view is part of the program:
// the project's title, criterion and units on a white page.
#pragma once

#include "framework/win/View.h"

class CPlaceholderView : public CView {
  DECLARE_DYNCREATE(CPlaceholderView)
 public:
  void OnDraw(CDC* dc) override;
  void OnActivateView(BOOL activate, CView* activateView, CView* deactiveView) override;
  void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject) override;
};
