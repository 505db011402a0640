// The program starts and ends: the main frame with its menus, bars, side bar and an untitled
// project; exit code 0 when the main window closes.
#include <gtest/gtest.h>

#include "document/KelStrengthDoc.h"
#include "res/ShellResources.h"
#include "shell/KelStrengthApp.h"
#include "shell/MainFrame.h"
#include "tests/support/ProgramHarness.h"

using qxtest::CProgramHarness;

TEST(ProgramStart, OpensMaximisedWithAnUntitledProjectAndEndsWithCodeZero) {
  CProgramHarness program("start_plain");
  ASSERT_TRUE(program.Start());
  CMainFrame* frame = program.Frame();
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(::IsWindowVisible(frame->m_hWnd));
  EXPECT_TRUE(::IsZoomed(frame->m_hWnd));
  ASSERT_NE(program.ActiveDocument(), nullptr);
  EXPECT_EQ(program.DocumentCount(), 1);
  EXPECT_EQ(program.ActiveDocument()->m_strTitle,
            CString("Analysis of Rock/Soil Strength using Quarvex"));
  EXPECT_TRUE(::IsWindowVisible(frame->m_wndToolBar.m_hWnd));
  EXPECT_TRUE(::IsWindowVisible(frame->m_wndStatusBar.m_hWnd));
  EXPECT_TRUE(::IsWindowVisible(frame->m_wndSideBar.m_hWnd));
  EXPECT_NE(frame->m_pDockForm, nullptr);
  char title[256] = "";
  ::GetWindowTextA(frame->m_hWnd, title, sizeof title);
  EXPECT_STREQ(title, "Quarvex 3.0 - [Quarvex1]");
  program.Screenshot("program_start");
  EXPECT_TRUE(program.UnexpectedDialogs().empty());
  EXPECT_EQ(program.Exit(), 0);
}
