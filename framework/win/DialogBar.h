// CDialogBar: a control bar made from a dialog template. Its controls' commands go to the
// frame as commands, and at idle each control with an id is enabled or disabled by the
// command's update handler.
#pragma once

#include "framework/win/ControlBar.h"

class CDialogBar : public CControlBar {
  DECLARE_DYNAMIC(CDialogBar)
 public:
  CDialogBar() = default;

  // style: bar alignment (CBRS_TOP ...) and window styles; the bar is visible unless the
  // template says otherwise.
  BOOL Create(CWnd* parent, LPCSTR templateName, UINT style, UINT id);
  BOOL Create(CWnd* parent, UINT templateId, UINT style, UINT id) {
    return Create(parent, MAKEINTRESOURCEA(templateId), style, id);
  }

  // The template's size; the whole length of the frame's edge when stretched.
  CSize CalcFixedLayout(BOOL stretch, BOOL horz) override;
  void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
  BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
  void PostNcDestroy() override;

  CSize m_sizeDefault;
  // The object deletes itself with its window.
  BOOL m_bAutoDelete = FALSE;
};
