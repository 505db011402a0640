// CPlaceholderSideBar: the side bar's form until the parameter form is part of the program. It
// registers with the main frame like the real form, follows the active project and shows its
// criterion and units.
#pragma once

#include "core/document/SideBarSink.h"
#include "framework/win/View.h"

class CPlaceholderSideBar : public CView, public ISideBarSink {
  DECLARE_DYNCREATE(CPlaceholderSideBar)
 public:
  CPlaceholderSideBar();
  ~CPlaceholderSideBar() override;

  void OnDraw(CDC* dc) override;

  void RefreshFromDocument() override;
  void ApplyParameters(int redrawHint, BOOL showMessages) override;
  void EnableControls(BOOL enable) override;
  void ShowResults() override;
  void AttachDocument(CView* view, CKelStrengthDoc* document, BOOL activate) override;
  int GetPanelWidth() override { return 240; }

  CKelStrengthDoc* GetAttachedDocument() const { return m_pDoc; }
  BOOL AreControlsEnabled() const { return m_bEnabled; }

 private:
  CKelStrengthDoc* m_pDoc = nullptr;
  BOOL m_bEnabled = FALSE;
};
