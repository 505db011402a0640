// Helpers of the side bar's whole-program tests: the program's side bar, typing into its edits
// through the message loop, and what its controls show.
#pragma once

#include <string>

#include "tests/support/HeldTimer.h"
#include "tests/view/view_program_support.h"
#include "view/DockForm.h"

namespace sidebartest {

CDockForm* SideBar(qxtest::CProgramHarness& program);
// Text, visibility, enabled and read-only state of a side-bar control.
std::string Text(CDockForm* form, int id);
bool Visible(CDockForm* form, int id);
bool Enabled(CDockForm* form, int id);
bool ReadOnly(CDockForm* form, int id);
// Gives an edit the focus with its text selected, as a click and a select-all would.
void FocusEdit(qxtest::CProgramHarness& program, CDockForm* form, int id);
// Types text into the focus window key by key through the program's message loop.
void Type(qxtest::CProgramHarness& program, const std::string& text);
// Focus on the edit, its text replaced by typing, then Tab (or Enter) to apply. The typing
// timer is held meanwhile, so that a slow machine does not apply part of the text first.
void Enter(qxtest::CProgramHarness& program, CDockForm* form, int id, const std::string& text,
           UINT key = VK_TAB);
// Holds back the ticks of the side bar's typing timer while it lives.
class CHeldTypingTimer : public qxtest::CHeldTimer {
 public:
  explicit CHeldTypingTimer(CDockForm* form) : CHeldTimer(form->m_hWnd, CDockForm::kApplyTimer) {}
};
// A choice of an application list, as the user makes it.
void SelectApplication(qxtest::CProgramHarness& program, CDockForm* form, int combo, int index);
// Handles messages until no apply waits for the typing timer, then a little more; FALSE when
// the timer never fired.
bool WaitForTypingTimer(qxtest::CProgramHarness& program, CDockForm* form);
// The side bar's window into <screenshots>/<name>.bmp.
bool CaptureSideBar(CDockForm* form, const std::string& name);

}  // namespace sidebartest
