// Flat and toggle buttons in a visible dialog: clicks by mouse, double click, Space and
// mnemonic as the system delivers them; hover, check-box mode, default button, setters,
// pictures and drawing (on memory DCs).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ButtonPictures.h"
#include "controls/FlatButton.h"
#include "controls/ToggleButton.h"
#include "tests/controls/small_controls_support.h"
#include "tests/controls/testsmallcontrols.h"

namespace {

using qxtest::Pump;

class CButtonsDlg : public CDialog {
 public:
  CButtonsDlg() : CDialog(IDD_BUTTONS) {}
  CFlatButton m_flat, m_check, m_owner, m_default;
  CToggleButton m_toggle, m_other;
  std::vector<std::string> log;

  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_FLAT, m_flat);
    DDX_Control(pDX, IDC_FLAT_CHECK, m_check);
    DDX_Control(pDX, IDC_FLAT_OWNERDRAW, m_owner);
    DDX_Control(pDX, IDC_FLAT_DEFAULT, m_default);
    DDX_Control(pDX, IDC_TOGGLE, m_toggle);
    DDX_Control(pDX, IDC_TOGGLE_OTHER, m_other);
  }
  afx_msg void OnFlat() { log.push_back("flat"); }
  afx_msg void OnFlatDouble() { log.push_back("flat double"); }
  afx_msg void OnCheck() { log.push_back(m_check.GetCheck() ? "check on" : "check off"); }
  // The toggle has flipped by the time its owner hears the click.
  afx_msg void OnToggle() { log.push_back(m_toggle.m_bPressed ? "toggle down" : "toggle up"); }
  afx_msg void OnToggleDouble() { log.push_back("toggle double"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CButtonsDlg, CDialog)
ON_BN_CLICKED(IDC_FLAT, &CButtonsDlg::OnFlat)
ON_BN_DOUBLECLICKED(IDC_FLAT, &CButtonsDlg::OnFlatDouble)
ON_BN_CLICKED(IDC_FLAT_CHECK, &CButtonsDlg::OnCheck)
ON_BN_CLICKED(IDC_TOGGLE, &CButtonsDlg::OnToggle)
ON_BN_DOUBLECLICKED(IDC_TOGGLE, &CButtonsDlg::OnToggleDouble)
END_MESSAGE_MAP()

// Tests that click or type show the dialog; the others need no screen and keep it hidden.
class ButtonsWindow : public ::testing::Test {
 protected:
  virtual bool Shown() const { return true; }
  void SetUp() override {
    ASSERT_TRUE(dlg.Create(IDD_BUTTONS));
    if (Shown()) {
      ASSERT_TRUE(qxtest::ShowInFront(&dlg));
    }
  }
  void TearDown() override {
    dlg.DestroyWindow();
    AfxDeleteTempMaps();
  }
  std::vector<std::string> Take() {
    Pump(dlg.m_hWnd, 60);
    std::vector<std::string> out;
    out.swap(dlg.log);
    return out;
  }
  CButtonsDlg dlg;
};

class ButtonsOffScreen : public ButtonsWindow {
 protected:
  bool Shown() const override { return false; }
};

using V = std::vector<std::string>;

TEST_F(ButtonsWindow, ToggleStateFollowsEveryClickNotification) {
  CPoint centre = qxtest::ScreenCentre(&dlg.m_toggle);
  qxtest::Click(centre);
  EXPECT_EQ(Take(), (V{"toggle down"}));
  EXPECT_TRUE(dlg.m_toggle.m_bPressed);

  // Pressed here, released elsewhere: no click, so no flip.
  qxtest::PressAndReleaseAt(centre, qxtest::ScreenCentre(&dlg.m_other) + CSize(0, 40));
  EXPECT_EQ(Take(), V{});
  EXPECT_TRUE(dlg.m_toggle.m_bPressed);

  // A double click is two clicks: two flips, two notifications, no double-click notice.
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_other) + CSize(0, 40));  // away from the toggle first
  Take();
  qxtest::DoubleClick(centre);
  EXPECT_EQ(Take(), (V{"toggle up", "toggle down"}));
  EXPECT_TRUE(dlg.m_toggle.m_bPressed);

  // Space on the focused button.
  dlg.m_toggle.SetFocus();
  qxtest::PressKey(VK_SPACE);
  EXPECT_EQ(Take(), (V{"toggle up"}));
  EXPECT_FALSE(dlg.m_toggle.m_bPressed);

  // Its mnemonic, Alt+G, through the dialog's keyboard handling.
  dlg.m_flat.SetFocus();
  qxtest::PressKey('G', VK_MENU);
  EXPECT_EQ(Take(), (V{"toggle down"}));
  EXPECT_TRUE(dlg.m_toggle.m_bPressed);

  // The owner releases it.
  dlg.m_toggle.m_bPressed = FALSE;
  dlg.m_toggle.Invalidate();
  EXPECT_EQ(dlg.m_toggle.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
}

TEST_F(ButtonsWindow, FlatDoubleClickIsTwoPresses) {
  qxtest::DoubleClick(qxtest::ScreenCentre(&dlg.m_flat));
  EXPECT_EQ(Take(), (V{"flat", "flat"}));
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_flat));
  EXPECT_EQ(Take(), (V{"flat"}));
}

TEST_F(ButtonsWindow, HoverStartsOverTheButtonAndEndsEveryWayItShould) {
  CFlatButton& b = dlg.m_flat;
  CRect client;
  b.GetClientRect(&client);
  LPARAM inside = MAKELPARAM(client.Width() / 2, client.Height() / 2);
  auto hover = [&] {
    ::SetCursorPos(qxtest::ScreenCentre(&b).x, qxtest::ScreenCentre(&b).y);
    b.SendMessage(WM_MOUSEMOVE, 0, inside);
    return b.IsHovered();
  };
  auto invalidatedBy = [&](UINT msg, WPARAM wParam) {
    b.UpdateWindow();
    b.SendMessage(msg, wParam, 0);
    return ::GetUpdateRect(b.m_hWnd, NULL, FALSE) != FALSE;
  };
  ASSERT_TRUE(hover());
  EXPECT_TRUE(invalidatedBy(WM_MOUSELEAVE, 0));
  EXPECT_FALSE(b.IsHovered());
  ASSERT_TRUE(hover());
  EXPECT_TRUE(invalidatedBy(WM_KILLFOCUS, 0));
  EXPECT_FALSE(b.IsHovered());
  ASSERT_TRUE(hover());
  EXPECT_TRUE(invalidatedBy(WM_ACTIVATE, WA_INACTIVE));
  EXPECT_FALSE(b.IsHovered());
  ASSERT_TRUE(hover());
  EXPECT_TRUE(invalidatedBy(WM_CANCELMODE, 0));
  ASSERT_TRUE(hover());
  b.SetFocus();
  b.EnableWindow(FALSE);
  EXPECT_FALSE(b.IsHovered());
  EXPECT_NE(::GetFocus(), b.m_hWnd);  // a disabled button gives up the focus
  b.EnableWindow(TRUE);

  // A move while the cursor is elsewhere ends nothing that was not there and starts nothing.
  CPoint away = qxtest::ScreenCentre(dlg.GetDlgItem(IDC_EDIT));
  ::SetCursorPos(away.x, away.y);
  b.SendMessage(WM_MOUSEMOVE, 0, inside);
  EXPECT_FALSE(b.IsHovered());
  // Dragging in from outside with the button held does not light it.
  ::SetCursorPos(qxtest::ScreenCentre(&b).x, qxtest::ScreenCentre(&b).y);
  b.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, inside);
  EXPECT_FALSE(b.IsHovered());
  // Only flat buttons light up.
  b.SetFlat(FALSE);
  b.SendMessage(WM_MOUSEMOVE, 0, inside);
  EXPECT_FALSE(b.IsHovered());
}

TEST_F(ButtonsWindow, CheckBoxModeOnlyForCheckBoxTemplates) {
  EXPECT_TRUE(dlg.m_check.IsCheckBoxMode());
  EXPECT_FALSE(dlg.m_owner.IsCheckBoxMode());  // an owner-drawn template stays a push button
  EXPECT_FALSE(dlg.m_flat.IsCheckBoxMode());
  for (CFlatButton* b : {&dlg.m_check, &dlg.m_owner, &dlg.m_flat})
    EXPECT_EQ(b->GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);

  dlg.m_check.SendMessage(BM_SETCHECK, BST_INDETERMINATE);
  EXPECT_EQ(dlg.m_check.GetCheck(), 1);
  EXPECT_EQ(dlg.m_check.SendMessage(BM_GETCHECK), 1);
  dlg.m_check.SendMessage(BM_SETCHECK, 7);
  EXPECT_EQ(dlg.m_check.GetCheck(), 0);
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_check));
  EXPECT_EQ(Take(), (V{"check on"}));  // flipped before the parent hears

  EXPECT_EQ(dlg.m_flat.SetCheck(1), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(dlg.m_flat.GetCheck(), 0);
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_owner));
  EXPECT_EQ(dlg.m_owner.GetCheck(), 0);
}

TEST_F(ButtonsOffScreen, DefaultButtonFollowsTheDialogManager) {
  EXPECT_TRUE(dlg.m_default.IsDefaultButton());
  EXPECT_TRUE(dlg.m_default.SendMessage(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
  EXPECT_TRUE(dlg.m_flat.SendMessage(WM_GETDLGCODE) & DLGC_UNDEFPUSHBUTTON);
  dlg.m_default.SendMessage(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
  EXPECT_FALSE(dlg.m_default.IsDefaultButton());
  EXPECT_EQ(dlg.m_default.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
  dlg.m_flat.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
  EXPECT_TRUE(dlg.m_flat.IsDefaultButton());
  EXPECT_EQ(dlg.m_flat.GetStyle() & BS_TYPEMASK, (DWORD)BS_OWNERDRAW);
}

TEST_F(ButtonsOffScreen, SettersReportBadArgumentsAndChangeNothing) {
  CFlatButton& b = dlg.m_flat;
  EXPECT_EQ(b.SetAlign(2, FALSE), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(b.SetAlign(4, FALSE), (DWORD)CFlatButton::BTNST_BADPARAM);
  EXPECT_EQ(b.GetAlign(), 2);
  EXPECT_EQ(b.SetColor(1, RGB(1, 2, 3), FALSE), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(b.GetColor(1), RGB(1, 2, 3));
  EXPECT_EQ(b.SetColor(6, RGB(9, 9, 9), FALSE), (DWORD)CFlatButton::BTNST_INVALIDINDEX);
  b.SetDefaultColors(FALSE);
  EXPECT_EQ(b.GetColor(1), ::GetSysColor(COLOR_BTNTEXT));
  EXPECT_EQ(b.GetColor(4), ::GetSysColor(COLOR_BTNFACE));
}

std::vector<std::string> g_opened;
HINSTANCE RecordOpen(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR, INT show) {
  g_opened.push_back(std::string(verb) + " " + file + (show == SW_SHOWMAXIMIZED ? " max" : ""));
  return reinterpret_cast<HINSTANCE>(42);
}

TEST_F(ButtonsWindow, WebAddressOpensThroughTheShellAndTheParentStillHears) {
  CSeamOverride<AfxShellExecuteSeam> seam(AfxSetShellExecuteSeam, RecordOpen);
  g_opened.clear();
  std::string longUrl = "http://example.org/" + std::string(281, 'q');
  dlg.m_flat.SetURL(longUrl.c_str());
  EXPECT_EQ(dlg.m_flat.GetURL().GetLength(), 259);
  dlg.m_flat.SetURL("http://example.org/guide");
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_flat));
  EXPECT_EQ(Take(), (V{"flat"}));
  EXPECT_EQ(g_opened, (V{"open http://example.org/guide max"}));
  dlg.m_flat.SetURL(NULL);
  qxtest::Click(qxtest::ScreenCentre(&dlg.m_flat));
  EXPECT_EQ(g_opened.size(), 1u);
}

CString TipText(CFlatButton& b) {
  char buffer[256] = "";
  TOOLINFOA ti = {};
  ti.lpszText = buffer;
  b.GetToolTip().GetToolInfo(ti, &b, 1);
  return buffer;
}

TEST_F(ButtonsOffScreen, TooltipMadeOnceWithOneTool) {
  CFlatButton& b = dlg.m_flat;
  b.SetTooltipText(NULL);
  EXPECT_TRUE(b.GetToolTip().m_hWnd == NULL || b.GetToolTip().GetToolCount() == 0);
  b.SetTooltipText("Copy the data");
  EXPECT_EQ(TipText(b), "Copy the data");
  b.SetTooltipText("Paste the data");
  EXPECT_EQ(b.GetToolTip().GetToolCount(), 1);
  EXPECT_EQ(TipText(b), "Paste the data");
}

// Tooltip windows of this thread (they are top-level pop-ups).
int TooltipWindowCount() {
  int count = 0;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND h, LPARAM p) -> BOOL {
        char name[64] = "";
        ::GetClassNameA(h, name, sizeof name);
        if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) ++*reinterpret_cast<int*>(p);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&count));
  return count;
}

TEST_F(ButtonsOffScreen, TooltipWindowWaitsForTheMouseAndTakesTheLastText) {
  CFlatButton& b = dlg.m_check;
  const int before = TooltipWindowCount();
  b.SetTooltipText("First text");
  b.SetTooltipText("Second text", FALSE);
  MSG paint = {b.m_hWnd, WM_PAINT, 0, 0};
  b.PreTranslateMessage(&paint);
  EXPECT_EQ(TooltipWindowCount(), before);  // not made for anything but the mouse

  MSG move = {b.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)};
  b.PreTranslateMessage(&move);
  EXPECT_EQ(TooltipWindowCount(), before + 1);
  b.PreTranslateMessage(&move);
  EXPECT_EQ(TooltipWindowCount(), before + 1);  // made once
  EXPECT_EQ(b.GetToolTip().GetToolCount(), 1);
  EXPECT_EQ(TipText(b), "Second text");
}

TEST_F(ButtonsOffScreen, ToolBarPictureAndItsCommandText) {
  CFlatButton& b = dlg.m_flat;
  EXPECT_EQ(b.SetToolbarImage(IDR_TESTBAR, ID_TB_MOVIE, TRUE), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(b.GetPictureSize(), CSize(16, 15));
  EXPECT_EQ(TipText(b), "Watch the Movie");
  // The separator takes no picture: the movie is the strip's second picture, a blue disc.
  qxtest::MemoryCanvas canvas(16, 15, RGB(255, 255, 255));
  ::DrawIconEx(canvas.dc, 0, 0, b.GetIcon(0), 16, 15, 0, NULL, DI_NORMAL);
  EXPECT_EQ(canvas.Pixel(8, 7), RGB(0x20, 0x40, 0xd0));
  EXPECT_EQ(canvas.Pixel(0, 0), RGB(255, 255, 255));  // the tool-bar grey is transparent

  EXPECT_EQ(b.SetToolbarImage(IDR_TESTBAR, ID_TB_GUIDE, TRUE), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(TipText(b), "Read the User's Guide");
  b.SetToolbarImage(IDR_TESTBAR, ID_TB_GUIDE, FALSE);
  EXPECT_EQ(TipText(b), "Read the User's Guide\nOpens the guide");
  HICON before = b.GetIcon(0);
  EXPECT_EQ(b.SetToolbarImage(IDR_TESTBAR, ID_TB_ABSENT, TRUE),
            (DWORD)CFlatButton::BTNST_INVALIDRESOURCE);
  EXPECT_EQ(b.SetToolbarImage(IDI_MISSING, ID_TB_GUIDE, TRUE),
            (DWORD)CFlatButton::BTNST_INVALIDRESOURCE);
  EXPECT_EQ(b.GetIcon(0), before);
  EXPECT_EQ(TipText(b), "Read the User's Guide\nOpens the guide");
}

// ---- drawing on memory DCs ---------------------------------------------------------------------

class ButtonDrawing : public ButtonsOffScreen {
 protected:
  // Draws the flat button into a 90 x 26 canvas in the given item state.
  COLORREF DrawAndRead(CButton& b, UINT state, int x, int y) {
    qxtest::MemoryCanvas canvas(90, 26, RGB(1, 2, 3));
    DRAWITEMSTRUCT dis = {};
    dis.CtlType = ODT_BUTTON;
    dis.hwndItem = b.m_hWnd;
    dis.hDC = canvas.dc;
    dis.rcItem = CRect(0, 0, 90, 26);
    dis.itemState = state;
    b.DrawItem(&dis);
    return canvas.Pixel(x, y);
  }
  const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
  const COLORREF light = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
};

TEST_F(ButtonDrawing, BordersOfEachLook) {
  CFlatButton& b = dlg.m_flat;
  EXPECT_EQ(DrawAndRead(b, 0, 0, 0), face);               // flat: no border until hovered
  EXPECT_EQ(DrawAndRead(b, ODS_SELECTED, 0, 0), shadow);  // pressed: sunken
  EXPECT_EQ(DrawAndRead(b, ODS_SELECTED, 89, 25), light);
  b.SetAlwaysShowBorder(TRUE);
  EXPECT_EQ(DrawAndRead(b, 0, 0, 0), light);
  EXPECT_EQ(DrawAndRead(b, 0, 89, 25), shadow);
  b.SetFlat(FALSE, FALSE);
  EXPECT_EQ(DrawAndRead(b, 0, 0, 0), light);
  EXPECT_EQ(DrawAndRead(b, 0, 89, 25), ::GetSysColor(COLOR_3DDKSHADOW));
  EXPECT_EQ(DrawAndRead(b, ODS_FOCUS, 0, 0), RGB(0, 0, 0));  // focus frame
  EXPECT_EQ(DrawAndRead(b, ODS_SELECTED, 0, 0), shadow);
  // The checked check box is drawn pressed.
  dlg.m_check.SetCheck(1);
  EXPECT_EQ(DrawAndRead(dlg.m_check, 0, 0, 0), shadow);
}

TEST_F(ButtonDrawing, FirstPictureWhilePressedSecondOtherwise) {
  CFlatButton& b = dlg.m_flat;
  ASSERT_EQ(b.SetIcon(IDI_DISC, IDI_FRAME), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(b.GetPictureSize(), CSize(16, 16));
  // Caption "Flat", picture at the left: x 3..18, y 5..20 (7..22 on the screen when pressed).
  EXPECT_EQ(DrawAndRead(b, 0, 3 + 7, 5 + 7), RGB(255, 255, 255));  // the frame's white middle
  EXPECT_EQ(DrawAndRead(b, ODS_SELECTED, 3 + 8, 5 + 8), RGB(0x20, 0xa0, 0x40));  // the disc
  // A grey copy as the second picture: the disc in grey 110.
  ASSERT_EQ(b.SetIcon(IDI_DISC, CFlatButton::GRAY_COPY), (DWORD)CFlatButton::BTNST_OK);
  EXPECT_EQ(DrawAndRead(b, 0, 3 + 7, 5 + 7), RGB(110, 110, 110));
  // A missing icon leaves no pictures at all.
  EXPECT_EQ(b.SetIcon(IDI_DISC, IDI_MISSING), (DWORD)CFlatButton::BTNST_INVALIDRESOURCE);
  EXPECT_EQ(b.GetPictureSize(), CSize(0, 0));
  EXPECT_EQ(b.GetIcon(0), (HICON)NULL);
}

TEST_F(ButtonDrawing, BitmapsShowTheBackgroundThroughTheirTransparentColour) {
  CFlatButton& b = dlg.m_flat;
  b.SetWindowText("");
  ASSERT_EQ(b.SetBitmaps(IDB_MAGENTA, RGB(255, 0, 255)), (DWORD)CFlatButton::BTNST_OK);
  // 40 x 24 centred in 90 x 26: x 25..64, y 1..24.
  EXPECT_EQ(DrawAndRead(b, 0, 25 + 20, 1 + 12), RGB(0x10, 0x40, 0xc0));
  EXPECT_EQ(DrawAndRead(b, 0, 25 + 1, 1 + 1), face);
  EXPECT_EQ(b.SetBitmaps(IDI_MISSING, 0), (DWORD)CFlatButton::BTNST_INVALIDRESOURCE);
  EXPECT_EQ(b.GetPictureSize(), CSize(0, 0));
}

TEST(ButtonPictures, MaskIsWhiteWhereTransparentAndTheBitmapBlackThere) {
  qxtest::MemoryCanvas picture(3, 1, RGB(255, 0, 255));
  ::SetPixel(picture.dc, 1, 0, RGB(10, 20, 30));
  HBITMAP bitmap = picture.Release();
  HBITMAP mask = buttons::MakeMask(bitmap, RGB(255, 0, 255));
  ASSERT_TRUE(mask != NULL);
  qxtest::MemoryCanvas readMask(mask), readBitmap(bitmap);
  EXPECT_EQ(readMask.Pixel(0, 0), RGB(255, 255, 255));
  EXPECT_EQ(readMask.Pixel(1, 0), RGB(0, 0, 0));
  EXPECT_EQ(readBitmap.Pixel(0, 0), RGB(0, 0, 0));
  EXPECT_EQ(readBitmap.Pixel(1, 0), RGB(10, 20, 30));
  EXPECT_TRUE(buttons::MakeMask(NULL, 0) == NULL);
}

TEST_F(ButtonDrawing, ToggleEdgeRaisedOrSunken) {
  COLORREF up = DrawAndRead(dlg.m_toggle, 0, 1, 1);
  dlg.m_toggle.m_bPressed = TRUE;
  COLORREF down = DrawAndRead(dlg.m_toggle, 0, 1, 1);
  EXPECT_GT(GetRValue(up), GetRValue(down));
  EXPECT_EQ(DrawAndRead(dlg.m_toggle, 0, 45, 2), face);  // the middle is filled
}

}  // namespace
