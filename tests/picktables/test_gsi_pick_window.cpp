// The GSI chart dialog on real windows: the pictures at their pixel size, clicks and double
// clicks, the typed value, the sheet change with the dialog's new size, keyboard and tooltips.
#include <gtest/gtest.h>

#include "controls/ResourcePicture.h"
#include "picktables/PickGsiDlg.h"
#include "res/PickTableResources.h"
#include "tests/picktables/gsi_sheet_picture.h"
#include "tests/picktables/pick_dialog_support.h"

using namespace picktest;

namespace {

class GsiPickTest : public PickDialogTest {};

CGsiChartWnd& Chart(CDialog* d) { return static_cast<CPickGsiDlg*>(d)->GetChart(); }
std::string ChartText(CDialog* d, int id) {
  CString text;
  Chart(d).GetDlgItemText(id, text);
  return text.GetString();
}
CRect ControlRect(CDialog* d, int id) {
  CRect r;
  Chart(d).GetDlgItem(id)->GetWindowRect(&r);
  Chart(d).ScreenToClient(&r);
  return r;
}
void ExpectPlaced(CDialog* d, const CGsiChartSheet& s) {
  const int ids[GSI_CONTROL_COUNT] = {CGsiChartWnd::IDC_SHEET_COMBO, CGsiChartWnd::IDC_VALUE_EDIT,
                                      IDOK, CGsiChartWnd::IDC_SHEET_LABEL,
                                      CGsiChartWnd::IDC_VALUE_LABEL};
  for (int i = 0; i < GSI_CONTROL_COUNT; ++i) {
    if (i == GSI_CONTROL_SHEET_COMBO) {  // a closed combo keeps its own height
      EXPECT_EQ(ControlRect(d, ids[i]).TopLeft(), CPoint(s.controls[i].left, s.controls[i].top));
      continue;
    }
    EXPECT_EQ(ControlRect(d, ids[i]),
              CRect(s.controls[i].left, s.controls[i].top, s.controls[i].right,
                    s.controls[i].bottom))
        << s.name << " control " << i;
  }
}

TEST_F(GsiPickTest, PicturesLoadAtTheirPixelSize) {
  CResourcePicture general, flysch;
  ASSERT_TRUE(general.Load(IDR_GSI_GENERAL));
  ASSERT_TRUE(flysch.Load(IDR_GSI_FLYSCH));
  EXPECT_EQ(general.GetImageSize(), CSize(542, 530));
  EXPECT_EQ(flysch.GetImageSize(), CSize(756, 437));
}

TEST_F(GsiPickTest, OpensOnTheGeneralSheetAtThePictureSize) {
  CPickGsiDlg dlg;
  dlg.SetGsi(62);
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CGsiChartWnd& chart = Chart(d);
                       EXPECT_EQ(chart.GetDlgCtrlID(), IDC_GSI_PLACER);
                       EXPECT_EQ(d->GetDlgItem(IDC_GSI_PLACER)->m_hWnd, chart.m_hWnd);
                       EXPECT_TRUE(::GetClassLongA(chart.m_hWnd, GCL_STYLE) & CS_DBLCLKS);
                       CRect client;
                       d->GetClientRect(&client);
                       EXPECT_EQ(client.Size(), CSize(542, 530));
                       chart.GetClientRect(&client);
                       EXPECT_EQ(client.Size(), CSize(542, 530));
                       EXPECT_EQ(ChartText(d, CGsiChartWnd::IDC_VALUE_EDIT), "62");
                       EXPECT_EQ(chart.GetSheet(), GSI_SHEET_GENERAL);
                       ExpectPlaced(d, GsiChartSheet(GSI_SHEET_GENERAL));
                       // Centred on the work area (no owner here), inside it.
                       RECT work;
                       ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
                       CRect window;
                       d->GetWindowRect(&window);
                       EXPECT_LE(std::abs((window.left + window.right) - (work.left + work.right)), 1);
                       EXPECT_GE(window.top, work.top);
                       Shot(d, "pick-gsi-general");
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
  EXPECT_EQ(dlg.GetGsi(), 62);
}

TEST_F(GsiPickTest, ClickMarksTheValueAndDoubleClickAccepts) {
  CPickGsiDlg dlg;
  dlg.SetGsi(40);
  const CPoint point(330, 250);
  const int expected = GsiChartSheet(GSI_SHEET_GENERAL).HitTest(point.x, point.y);
  ASSERT_GT(expected, 0);
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CGsiChartWnd& chart = Chart(d);
                       d->ShowWindow(SW_SHOW);
                       Click(d, chart.m_hWnd, point.x, point.y);
                       EXPECT_EQ(chart.GetValue(), expected);
                       EXPECT_EQ(chart.GetMarker(), point);
                       EXPECT_EQ(ChartText(d, CGsiChartWnd::IDC_VALUE_EDIT),
                                 std::to_string(expected));
                       // The marker: a dark red box centred on the point, over the picture.
                       const auto drawn = DrawnSheet(chart, RGB(0, 255, 0));
                       EXPECT_EQ(drawn->Pixel(point.x - 8, point.y), RGB(160, 0, 0));
                       EXPECT_EQ(drawn->Pixel(point.x + 8, point.y + 5), RGB(160, 0, 0));
                       EXPECT_EQ(drawn->Pixel(2, 520), RGB(255, 255, 255));  // picture
                       // The picture's contours lie where the hit test finds them: the pixel a
                       // contour's value comes from is drawn, its neighbours above are not.
                       const CGsiChartSheet& sheet = GsiChartSheet(GSI_SHEET_GENERAL);
                       const int checks[][2] = {{5, 300}, {12, 480}, {15, 520}};  // contour, x
                       for (const auto& check : checks) {
                         const int i = check[0], x = check[1];
                         double yc = 0;
                         ASSERT_TRUE(sheet.ContourY(i, x, &yc));
                         const int y = static_cast<int>(yc);
                         ASSERT_EQ(sheet.HitTest(x, y), sheet.ContourValue(i));
                         EXPECT_LT(GetRValue(drawn->Pixel(x, y)), 160) << "contour " << i;
                         EXPECT_GT(GetRValue(drawn->Pixel(x, y - 4)), 200) << "contour " << i;
                       }
                       Shot(d, "pick-gsi-marker");
                       // A click where the chart gives nothing leaves everything as it was.
                       Click(d, chart.m_hWnd, 300, 500);  // excluded
                       Click(d, chart.m_hWnd, 100, 300);  // left of the plot
                       EXPECT_EQ(chart.GetValue(), expected);
                       EXPECT_EQ(chart.GetMarker(), point);
                       // A double click there does not close the dialog ...
                       Click(d, chart.m_hWnd, 300, 500, true);
                       EXPECT_TRUE(d->IsWindowVisible());
                       // ... one on the plot accepts its value.
                       Click(d, chart.m_hWnd, point.x, point.y, true);
                     }),
            IDOK);
  EXPECT_EQ(dlg.GetGsi(), expected);
  EXPECT_TRUE(g_boxes.empty());
}

TEST_F(GsiPickTest, EnterAcceptsTheTypedValueAndRefusesOthers) {
  CPickGsiDlg dlg;
  dlg.SetGsi(30);
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CGsiChartWnd& chart = Chart(d);
                       d->ShowWindow(SW_SHOW);
                       d->SetForegroundWindow();
                       Click(d, chart.m_hWnd, 330, 250);  // a click, then typing wins
                       CWnd* edit = chart.GetDlgItem(CGsiChartWnd::IDC_VALUE_EDIT);
                       edit->SetFocus();
                       for (const char* bad : {"0", "101", "abc", "99999999999"}) {
                         edit->SetWindowText(bad);
                         PressKey(d, edit->m_hWnd, VK_RETURN);
                       }
                       ASSERT_EQ(g_boxes.size(), 4u);
                       EXPECT_EQ(g_boxes[0], "Please pick a GSI value from 1 to 100");
                       EXPECT_TRUE(d->IsWindowVisible());
                       edit->SetWindowText("55.7");
                       PressKey(d, edit->m_hWnd, VK_RETURN);
                     }),
            IDOK);
  EXPECT_EQ(dlg.GetGsi(), 55);
}

TEST_F(GsiPickTest, TabMovesAmongTheChartsControls) {
  CPickGsiDlg dlg;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CGsiChartWnd& chart = Chart(d);
                       d->ShowWindow(SW_SHOW);
                       d->SetForegroundWindow();
                       Pump(d, 50);
                       HWND combo = chart.GetDlgItem(CGsiChartWnd::IDC_SHEET_COMBO)->m_hWnd;
                       HWND edit = chart.GetDlgItem(CGsiChartWnd::IDC_VALUE_EDIT)->m_hWnd;
                       HWND ok = chart.GetDlgItem(IDOK)->m_hWnd;
                       ::SetFocus(combo);
                       PressKey(d, combo, VK_TAB);
                       EXPECT_EQ(::GetFocus(), edit);
                       PressKey(d, edit, VK_TAB);
                       EXPECT_EQ(::GetFocus(), ok);
                       PressKey(d, ok, VK_TAB);
                       EXPECT_EQ(::GetFocus(), combo);
                       d->PostMessage(WM_COMMAND, IDCANCEL);
                     }),
            IDCANCEL);
}

TEST_F(GsiPickTest, SheetChangeResizesTheDialogAndKeepsTheValue) {
  CPickGsiDlg dlg;
  dlg.SetGsi(20);
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CGsiChartWnd& chart = Chart(d);
                       d->ShowWindow(SW_SHOW);
                       Click(d, chart.m_hWnd, 330, 250);
                       const int value = chart.GetValue();
                       CComboBox* combo = static_cast<CComboBox*>(
                           chart.GetDlgItem(CGsiChartWnd::IDC_SHEET_COMBO));
                       ASSERT_EQ(combo->GetCount(), 2);
                       combo->SetCurSel(GSI_SHEET_FLYSCH);
                       chart.SendMessage(WM_COMMAND,
                                         MAKEWPARAM(CGsiChartWnd::IDC_SHEET_COMBO, CBN_SELCHANGE),
                                         (LPARAM)combo->m_hWnd);
                       EXPECT_EQ(chart.GetSheet(), GSI_SHEET_FLYSCH);
                       EXPECT_EQ(chart.GetMarker(), CPoint(-1, -1));
                       EXPECT_EQ(chart.GetValue(), value);
                       EXPECT_EQ(ChartText(d, CGsiChartWnd::IDC_VALUE_EDIT), std::to_string(value));
                       ExpectPlaced(d, GsiChartSheet(GSI_SHEET_FLYSCH));
                       CRect client;
                       d->GetClientRect(&client);
                       EXPECT_EQ(client.Size(), CSize(756, 437));
                       // Flysch values: 75 at the plot's top-left corner.
                       EXPECT_EQ(chart.HitTest(CPoint(477, 64)), 75);
                       Shot(d, "pick-gsi-flysch");
                       PressKey(d, chart.GetDlgItem(CGsiChartWnd::IDC_VALUE_EDIT)->m_hWnd,
                                VK_RETURN);
                     }),
            IDOK);
}

TEST_F(GsiPickTest, TooltipsFollowTheMouse) {
  CPickGsiDlg dlg;
  EXPECT_EQ(RunModal(dlg,
                     [&](CDialog* d) {
                       CGsiChartWnd& chart = Chart(d);
                       CString text;
                       chart.GetTipText(text, CPoint(450, 40));
                       EXPECT_EQ(std::string(text),
                                 "Slickensided, highly weathered surfaces with compact\n"
                                 "coatings or fillings or angular fragments");
                       auto toolText = [&]() {
                         char buffer[256] = "";
                         TOOLINFOA ti = {};
                         ti.lpszText = buffer;
                         chart.GetToolTip().GetToolInfo(ti, &chart);
                         return std::string(buffer);
                       };
                       chart.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(273, 87));
                       EXPECT_EQ(toolText(), "100");
                       chart.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(300, 40));
                       EXPECT_EQ(toolText(), "Very rough, fresh unweathered surfaces");
                       d->EndDialog(IDCANCEL);
                     }),
            IDCANCEL);
}

}  // namespace
