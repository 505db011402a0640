// Message maps, routing and reflection, the exception barrier, handle maps, timers, styles and
// the message-box seam, on real windows under a display.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/FrameWnd.h"
#include "framework/win/ToolBar.h"
#include "tests/support/WaitUntil.h"

namespace {

std::vector<std::string> g_log;

struct MessageBoxRecord {
  static std::vector<std::string> texts;
  static int answer;
  static int Fake(HWND, LPCSTR text, LPCSTR, UINT) {
    texts.push_back(text ? text : "");
    return answer;
  }
};
std::vector<std::string> MessageBoxRecord::texts;
int MessageBoxRecord::answer = IDOK;

const UINT kIdButton = 10;
const UINT kIdChild = 11;
const UINT kIdOther = 12;

// A button that sees its own click first; its EX handler returns m_handled: TRUE keeps the
// click to itself, FALSE lets the parent's handler run as well.
class CReflectButton : public CButton {
 public:
  BOOL m_handled = FALSE;
  afx_msg BOOL OnReflectedClick() {
    g_log.push_back("child");
    return m_handled;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CReflectButton, CButton)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CReflectButton::OnReflectedClick)
END_MESSAGE_MAP()

// A control whose notification is reflected to it with the EX meaning.
class CNotifyChild : public CWnd {
 public:
  BOOL m_handled = FALSE;
  afx_msg BOOL OnReflectedNotify(NMHDR*, LRESULT* result) {
    g_log.push_back("child-notify");
    *result = 7;
    return m_handled;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CNotifyChild, CWnd)
ON_NOTIFY_REFLECT_EX(NM_CLICK, &CNotifyChild::OnReflectedNotify)
END_MESSAGE_MAP()

class CParentWnd : public CWnd {
 public:
  int m_timerTicks = 0;
  int m_posChanging = 0;
  int m_plainCalls = 0;
  afx_msg void OnButton() { g_log.push_back("parent"); }
  afx_msg void OnChildNotify10(NMHDR*, LRESULT*) { g_log.push_back("parent-notify"); }
  afx_msg void OnListFirst(NMHDR*, LRESULT* result) {
    g_log.push_back("list-first");
    *result = 3;
  }
  afx_msg void OnRange(UINT id) { g_log.push_back("range " + std::to_string(id)); }
  afx_msg LRESULT OnThrowStd(WPARAM, LPARAM) { throw std::runtime_error("broken handler"); }
  afx_msg LRESULT OnThrowFramework(WPARAM, LPARAM) { AfxThrowNotSupportedException(); }
  afx_msg LRESULT OnThrowUser(WPARAM, LPARAM) { AfxThrowUserException(); }
  afx_msg LRESULT OnPlain(WPARAM w, LPARAM) {
    ++m_plainCalls;
    return static_cast<LRESULT>(w) * 2;
  }
  afx_msg void OnTimer(UINT_PTR) { ++m_timerTicks; }
  afx_msg void OnWindowPosChanging(WINDOWPOS*) { ++m_posChanging; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CParentWnd, CWnd)
ON_BN_CLICKED(kIdButton, &CParentWnd::OnButton)
ON_NOTIFY(NM_CLICK, kIdChild, &CParentWnd::OnChildNotify10)
ON_NOTIFY(LVN_FIRST, kIdOther, &CParentWnd::OnListFirst)
ON_COMMAND_RANGE(200, 210, &CParentWnd::OnRange)
ON_MESSAGE(WM_APP + 1, &CParentWnd::OnThrowStd)
ON_MESSAGE(WM_APP + 2, &CParentWnd::OnThrowFramework)
ON_MESSAGE(WM_APP + 3, &CParentWnd::OnThrowUser)
ON_MESSAGE(WM_APP + 4, &CParentWnd::OnPlain)
ON_WM_TIMER()
ON_WM_WINDOWPOSCHANGING()
END_MESSAGE_MAP()

class MessagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    MessageBoxRecord::texts.clear();
    ASSERT_TRUE(
        m_parent.CreateEx(0, NULL, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, NULL, NULL));
    ASSERT_TRUE(m_button.Create("A", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(5, 5, 60, 30),
                                &m_parent, kIdButton));
    ASSERT_TRUE(m_child.Create(NULL, NULL, WS_CHILD, CRect(70, 5, 90, 30), &m_parent, kIdChild));
  }
  void TearDown() override { AfxDeleteTempMaps(); }

  void Click() {
    m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(kIdButton, BN_CLICKED), (LPARAM)m_button.m_hWnd);
  }
  LRESULT Notify(HWND from, UINT_PTR id, UINT code) {
    NMHDR hdr = {from, id, code};
    return m_parent.SendMessage(WM_NOTIFY, id, (LPARAM)&hdr);
  }

  CSeamOverride<AfxMessageBoxSeam> m_boxes{AfxSetMessageBoxSeam, MessageBoxRecord::Fake};
  CParentWnd m_parent;
  CReflectButton m_button;
  CNotifyChild m_child;
};

TEST_F(MessagesTest, ReflectionReachesTheChildFirstWithTheExMeaning) {
  m_button.m_handled = FALSE;
  Click();
  EXPECT_EQ(g_log, (std::vector<std::string>{"child", "parent"}));

  g_log.clear();
  m_button.m_handled = TRUE;
  Click();
  EXPECT_EQ(g_log, (std::vector<std::string>{"child"}));

  g_log.clear();
  m_child.m_handled = FALSE;
  LRESULT r = Notify(m_child.m_hWnd, kIdChild, NM_CLICK);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child-notify", "parent-notify"}));
  EXPECT_EQ(r, 7);

  g_log.clear();
  m_child.m_handled = TRUE;
  Notify(m_child.m_hWnd, kIdChild, NM_CLICK);
  EXPECT_EQ(g_log, (std::vector<std::string>{"child-notify"}));
}

TEST_F(MessagesTest, NotifyEntriesMatchIdAndFullCode) {
  // LVN_FIRST (-100) from id 12 only; the same code from another id, or a neighbouring code
  // from id 12, finds nothing.
  EXPECT_EQ(Notify(NULL, kIdOther, LVN_FIRST), 3);
  EXPECT_EQ(Notify(NULL, kIdChild + 100, LVN_FIRST), 0);
  EXPECT_EQ(Notify(NULL, kIdOther, LVN_FIRST - 1), 0);
  // A code equal in its low 16 bits only must not match either.
  EXPECT_EQ(Notify(NULL, kIdOther, (UINT)(LVN_FIRST)&0xFFFF), 0);
  EXPECT_EQ(g_log, (std::vector<std::string>{"list-first"}));

  g_log.clear();
  EXPECT_TRUE(m_parent.DoCommand(205));
  EXPECT_FALSE(m_parent.DoCommand(211));
  EXPECT_EQ(g_log, (std::vector<std::string>{"range 205"}));
  AFX_CMDHANDLERINFO info = {};
  EXPECT_TRUE(m_parent.OnCmdMsg(200, CN_COMMAND, nullptr, &info));
  EXPECT_EQ(info.pTarget, &m_parent);
  EXPECT_EQ(g_log.size(), 1u);  // asking for the handler does not run it
}

TEST_F(MessagesTest, ExceptionsNeverCrossTheWindowProcedure) {
  int before = AfxGetReportedExceptionCount();
  EXPECT_EQ(m_parent.SendMessage(WM_APP + 1), 0);
  EXPECT_EQ(m_parent.SendMessage(WM_APP + 2), 0);
  EXPECT_EQ(AfxGetReportedExceptionCount(), before + 2);
  ASSERT_EQ(MessageBoxRecord::texts.size(), 2u);
  EXPECT_NE(MessageBoxRecord::texts[0].find("broken handler"), std::string::npos);
  // A user exception was reported by whoever threw it: no second message.
  EXPECT_EQ(m_parent.SendMessage(WM_APP + 3), 0);
  EXPECT_EQ(MessageBoxRecord::texts.size(), 2u);
  // The window still works.
  EXPECT_EQ(m_parent.SendMessage(WM_APP + 4, 21), 42);
}

TEST_F(MessagesTest, TimersArriveThroughTheMap) {
  m_parent.SetTimer(1, 10);
  DWORD start = GetTickCount();
  MSG msg;
  // The cap is for a stuck machine: a busy one may go a long while between ticks.
  while (m_parent.m_timerTicks < 2 && GetTickCount() - start < qxtest::kWaitCapMs) {
    while (PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(5);
  }
  m_parent.KillTimer(1);
  EXPECT_GE(m_parent.m_timerTicks, 2);
}

TEST_F(MessagesTest, ModifyStyleDoesNothingWhenTheStyleStays) {
  m_parent.m_posChanging = 0;
  EXPECT_FALSE(m_parent.ModifyStyleEx(WS_EX_CLIENTEDGE, 0, SWP_FRAMECHANGED));
  EXPECT_FALSE(m_parent.ModifyStyle(0, WS_CAPTION, SWP_FRAMECHANGED));
  EXPECT_EQ(m_parent.m_posChanging, 0);
  EXPECT_TRUE(m_parent.ModifyStyleEx(0, WS_EX_CLIENTEDGE, SWP_FRAMECHANGED));
  EXPECT_GT(m_parent.m_posChanging, 0);
  EXPECT_TRUE(m_parent.GetExStyle() & WS_EX_CLIENTEDGE);
}

int g_deleted = 0;
class CSelfDeleting : public CWnd {
 public:
  void PostNcDestroy() override {
    ++g_deleted;
    delete this;
  }
};

TEST_F(MessagesTest, HandleMapLifetime) {
  // A window the framework does not know gets a temporary object until idle time.
  HWND raw = CreateWindowExA(0, "STATIC", "raw", WS_CHILD, 0, 0, 10, 10, m_parent.m_hWnd, NULL,
                             NULL, NULL);
  ASSERT_TRUE(raw != NULL);
  AfxDeleteTempMaps();
  CWnd* temp = CWnd::FromHandle(raw);
  EXPECT_EQ(CWnd::FromHandle(raw), temp);
  EXPECT_EQ(CWnd::FromHandlePermanent(raw), nullptr);
  EXPECT_EQ(AfxGetTemporaryWindowCount(), 1);
  AfxDeleteTempMaps();
  EXPECT_EQ(AfxGetTemporaryWindowCount(), 0);
  EXPECT_TRUE(IsWindow(raw));  // freeing the wrapper leaves the window alone

  // Subclassed windows map to their object; GetDlgItem finds it.
  EXPECT_EQ(m_parent.GetDlgItem(kIdButton), &m_button);
  int permanent = AfxGetPermanentWindowCount();
  {
    CWnd wrapper;
    ASSERT_TRUE(wrapper.SubclassWindow(raw));
    EXPECT_EQ(AfxGetPermanentWindowCount(), permanent + 1);
    EXPECT_EQ(CWnd::FromHandle(raw), &wrapper);
  }
  // The object took its window with it.
  EXPECT_FALSE(IsWindow(raw));
  EXPECT_EQ(AfxGetPermanentWindowCount(), permanent);

  // An object made with new deletes itself after its last message.
  g_deleted = 0;
  CSelfDeleting* self = new CSelfDeleting;
  ASSERT_TRUE(self->Create(NULL, NULL, WS_CHILD, CRect(0, 0, 5, 5), &m_parent, 99));
  HWND hSelf = self->m_hWnd;
  EXPECT_EQ(AfxGetPermanentWindowCount(), permanent + 1);
  DestroyWindow(hSelf);
  EXPECT_EQ(g_deleted, 1);
  EXPECT_EQ(AfxGetPermanentWindowCount(), permanent);
  EXPECT_EQ(CWnd::FromHandlePermanent(hSelf), nullptr);
}

LRESULT CALLBACK CountingSubclass(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR data) {
  if (msg == WM_APP + 4) ++*reinterpret_cast<int*>(data);
  return ::DefSubclassProc(h, msg, w, l);
}

// Windows of the framework's own classes reach their object through the class procedure, with
// no subclass of their own; a control is still subclassed. Each message arrives once, also under
// someone else's subclass, and only while the object is subclassed (not merely attached).
TEST_F(MessagesTest, OwnClassesDispatchWithoutASubclassAndEachMessageArrivesOnce) {
  EXPECT_EQ(::GetPropA(m_parent.m_hWnd, "CC32SubclassInfo"), nullptr);
  EXPECT_NE(::GetPropA(m_button.m_hWnd, "CC32SubclassInfo"), nullptr);
  EXPECT_TRUE(m_parent.IsSubclassed());
  int seen = 0;
  ASSERT_TRUE(::SetWindowSubclass(m_parent.m_hWnd, CountingSubclass, 1, (DWORD_PTR)&seen));
  EXPECT_EQ(m_parent.SendMessage(WM_APP + 4, 21), 42);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(m_parent.m_plainCalls, 1);
  ::RemoveWindowSubclass(m_parent.m_hWnd, CountingSubclass, 1);

  HWND raw = ::CreateWindowExA(0, AfxRegisterWndClass(0), "raw", WS_CHILD, 0, 0, 10, 10,
                               m_parent.m_hWnd, NULL, NULL, NULL);
  ASSERT_TRUE(raw != NULL);
  CParentWnd other;
  ASSERT_TRUE(other.Attach(raw));
  EXPECT_EQ(::SendMessageA(raw, WM_APP + 4, 3, 0), 0);
  EXPECT_EQ(other.m_plainCalls, 0);
  other.Detach();
  ASSERT_TRUE(other.SubclassWindow(raw));
  EXPECT_EQ(::SendMessageA(raw, WM_APP + 4, 3, 0), 6);
  EXPECT_EQ(other.m_plainCalls, 1);
  EXPECT_EQ(::GetPropA(raw, "CC32SubclassInfo"), nullptr);
  EXPECT_EQ(other.UnsubclassWindow(), raw);
  EXPECT_FALSE(other.IsSubclassed());
  EXPECT_EQ(::SendMessageA(raw, WM_APP + 4, 3, 0), 0);
  EXPECT_EQ(other.m_plainCalls, 1);
  ::DestroyWindow(raw);
}

LRESULT CALLBACK LoggingSubclass(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
  if (msg == WM_APP + 9) g_log.push_back(std::to_string(id));
  return ::DefSubclassProc(h, msg, w, l);
}

// Deep: every descendant, each before its own children, in z-order; shallow: the children only.
TEST_F(MessagesTest, MessagesToDescendantsReachEachWindowOnceParentsFirst) {
  CWnd holder;
  ASSERT_TRUE(holder.Create(NULL, NULL, WS_CHILD, CRect(0, 0, 50, 50), &m_parent, 300));
  auto make = [](HWND parent, UINT_PTR id) {
    HWND h = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, parent, (HMENU)id, NULL, NULL);
    ::SetWindowSubclass(h, LoggingSubclass, id, 0);
    return h;
  };
  HWND a = make(holder.m_hWnd, 1);
  make(a, 11);
  make(a, 12);
  make(holder.m_hWnd, 2);
  ::SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  g_log.clear();
  holder.SendMessageToDescendants(WM_APP + 9, 0, 0, TRUE);
  std::vector<std::string> order = g_log;
  // What a walk down the z-order gives, each window before its children.
  std::vector<std::string> expected;
  for (HWND h = ::GetTopWindow(holder.m_hWnd); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
    expected.push_back(std::to_string(::GetDlgCtrlID(h)));
    for (HWND c = ::GetTopWindow(h); c; c = ::GetWindow(c, GW_HWNDNEXT))
      expected.push_back(std::to_string(::GetDlgCtrlID(c)));
  }
  EXPECT_EQ(order.size(), 4u);
  EXPECT_EQ(order, expected);
  g_log.clear();
  holder.SendMessageToDescendants(WM_APP + 9, 0, 0, FALSE);
  EXPECT_EQ(g_log.size(), 2u);
  EXPECT_EQ(std::count(g_log.begin(), g_log.end(), "11"), 0);

  // Only the windows with a framework object, deep or not.
  CWnd wrapped;
  ASSERT_TRUE(wrapped.SubclassWindow(::GetDlgItem(a, 12)));
  for (BOOL deep : {TRUE, FALSE}) {
    g_log.clear();
    holder.SendMessageToDescendants(WM_APP + 9, 0, 0, deep, TRUE);
    EXPECT_EQ(g_log, deep ? std::vector<std::string>{"12"} : std::vector<std::string>{});
  }
}

LRESULT CALLBACK IdleUpdateLog(HWND h, UINT msg, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR) {
  if (msg == WM_IDLEUPDATECMDUI) g_log.push_back(std::to_string(id));
  return ::DefSubclassProc(h, msg, w, l);
}

// The idle command-UI update reaches control bars and frames at any depth, and no other window,
// framework object or not.
TEST_F(MessagesTest, IdleCommandUpdateGoesOnlyToBarsAndFrames) {
  CFrameWnd* frame = new CFrameWnd;  // deletes itself when its window goes
  ASSERT_TRUE(frame->Create(NULL, "frame", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 150)));
  CStatusBar bar;
  ASSERT_TRUE(bar.Create(frame));
  CWnd holder, wrapped;
  ASSERT_TRUE(holder.Create(NULL, NULL, WS_CHILD, CRect(0, 0, 50, 50), frame, 301));
  CFrameWnd* inner = new CFrameWnd;
  ASSERT_TRUE(inner->Create(NULL, NULL, WS_CHILD, CRect(0, 0, 40, 40), &holder));
  auto makeStatic = [&holder] {
    return ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, holder.m_hWnd, NULL, NULL,
                             NULL);
  };
  HWND plain = makeStatic();
  ASSERT_TRUE(wrapped.SubclassWindow(makeStatic()));
  ::SetWindowSubclass(bar.m_hWnd, IdleUpdateLog, 1, 0);
  ::SetWindowSubclass(holder.m_hWnd, IdleUpdateLog, 2, 0);
  ::SetWindowSubclass(inner->m_hWnd, IdleUpdateLog, 3, 0);
  ::SetWindowSubclass(plain, IdleUpdateLog, 4, 0);
  ::SetWindowSubclass(wrapped.m_hWnd, IdleUpdateLog, 5, 0);
  g_log.clear();
  frame->SendIdleUpdateCmdUI();
  std::sort(g_log.begin(), g_log.end());
  EXPECT_EQ(g_log, (std::vector<std::string>{"1", "3"}));
  frame->DestroyWindow();
}

TEST_F(MessagesTest, MessageBoxesGoThroughTheSeam) {
  MessageBoxRecord::answer = IDNO;
  EXPECT_EQ(AfxMessageBox("Save changes?", MB_YESNO), IDNO);
  EXPECT_EQ(m_parent.MessageBox("Second"), IDNO);
  EXPECT_EQ(MessageBoxRecord::texts, (std::vector<std::string>{"Save changes?", "Second"}));
  MessageBoxRecord::answer = IDOK;
}

}  // namespace

namespace {
class CRecordingMenu : public CMenu {
 public:
  int measured = 0, drawn = 0;
  void MeasureItem(LPMEASUREITEMSTRUCT mis) override {
    ++measured;
    mis->itemHeight = 33;
  }
  void DrawItem(LPDRAWITEMSTRUCT) override { ++drawn; }
};

UINT g_measuredHeight = 0;
// While the menu is "open", the system asks its owner to measure and draw item 501.
BOOL MeasureAndDrawWhileTracking(HMENU menu, UINT, int, int, HWND owner, LPTPMPARAMS) {
  MEASUREITEMSTRUCT mis = {ODT_MENU, 0, 501, 0, 0, 0};
  ::SendMessageA(owner, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&mis));
  g_measuredHeight = mis.itemHeight;
  DRAWITEMSTRUCT dis = {};
  dis.CtlType = ODT_MENU;
  dis.itemID = 501;
  dis.hwndItem = reinterpret_cast<HWND>(menu);
  ::SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
  return TRUE;
}
}  // namespace

TEST_F(MessagesTest, AnyWindowMeasuresTheOwnerDrawnMenuItTracks) {
  CRecordingMenu popup;
  ASSERT_TRUE(popup.CreatePopupMenu());
  popup.AppendMenu(MF_OWNERDRAW, 501);
  CSeamOverride<AfxTrackMenuSeam> track(AfxSetTrackMenuSeam, &MeasureAndDrawWhileTracking);
  g_measuredHeight = 0;
  popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, &m_child);  // a plain child window, not a frame
  EXPECT_EQ(popup.measured, 1);
  EXPECT_EQ(g_measuredHeight, 33u);
  EXPECT_EQ(popup.drawn, 1);

  // Once the menu is closed, an item no known menu holds gets the default processing.
  MEASUREITEMSTRUCT stray = {ODT_MENU, 0, 501, 0, 0, 0};
  m_child.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&stray));
  EXPECT_EQ(popup.measured, 1);
  EXPECT_EQ(stray.itemHeight, 0u);
}
