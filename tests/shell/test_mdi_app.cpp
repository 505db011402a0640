// The MDI test application under Xvfb: the docked side bar (drag limits, collapse, profile),
// the window tabs (visibility, activation, menus, icons), and screenshots of the frame with an
// open owner-drawn menu in both looks.
#include <gtest/gtest.h>

#include <string>

#include "core/registry/RegistryKey.h"
#include "framework/win/TestSeams.h"
#include "tests/shell/OpenMenuShot.h"
#include "tests/shell/mdiapp/mdiapp.h"
#include "tests/support/Screenshot.h"

using namespace mdiapp;

namespace {

class MdiApp : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quarvex Tests FW2");
    app = new CApp;
    ASSERT_TRUE(app->Start());
    frame = app->Frame();
    Pump();
  }
  void TearDown() override {
    delete app;
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Quarvex Tests FW2");
  }
  void Pump() {
    for (int i = 0; i < 3; ++i) app->PumpPendingMessages();
  }
  RECT ClientOf(HWND h) {
    RECT rc;
    ::GetWindowRect(h, &rc);
    ::MapWindowPoints(nullptr, frame->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
  }
  int BarWidth() {
    RECT rc;
    ::GetWindowRect(frame->m_wndSideBar.m_hWnd, &rc);
    return rc.right - rc.left;
  }
  // Drags the side bar's outer (right) edge by dx with the mouse messages of a real drag.
  void DragOuterEdge(int dx) {
    CSizingControlBar& bar = frame->m_wndSideBar;
    RECT rw;
    ::GetWindowRect(bar.m_hWnd, &rw);
    POINT start = {rw.right - 4, rw.top + 40};
    bar.SendMessage(WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(start.x, start.y));
    ASSERT_TRUE(bar.IsTracking());
    POINT to = {start.x + dx, start.y};
    ::ScreenToClient(bar.m_hWnd, &to);
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    EXPECT_FALSE(bar.IsTracking());
    Pump();  // the layout follows at idle
  }
  CApp* app = nullptr;
  CAppFrame* frame = nullptr;
};

HWND g_trackedOwner = nullptr;
UINT g_trackAnswer = 0;
BOOL FakeTrack(HMENU, UINT, int, int, HWND owner, LPTPMPARAMS) {
  g_trackedOwner = owner;
  return static_cast<BOOL>(g_trackAnswer);
}

}  // namespace

TEST_F(MdiApp, SideBarDocksLeftOrRightAndTheClientShrinks) {
  HWND client = frame->m_hWndMDIClient;
  int width = BarWidth();
  EXPECT_GT(width, 100);  // from the group box's width, not its height
  EXPECT_LT(width, 400);
  RECT mdi = ClientOf(client);
  RECT bar = ClientOf(frame->m_wndSideBar.m_hWnd);
  EXPECT_GE(mdi.left, bar.right - 2);
  EXPECT_EQ(frame->m_wndSideBar.m_nDockBarID, static_cast<UINT>(AFX_IDW_DOCKBAR_LEFT));

  frame->DockControlBar(&frame->m_wndSideBar, AFX_IDW_DOCKBAR_RIGHT);
  Pump();
  RECT frameRc;
  ::GetClientRect(frame->m_hWnd, &frameRc);
  mdi = ClientOf(client);
  bar = ClientOf(frame->m_wndSideBar.m_hWnd);
  EXPECT_EQ(frame->m_wndSideBar.m_nDockBarID, static_cast<UINT>(AFX_IDW_DOCKBAR_RIGHT));
  EXPECT_LE(mdi.right, bar.left + 2);
  EXPECT_EQ(mdi.left, 0);
  EXPECT_EQ(bar.right, frameRc.right);

  // Hiding the bar gives its room back.
  frame->ShowControlBar(&frame->m_wndSideBar, FALSE, FALSE);
  Pump();
  EXPECT_EQ(ClientOf(client).right, frameRc.right);
  frame->ShowControlBar(&frame->m_wndSideBar, TRUE, FALSE);
  Pump();
  EXPECT_LT(ClientOf(client).right, frameRc.right);
}

TEST_F(MdiApp, OuterEdgeDragStopsAtTheMinimumAndAtTheFreeArea) {
  for (BOOL full : {FALSE, TRUE}) {
    frame->m_wndSideBar.m_bDragShowContent = full;  // both drag settings
    int before = BarWidth();
    DragOuterEdge(40);
    EXPECT_EQ(BarWidth(), before + 40) << full;
    DragOuterEdge(-2000);
    EXPECT_EQ(BarWidth(), 14) << full;  // the collapsing minimum
    DragOuterEdge(5000);
    RECT mdi = ClientOf(frame->m_hWndMDIClient);
    EXPECT_LE(mdi.right - mdi.left, 2 + 4) << full;  // the free area is used up (less 2)
    EXPECT_GE(mdi.right - mdi.left, 0) << full;
    DragOuterEdge(-(BarWidth() - before));
    EXPECT_NEAR(BarWidth(), before, 1) << full;
  }
}

TEST_F(MdiApp, CollapseAndProfileRoundTrip) {
  CSizingControlBar& bar = frame->m_wndSideBar;
  int expanded = BarWidth();
  RECT rw;
  ::GetWindowRect(bar.m_hWnd, &rw);
  bar.SendMessage(WM_NCLBUTTONDOWN, HTMINBUTTON,
                  MAKELPARAM(rw.right - 4, (rw.top + rw.bottom) / 2));
  Pump();
  EXPECT_TRUE(bar.IsMinimized());
  EXPECT_EQ(BarWidth(), 14);
  // A collapsed bar answers only its button.
  ::GetWindowRect(bar.m_hWnd, &rw);
  EXPECT_EQ(bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rw.right - 4, rw.top + 20)), HTCLIENT);
  EXPECT_EQ(bar.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rw.right - 4, (rw.top + rw.bottom) / 2)),
            HTMINBUTTON);

  CSizingControlBar::SaveBarStates(frame, "Test.BarState");
  EXPECT_EQ(static_cast<int>(app->GetProfileInt("Test.BarState-SCBar-59648", "sizeVertCX", 0)),
            expanded);  // the expanded width is kept

  bar.SendMessage(WM_NCLBUTTONDOWN, HTMINBUTTON,
                  MAKELPARAM(rw.right - 4, (rw.top + rw.bottom) / 2));
  Pump();
  EXPECT_FALSE(bar.IsMinimized());
  EXPECT_EQ(BarWidth(), expanded);

  // A damaged stored width is kept on the screen; a tiny one at the minimum.
  app->WriteProfileInt("Test.BarState-SCBar-59648", "sizeVertCX", 100000);
  CSizingControlBar::LoadBarStates(frame, "Test.BarState");
  EXPECT_LE(bar.m_szVert.cx, ::GetSystemMetrics(SM_CXVIRTUALSCREEN));
  app->WriteProfileInt("Test.BarState-SCBar-59648", "sizeVertCX", 5);
  CSizingControlBar::LoadBarStates(frame, "Test.BarState");
  EXPECT_EQ(bar.m_szVert.cx, 14);
}

TEST_F(MdiApp, TabsFollowTheDocumentWindows) {
  CMDITabBar* tabs = frame->m_tabs.GetTabBar();
  ASSERT_NE(tabs, nullptr);
  CAppDoc* first = app->NewDocument();
  Pump();
  EXPECT_FALSE(tabs->IsStripVisible());  // one window: no strip
  RECT oneDoc = ClientOf(frame->m_hWndMDIClient);
  CAppDoc* second = app->NewDocument();
  Pump();
  ASSERT_TRUE(first && second);
  EXPECT_TRUE(tabs->IsStripVisible());
  EXPECT_EQ(tabs->GetItemCount(), 2);
  RECT strip = ClientOf(tabs->m_hWnd), mdi = ClientOf(frame->m_hWndMDIClient);
  RECT status = ClientOf(frame->m_wndStatusBar.m_hWnd);
  EXPECT_LT(mdi.bottom, oneDoc.bottom);     // the client made room
  EXPECT_LE(strip.bottom, status.top + 2);  // right above the status bar
  EXPECT_EQ(tabs->GetCurSel(), 1);

  // The strip paints its own frame (open towards the documents) and corner pixels.
  tabs->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
  HDC wdc = ::GetWindowDC(tabs->m_hWnd);
  EXPECT_EQ(::GetPixel(wdc, 10, 0), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(::GetPixel(wdc, 10, 1), ::GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(::GetPixel(wdc, 0, 10), ::GetSysColor(COLOR_BTNSHADOW));
  ::ReleaseDC(tabs->m_hWnd, wdc);
  HDC cdc = ::GetDC(tabs->m_hWnd);
  EXPECT_EQ(::GetPixel(cdc, tabs->m_nWidth - 5, 2), ::GetSysColor(COLOR_3DSHADOW));
  EXPECT_EQ(::GetPixel(cdc, tabs->m_nWidth - 5, 3), ::GetSysColor(COLOR_3DDKSHADOW));
  ::ReleaseDC(tabs->m_hWnd, cdc);

  // Choosing the first tab activates its window: menus and title follow.
  tabs->SetCurSel(0);
  NMHDR hdr = {tabs->m_hWnd, 42, static_cast<UINT>(TCN_SELCHANGE)};
  frame->SendMessage(WM_NOTIFY, 42, reinterpret_cast<LPARAM>(&hdr));
  Pump();
  EXPECT_EQ(frame->GetActiveDocument(), first);
  EXPECT_EQ(frame->GetWindowText(), first->GetTitle() + " - MdiApp");
  EXPECT_EQ(tabs->GetCurSel(), 0);  // tabs keep their places

  // A title change reaches the tab in place.
  second->SetTitle("Renamed.tst");
  Pump();
  char text[64] = "";
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  tabs->GetItem(1, &item);
  EXPECT_STREQ(text, "Renamed.tst");

  // An update that finds nothing new leaves the painted strip alone; a new title repaints it.
  tabs->UpdateWindow();
  tabs->UpdateTabs();
  EXPECT_FALSE(::GetUpdateRect(tabs->m_hWnd, nullptr, FALSE));
  ::SetWindowTextA(tabs->GetTabWindow(1), "Again.tst");
  tabs->UpdateTabs();
  EXPECT_TRUE(::GetUpdateRect(tabs->m_hWnd, nullptr, FALSE));
  tabs->GetItem(1, &item);
  EXPECT_STREQ(text, "Again.tst");
  second->SetTitle("Renamed.tst");
  Pump();

  // The system menu of a tab: dismissing it sends nothing; a choice is sent.
  AfxTrackMenuSeam old = AfxSetTrackMenuSeam(&FakeTrack);
  RECT r1;
  tabs->GetItemRect(1, &r1);
  POINT p = {(r1.left + r1.right) / 2, (r1.top + r1.bottom) / 2};
  ::ClientToScreen(tabs->m_hWnd, &p);
  HWND secondWnd = tabs->GetTabWindow(1);
  g_trackAnswer = 0;
  tabs->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabs->m_hWnd), MAKELPARAM(p.x, p.y));
  EXPECT_EQ(g_trackedOwner, tabs->m_hWnd);
  EXPECT_FALSE(::IsIconic(secondWnd));
  g_trackAnswer = SC_MINIMIZE;
  tabs->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(tabs->m_hWnd), MAKELPARAM(p.x, p.y));
  EXPECT_TRUE(::IsIconic(secondWnd));
  ::ShowWindow(secondWnd, SW_RESTORE);
  AfxSetTrackMenuSeam(old);

  // Closing back to one window hides the strip (no stale tab of the closed window).
  CAppDoc* third = app->NewDocument();
  Pump();
  ASSERT_EQ(tabs->GetItemCount(), 3);
  second->OnCloseDocument();
  Pump();
  ASSERT_EQ(tabs->GetItemCount(), 2);
  TCITEMA img = {};
  img.mask = TCIF_IMAGE;
  tabs->GetItem(0, &img);
  int image0 = img.iImage;
  tabs->GetItem(1, &img);
  EXPECT_NE(image0, img.iImage);  // the pictures were renumbered, not shared
  EXPECT_LT(img.iImage, 2);
  third->OnCloseDocument();
  Pump();
  EXPECT_EQ(tabs->GetItemCount(), 1);
  EXPECT_FALSE(tabs->IsStripVisible());

  // Switched off and on again: destroyed, recreated and filled at once.
  frame->m_tabs.Show(FALSE);
  EXPECT_EQ(frame->m_tabs.GetTabBar(), nullptr);
  int stored = -1;
  EXPECT_TRUE(CTabSwitchStore().Read(kTabsKey, stored));
  EXPECT_EQ(stored, 0);
  CRegistryKey reg;  // the program's integer form
  ASSERT_TRUE(reg.SetKey(kTabsKey, FALSE, KEY_READ));
  EXPECT_EQ(reg.GetValueType("MDI_Tabs_On"), static_cast<DWORD>(REG_BINARY));
  EXPECT_EQ(reg.ReadInt("MDI_Tabs_On", -1), 0);
  app->NewDocument();
  Pump();
  frame->m_tabs.Show(TRUE);
  ASSERT_NE(frame->m_tabs.GetTabBar(), nullptr);
  EXPECT_EQ(frame->m_tabs.GetTabBar()->GetItemCount(), 2);
  EXPECT_TRUE(frame->m_tabs.GetTabBar()->IsStripVisible());
}

TEST_F(MdiApp, ScreenshotsWithAnOpenOwnerDrawnMenuInBothLooks) {
  app->NewDocument();
  app->NewDocument();
  Pump();
  HMENU bar = ::GetMenu(frame->m_hWnd);
  ASSERT_NE(bar, nullptr);
  HMENU file = ::GetSubMenu(bar, 0);
  ASSERT_TRUE(COwnerDrawMenu::IsOwnerDrawMenu(file));
  for (int look = 0; look <= 1; ++look) {
    COwnerDrawMenu::SetMenuLook(look);
    const std::string shot =
        qxtest::ScreenshotFolder() + (look ? "mdiapp-xp-menu.bmp" : "mdiapp-classic-menu.bmp");
    RECT rc;
    ::GetWindowRect(frame->m_hWnd, &rc);
    // The real tracking loop: the picture is taken once the menu is painted, then it ends.
    const POINT at = {rc.left + 40, rc.top + 60};
    EXPECT_TRUE(shelltest::ShootOpenMenu(frame->m_hWnd, file, at, shot)) << shot;
  }
  COwnerDrawMenu::SetMenuLook(1);
  EXPECT_TRUE(
      qxtest::SaveWindowScreenshot(frame->m_hWnd, qxtest::ScreenshotFolder() + "mdiapp.bmp"));
}

TEST_F(MdiApp, ToolBarButtonsAndStatusPromptsFollowTheRouting) {
  app->NewDocument();
  Pump();
  // At idle the buttons ask the routing: no handler disables, the document's Save enables.
  EXPECT_FALSE(frame->m_wndToolBar.IsButtonEnabled(ID_FILE_NEW));
  EXPECT_TRUE(frame->m_wndToolBar.IsButtonEnabled(ID_FILE_SAVE));
  // Each button its own picture although the bar starts with a separator.
  EXPECT_EQ(frame->m_wndToolBar.GetItemID(0), 0u);
  EXPECT_EQ(frame->m_wndToolBar.GetItemID(1), static_cast<UINT>(ID_FILE_NEW));
  // The bar is as wide as its buttons; a hidden button has no place to measure and is left out.
  CToolBar& bar = frame->m_wndToolBar;
  const int last = bar.GetCount() - 1;
  RECT lastRect = {}, beforeRect = {};
  ASSERT_TRUE(bar.GetItemRect(last, &lastRect));
  ASSERT_TRUE(bar.GetItemRect(last - 1, &beforeRect));
  EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE).cx, lastRect.right + bar.m_cxRightBorder);
  bar.SendMessage(TB_HIDEBUTTON, bar.GetItemID(last), TRUE);
  EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE).cx, beforeRect.right + bar.m_cxRightBorder);
  bar.SendMessage(TB_HIDEBUTTON, bar.GetItemID(last), FALSE);

  // The prompt of a menu item shows in the status bar, "Ready" when the menu closes.
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(ID_FILE_NEW, MF_STRING), 0);
  EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), CString("Creates a new document"));
  frame->SendMessage(WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
  EXPECT_EQ(frame->m_wndStatusBar.GetPaneText(0), CString("Ready"));

  // A button's tip is the second line of its command's string, asked of the frame through
  // the bar's own tooltip control.
  HWND tips = reinterpret_cast<HWND>(frame->m_wndToolBar.SendMessage(TB_GETTOOLTIPS));
  ASSERT_NE(tips, nullptr);
  auto tipOf = [&](UINT id) {
    char text[128] = "?";
    TOOLINFOA ti = {};
    ti.cbSize = sizeof ti;
    ti.hwnd = frame->m_wndToolBar.m_hWnd;
    ti.uId = id;
    ti.lpszText = text;
    ::SendMessageA(tips, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    return std::string(ti.lpszText ? ti.lpszText : "");
  };
  EXPECT_EQ(tipOf(ID_FILE_OPEN), "Open");
  EXPECT_EQ(tipOf(ID_TEST_ROUTE), "Route");
  EXPECT_EQ(tipOf(ID_FILE_SAVE), "");  // no string: no tip
  // The wide form too, and a tool that names a window asks for its control id's string.
  NMTTDISPINFOW wide = {};
  wide.hdr = {tips, ID_FILE_NEW, static_cast<UINT>(TTN_NEEDTEXTW)};
  frame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&wide));
  EXPECT_STREQ(wide.lpszText, L"New");
  NMTTDISPINFOA byWindow = {};
  HWND button = ::CreateWindowA("BUTTON", "", WS_CHILD, 0, 0, 1, 1, frame->m_hWnd,
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(ID_FILE_OPEN)),
                                nullptr, nullptr);
  byWindow.hdr = {tips, reinterpret_cast<UINT_PTR>(button), static_cast<UINT>(TTN_NEEDTEXTA)};
  byWindow.uFlags = TTF_IDISHWND;
  frame->SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&byWindow));
  EXPECT_STREQ(byWindow.lpszText, "Open");
  ::DestroyWindow(button);
}

namespace {
int CountEvents(CAppView* view, ViewEvent::Kind kind) {
  int n = 0;
  for (const ViewEvent& e : g_viewEvents)
    if (e.view == view && e.kind == kind) ++n;
  return n;
}
CAppView* ViewOf(CDocument* doc) {
  POSITION pos = doc->GetFirstViewPosition();
  return static_cast<CAppView*>(doc->GetNextView(pos));
}
}  // namespace

// A new view is first updated with no sender and no hint; activation follows the document
// windows, but not the focus going into the side bar's form; a view going away while active
// is deactivated, so nothing keeps its document.
TEST_F(MdiApp, ViewsAreUpdatedFirstAndDeactivatedWhenTheyGo) {
  g_viewEvents.clear();
  CAppDoc* first = app->NewDocument();
  Pump();
  CAppView* view = ViewOf(first);
  ASSERT_FALSE(g_viewEvents.empty());
  EXPECT_EQ(g_viewEvents.front().view, view);
  EXPECT_EQ(g_viewEvents.front().kind, ViewEvent::kUpdate);
  EXPECT_EQ(g_viewEvents.front().sender, nullptr);
  EXPECT_EQ(g_viewEvents.front().hint, 0);
  EXPECT_GE(CountEvents(view, ViewEvent::kActivate), 1);

  // Into the side bar: a click on its edit, then the keyboard focus.
  g_viewEvents.clear();
  CWnd* form = frame->m_wndSideBar.GetHostedFrame()->GetActiveView();
  ASSERT_NE(form, nullptr);
  HWND edit = ::GetDlgItem(form->m_hWnd, 1001);
  ASSERT_NE(edit, nullptr);
  RECT re;
  ::GetWindowRect(edit, &re);
  ::SetForegroundWindow(frame->m_hWnd);
  ::SetCursorPos((re.left + re.right) / 2, (re.top + re.bottom) / 2);
  INPUT click[2] = {};
  click[0].type = click[1].type = INPUT_MOUSE;
  click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  ::SendInput(2, click, sizeof(INPUT));
  Pump();
  ::SetFocus(edit);
  Pump();
  EXPECT_EQ(::GetFocus(), edit);
  EXPECT_EQ(CountEvents(view, ViewEvent::kDeactivate), 0);
  EXPECT_EQ(frame->GetActiveDocument(), first);

  // Another document's window takes over; closing it brings the first back.
  CAppDoc* second = app->NewDocument();
  Pump();
  CAppView* other = ViewOf(second);
  EXPECT_GE(CountEvents(view, ViewEvent::kDeactivate), 1);
  EXPECT_GE(CountEvents(other, ViewEvent::kActivate), 1);
  g_viewEvents.clear();
  other->GetParentFrame()->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_EQ(CountEvents(other, ViewEvent::kDeactivate), 1);
  EXPECT_GE(CountEvents(view, ViewEvent::kActivate), 1);

  // The last view goes: it is deactivated once.
  g_viewEvents.clear();
  view->GetParentFrame()->SendMessage(WM_CLOSE);
  Pump();
  EXPECT_EQ(CountEvents(view, ViewEvent::kDeactivate), 1);
  EXPECT_EQ(app->GetOpenDocumentCount(), 0);
}

// The side bar's form: it takes no focus at start-up, belongs to no document (a bar made while
// a document is active does not join its views), and a shortcut typed in one of its edits
// reaches the frame's accelerators before the form's keyboard navigation.
TEST_F(MdiApp, SideBarFormStaysOutOfTheDocumentsAndPassesShortcutsOn) {
  HWND form = ::GetWindow(frame->m_wndSideBar.GetHostedFrame()->m_hWnd, GW_CHILD);
  ASSERT_NE(form, nullptr);
  HWND focus = ::GetFocus();
  EXPECT_FALSE(focus == form || ::IsChild(form, focus));

  CAppDoc* doc = app->NewDocument();
  ASSERT_NE(doc, nullptr);
  Pump();
  CViewBar second;
  ASSERT_TRUE(second.Create(frame, RUNTIME_CLASS(CSideForm), nullptr, "Second",
                            WS_CHILD | WS_VISIBLE | CBRS_ALIGN_LEFT, 0xE901));
  EXPECT_EQ(doc->GetViewCount(), 1);
  second.DestroyWindow();
  Pump();

  static int saveDialogs;
  saveDialogs = 0;
  CSeamOverride<AfxFileDialogSeam> files(&AfxSetFileDialogSeam, [](OPENFILENAMEA*, BOOL) {
    ++saveDialogs;
    return FALSE;
  });
  HWND edit = ::GetDlgItem(form, 1001);
  ASSERT_NE(edit, nullptr);
  ::SetFocus(edit);
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  ::PostMessageA(edit, WM_KEYDOWN, 'S', 1);
  ::PostMessageA(edit, WM_KEYUP, 'S', 0xC0000001);
  Pump();
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(saveDialogs, 1);  // Ctrl+S asked where to save the untitled document
}
