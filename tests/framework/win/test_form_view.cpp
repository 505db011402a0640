// A form view taller or wider than its window scrolls: scroll bars appear only while needed,
// the controls move with the position, the position stays inside the range when the window
// grows, and the wheel over a control scrolls the form.
#include <gtest/gtest.h>

#include "framework/win/AfxWin.h"
#include "framework/win/View.h"
#include "tests/framework/win/testdialogs.h"

namespace {

class FormViewScrolling : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              0, 0, 400, 400, nullptr, nullptr));
    form = new CFormView(IDD_TEST_FORM);  // deletes itself with its window
    RECT rc = {0, 0, 200, 150};
    ASSERT_TRUE(form->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, rc, &host, 1));
  }
  void TearDown() override { host.DestroyWindow(); }

  // Top of a control in the form's client co-ordinates.
  int TopOf(int id) {
    RECT rc;
    ::GetWindowRect(::GetDlgItem(form->m_hWnd, id), &rc);
    POINT p = {rc.left, rc.top};
    ::ScreenToClient(form->m_hWnd, &p);
    return p.y;
  }
  int ClientHeight() {
    RECT rc;
    form->GetClientRect(&rc);
    return rc.bottom;
  }
  bool HasBar(DWORD style) { return (form->GetStyle() & style) != 0; }
  void Resize(int w, int h) { form->SetWindowPos(nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE); }

  CWnd host;
  CFormView* form = nullptr;
};

TEST_F(FormViewScrolling, BarsFollowTheTotalAndTheControlsFollowThePosition) {
  const int lowTop = TopOf(IDC_FORM_LOW_EDIT);
  // Without scroll sizes the form never scrolls.
  EXPECT_FALSE(HasBar(WS_VSCROLL));
  form->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
  EXPECT_EQ(TopOf(IDC_FORM_LOW_EDIT), lowTop);

  form->SetScrollSizes(MM_TEXT, SIZE{100, 600});
  EXPECT_TRUE(HasBar(WS_VSCROLL));
  EXPECT_FALSE(HasBar(WS_HSCROLL));
  const int page = ClientHeight();
  form->SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
  const int line = page / 10;
  EXPECT_EQ(form->GetScrollPosition().y, line);
  EXPECT_EQ(TopOf(IDC_FORM_LOW_EDIT), lowTop - line);
  form->SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(form->GetScrollPosition().y, 600 - page);
  EXPECT_EQ(TopOf(IDC_FORM_LOW_EDIT), lowTop - (600 - page));
  EXPECT_EQ(::GetScrollPos(form->m_hWnd, SB_VERT), 600 - page);
  form->SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);  // nothing beyond the end
  EXPECT_EQ(form->GetScrollPosition().y, 600 - page);

  // Growing the window keeps the position inside the range; taller than the total, the bar
  // goes and the controls are back where they started.
  Resize(200, 500);
  EXPECT_EQ(form->GetScrollPosition().y, 600 - ClientHeight());
  EXPECT_EQ(TopOf(IDC_FORM_LOW_EDIT), lowTop - (600 - ClientHeight()));
  Resize(200, 700);
  EXPECT_FALSE(HasBar(WS_VSCROLL));
  EXPECT_EQ(form->GetScrollPosition().y, 0);
  EXPECT_EQ(TopOf(IDC_FORM_LOW_EDIT), lowTop);

  // Wider than the window: both bars, each taking room from the other's page.
  Resize(200, 150);
  form->SetScrollSizes(MM_TEXT, SIZE{400, 600});
  EXPECT_TRUE(HasBar(WS_VSCROLL));
  EXPECT_TRUE(HasBar(WS_HSCROLL));
  form->SendMessage(WM_HSCROLL, SB_BOTTOM, 0);
  RECT rc;
  form->GetClientRect(&rc);
  EXPECT_EQ(form->GetScrollPosition().x, 400 - rc.right);
}

TEST_F(FormViewScrolling, TheWheelOverAControlScrollsTheForm) {
  form->SetScrollSizes(MM_TEXT, SIZE{100, 600});
  HWND edit = ::GetDlgItem(form->m_hWnd, IDC_FORM_TOP_EDIT);
  // The wheel arrives at the control under the pointer (or with the focus) through the
  // message loop; the form takes it.
  auto wheel = [&](int delta) {
    MSG msg = {edit, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0, 0, {0, 0}};
    if (!CWnd::WalkPreTranslateTree(host.m_hWnd, &msg)) ::DispatchMessageA(&msg);
  };
  wheel(-WHEEL_DELTA);
  EXPECT_GT(form->GetScrollPosition().y, 0);
  wheel(WHEEL_DELTA);
  EXPECT_EQ(form->GetScrollPosition().y, 0);
  // Sent to the form itself.
  form->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
  EXPECT_GT(form->GetScrollPosition().y, 0);
}

}  // namespace
