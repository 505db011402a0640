#include <gtest/gtest.h>

#include "tests/picktables/pick_dialog_support.h"
#include "tests/support/Screenshot.h"

namespace picktest {

std::vector<std::string> g_boxes;

namespace {
std::function<void(CDialog*)> g_script;
void RunScript(CDialog* dlg) {
  if (g_script) g_script(dlg);
}
int RecordBox(HWND, LPCSTR text, LPCSTR, UINT) {
  g_boxes.push_back(text ? text : "");
  return IDOK;
}
}  // namespace

void PickDialogTest::SetUp() {
  g_boxes.clear();
  m_oldModal = AfxSetModalDialogSeam(RunScript);
  m_oldBox = AfxSetMessageBoxSeam(RecordBox);
}

void PickDialogTest::TearDown() {
  g_script = nullptr;
  AfxSetModalDialogSeam(m_oldModal);
  AfxSetMessageBoxSeam(m_oldBox);
  AfxDeleteTempMaps();
}

INT_PTR PickDialogTest::RunModal(CDialog& dlg, std::function<void(CDialog*)> script) {
  g_script = std::move(script);
  INT_PTR result = dlg.DoModal();
  g_script = nullptr;
  return result;
}

void Pump(CWnd* dialog, int ms) {
  const DWORD end = ::GetTickCount() + ms;
  MSG msg;
  do {
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (!CWnd::WalkPreTranslateTree(dialog->m_hWnd, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    ::Sleep(5);
  } while (static_cast<int>(end - ::GetTickCount()) > 0);
}

bool PumpUntil(CWnd* dialog, const std::function<bool()>& done, DWORD capMs) {
  return qxtest::WaitUntil(done, [dialog] { Pump(dialog, 0); }, capMs);
}

void Shot(CWnd* dialog, const std::string& name) {
  dialog->ShowWindow(SW_SHOW);
  dialog->SetForegroundWindow();
  dialog->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(dialog, 150);
  EXPECT_TRUE(qxtest::SaveWindowScreenshot(dialog->m_hWnd,
                                           qxtest::ScreenshotFolder() + name + ".bmp"))
      << name;
}

void PressKey(CWnd* dialog, HWND target, UINT vk) {
  ::PostMessageA(target, WM_KEYDOWN, vk, 1);
  ::PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
  Pump(dialog, 30);
}

void Click(CWnd* dialog, HWND target, int x, int y, bool doubleClick) {
  const LPARAM at = MAKELPARAM(x, y);
  ::PostMessageA(target, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(target, WM_LBUTTONUP, 0, at);
  if (doubleClick) {
    ::PostMessageA(target, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::PostMessageA(target, WM_LBUTTONUP, 0, at);
  }
  Pump(dialog, 30);
}

void Type(CWnd* dialog, int id, const char* text) {
  HWND edit = ::GetDlgItem(dialog->m_hWnd, id);
  ::SendMessageA(edit, EM_SETSEL, 0, -1);
  ::SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
}

std::string Text(CWnd* dialog, int id) {
  CString text;
  dialog->GetDlgItemText(id, text);
  return text.GetString();
}

void SelectItem(CListCtrl& list, int item) {
  list.SetItemState(item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

std::string ColumnTitle(CListCtrl& list, int column) {
  char buffer[128] = "";
  LVCOLUMNA c = {};
  c.mask = LVCF_TEXT;
  c.pszText = buffer;
  c.cchTextMax = sizeof(buffer);
  list.SendMessage(LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
  return buffer;
}

}  // namespace picktest
