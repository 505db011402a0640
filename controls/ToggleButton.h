// CToggleButton: a push button that stays pressed or released, drawn with a raised or sunken
// 3-D edge. Every click flips it, before the owner hears of the click, however the click came:
// mouse, double click, Space or mnemonic. A press released outside the button is no click and
// flips nothing. The owner releases it by clearing m_bPressed and invalidating the button.
#pragma once

#include "framework/win/AfxWin.h"

class CToggleButton : public CButton {
  DECLARE_DYNAMIC(CToggleButton)
 public:
  CToggleButton() : m_bPressed(FALSE) {}

  BOOL m_bPressed;

  void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

 protected:
  void PreSubclassWindow() override;
  LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  afx_msg BOOL OnClicked();
  DECLARE_MESSAGE_MAP()
};
