// The window tab strip in the whole program: as it appears (two document windows) and goes
// again (one), the document window and its view keep to the client area left above the strip,
// and the charts fill the view, whichever window is active.
#include <gtest/gtest.h>

#include <string>

#include "framework/win/FrameworkIds.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "tests/support/ProgramHarness.h"
#include "view/KelStrengthView.h"

namespace {

using qxtest::CProgramHarness;

RECT ScreenRectOf(HWND window) {
  RECT rc = {};
  ::GetWindowRect(window, &rc);
  return rc;
}

RECT ScreenClientOf(HWND window) {
  RECT rc = {};
  ::GetClientRect(window, &rc);
  ::MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rc), 2);
  return rc;
}

std::string Text(const RECT& rc) {
  return std::to_string(rc.left) + "," + std::to_string(rc.top) + " - " +
         std::to_string(rc.right) + "," + std::to_string(rc.bottom);
}

// Checks the frame's layout with the strip shown or not; where names the step.
void ExpectLaidOut(CProgramHarness& program, bool stripShown, const std::string& where) {
  SCOPED_TRACE(where);
  CMainFrame* frame = program.Frame();
  ASSERT_NE(frame, nullptr);
  CMDITabBar* tabs = frame->m_tabManager.GetTabBar();
  ASSERT_NE(tabs, nullptr);
  EXPECT_EQ(tabs->IsStripVisible(), stripShown);
  EXPECT_EQ(tabs->GetItemCount(), program.DocumentCount());

  const RECT client = ScreenRectOf(frame->m_hWndMDIClient);
  const RECT clientArea = ScreenClientOf(frame->m_hWndMDIClient);
  const RECT status = ScreenRectOf(frame->m_wndStatusBar.m_hWnd);
  if (stripShown) {
    const RECT strip = ScreenRectOf(tabs->m_hWnd);
    EXPECT_LE(clientArea.bottom, strip.top) << Text(clientArea) << " strip " << Text(strip);
    EXPECT_LE(strip.bottom, status.top) << Text(strip);
    EXPECT_GT(strip.bottom - strip.top, 20) << Text(strip);
  } else {
    EXPECT_EQ(client.bottom, status.top) << Text(client);  // the client took the room back
  }

  // The maximised document window's view covers exactly the client area: nothing of it lies
  // below (under the strip), nothing of the client is left uncovered.
  auto* view = dynamic_cast<CKelStrengthView*>(program.ActiveView());
  ASSERT_NE(view, nullptr);
  const RECT viewArea = ScreenClientOf(view->m_hWnd);
  EXPECT_TRUE(::EqualRect(&viewArea, &clientArea))
      << "view " << Text(viewArea) << ", client " << Text(clientArea);

  // Both charts fill the view's height, side by side across its width.
  const RECT principal = ScreenRectOf(view->PrincipalChart().m_hWnd);
  const RECT shear = ScreenRectOf(view->ShearChart().m_hWnd);
  EXPECT_EQ(principal.left, viewArea.left);
  EXPECT_EQ(principal.right, shear.left);
  EXPECT_EQ(shear.right, viewArea.right);
  for (const RECT& chart : {principal, shear}) {
    EXPECT_EQ(chart.top, viewArea.top) << Text(chart);
    EXPECT_EQ(chart.bottom, viewArea.bottom) << Text(chart) << ", view " << Text(viewArea);
  }
}

void ChooseTab(CMainFrame* frame, int index) {
  CMDITabBar* tabs = frame->m_tabManager.GetTabBar();
  tabs->SetCurSel(index);
  NMHDR hdr = {tabs->m_hWnd, static_cast<UINT_PTR>(::GetDlgCtrlID(tabs->m_hWnd)),
               static_cast<UINT>(TCN_SELCHANGE)};
  frame->SendMessage(WM_NOTIFY, hdr.idFrom, reinterpret_cast<LPARAM>(&hdr));
}

}  // namespace

TEST(WindowTabsLayout, DocumentWindowsKeepAboveTheStripAsItComesAndGoes) {
  CProgramHarness program("window_tabs_layout");
  ASSERT_TRUE(program.Start());
  program.Pump();
  ASSERT_EQ(program.DocumentCount(), 1);
  ExpectLaidOut(program, false, "one window");

  // The second window brings the strip: the new window is the one that must shrink.
  ASSERT_TRUE(program.RunCommand(ID_FILE_NEW));
  program.Pump();
  ASSERT_EQ(program.DocumentCount(), 2);
  ExpectLaidOut(program, true, "two windows");
  program.Screenshot("window_tabs_two_windows");

  // The window that was active when the strip came, chosen again by its tab.
  ChooseTab(program.Frame(), 0);
  program.Pump();
  ExpectLaidOut(program, true, "two windows, the first chosen");

  ASSERT_TRUE(program.RunCommand(ID_FILE_NEW));
  program.Pump();
  ASSERT_EQ(program.DocumentCount(), 3);
  ExpectLaidOut(program, true, "three windows");

  // Closing back to two keeps the strip; to one hides it and the window grows again.
  ASSERT_TRUE(program.RunCommand(ID_FILE_CLOSE));
  program.Pump();
  ASSERT_EQ(program.DocumentCount(), 2);
  ExpectLaidOut(program, true, "closed to two windows");
  ASSERT_TRUE(program.RunCommand(ID_FILE_CLOSE));
  program.Pump();
  ASSERT_EQ(program.DocumentCount(), 1);
  ExpectLaidOut(program, false, "closed to one window");
  program.Screenshot("window_tabs_closed_to_one_window");

  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_TRUE(program.MessageBoxTexts().empty());
  EXPECT_EQ(program.Exit(), 0);
}
