#include "tests/controls/grid_test_support.h"

#include <cstdio>

namespace gridtest {

std::vector<std::string> MessageBoxes::texts;
std::vector<std::string> MessageBoxes::captions;

int MessageBoxes::Record(HWND, LPCSTR text, LPCSTR caption, UINT) {
  texts.push_back(text ? text : "");
  captions.push_back(caption ? caption : "");
  return IDOK;
}

BOOL CGridDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  NMHDR* hdr = reinterpret_cast<NMHDR*>(lParam);
  CWnd* from = hdr ? CWnd::FromHandlePermanent(hdr->hwndFrom) : nullptr;
  if (from && from->IsKindOf(RUNTIME_CLASS(CGridCtrl))) {
    const GRIDNOTIFY* nm = reinterpret_cast<const GRIDNOTIFY*>(hdr);
    m_notes.push_back({hdr->hwndFrom, hdr->idFrom, static_cast<int>(hdr->code), nm->row, nm->col});
  }
  return CDialog::OnNotify(wParam, lParam, pResult);
}

LRESULT CGridDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NEXTDLGCTL && !lParam) m_nextDlgCtrl += wParam ? -1 : 1;
  return CDialog::WindowProc(message, wParam, lParam);
}

int CGridDlg::Count(int code) const {
  int n = 0;
  for (const Note& note : m_notes)
    if (note.code == code) ++n;
  return n;
}

void ResetGrid(CGridCtrl& grid, int rows) {
  grid.SetFocus();  // ends an open edit
  Pump(10);
  grid.DeleteAllItems();
  grid.SetFont(grid.GetParent()->GetFont());
  grid.SetModified(FALSE);
  grid.SetEditable(TRUE);
  grid.SetAlternateCellDrawing(FALSE);
  grid.SetWholeRowSelection(TRUE);
  grid.EnableDragAndDrop(FALSE);
  grid.SetMaxRowCount(CGridCtrl::kDefaultMaxRows);
  grid.EnableWindow(TRUE);
  FillGrid(grid, rows);
  grid.ExpandColumnsToFit();
  grid.SetScrollPos32(SB_VERT, 0);
  grid.SetScrollPos32(SB_HORZ, 0);
  grid.InvalidateGrid(TRUE);
}

void FillGrid(CGridCtrl& grid, int rows) {
  grid.SetRowCount(rows);
  grid.SetColumnCount(3);
  grid.SetFixedRowCount(1);
  grid.SetFixedColumnCount(1);
  const char* headings[] = {"#", "sig3", "sig1"};
  for (int c = 0; c < 3; ++c) grid.SetItemText(0, c, headings[c]);
  for (int r = 1; r < rows; ++r) {
    CString text;
    text.Format("%d", r);
    grid.SetItemText(r, 0, text);
    for (int c = 1; c < 3; ++c) {
      text.Format("%d.%d", r, c);
      grid.SetItemText(r, c, text);
    }
  }
}

void OpenDialog(CGridDlg& dlg, int rows) {
  if (!dlg.m_hWnd && !dlg.Create(IDD_GRID)) return;
  ResetGrid(dlg.m_grid, rows);
  ResetGrid(dlg.m_grid2, 4);
  dlg.m_nextDlgCtrl = 0;
  dlg.ShowWindow(SW_SHOW);
  dlg.SetForegroundWindow();
  dlg.UpdateWindow();
  dlg.m_grid.SetFocus();
  Pump(30);
  dlg.ClearNotes();
}

void Pump(int ms) {
  DWORD end = ::GetTickCount() + static_cast<DWORD>(ms);
  for (;;) {
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) {
      if (!CWnd::WalkPreTranslateTree(NULL, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
    AfxDeleteTempMaps();
    if (static_cast<int>(::GetTickCount() - end) >= 0) break;
    ::Sleep(5);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD capMs) {
  return qxtest::WaitUntil(done, [] { Pump(); }, capMs);
}

namespace {

void SendKey(WORD vk, bool up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.wScan = static_cast<WORD>(::MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  switch (vk) {  // the keys of the navigation block are extended keys
    case VK_LEFT: case VK_UP: case VK_RIGHT: case VK_DOWN: case VK_PRIOR: case VK_NEXT:
    case VK_END: case VK_HOME: case VK_INSERT: case VK_DELETE:
      in.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
      break;
    default:
      break;
  }
  ::SendInput(1, &in, sizeof in);
}

}  // namespace

void PressKey(WORD vk, bool shift, bool ctrl) {
  if (ctrl) SendKey(VK_CONTROL, false);
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(vk, false);
  SendKey(vk, true);
  if (shift) SendKey(VK_SHIFT, true);
  if (ctrl) SendKey(VK_CONTROL, true);
  Pump(30);
}

void TypeText(const char* text) {
  for (const char* p = text; *p; ++p) {
    SHORT scan = ::VkKeyScanA(*p);
    PressKey(LOBYTE(scan), (HIBYTE(scan) & 1) != 0);
  }
}

void MoveMouseTo(POINT screen) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = screen.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1);
  in.mi.dy = screen.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1);
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  ::SendInput(1, &in, sizeof in);
}

void MouseButton(bool down) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  ::SendInput(1, &in, sizeof in);
}

CPoint CellCentre(CGridCtrl& grid, int row, int col) {
  CRect r;
  grid.GetCellRect(row, col, &r);
  return r.CenterPoint();
}

void Click(CGridCtrl& grid, CPoint p, UINT extraFlags) {
  grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON | extraFlags, MAKELPARAM(p.x, p.y));
  grid.SendMessage(WM_LBUTTONUP, extraFlags, MAKELPARAM(p.x, p.y));
}

CGridDlg& SharedDialog() {
  static CGridDlg* dlg = new CGridDlg;  // never destroyed: see OpenDialog
  return *dlg;
}

void GridDialogTest::SetUp() {
  MessageBoxes::texts.clear();
  MessageBoxes::captions.clear();
  OpenDialog(m_dlg);
  ASSERT_TRUE(m_dlg.m_hWnd != NULL);
  ASSERT_EQ(::GetForegroundWindow(), m_dlg.m_hWnd);
}

void GridDialogTest::TearDown() {
  ::ClipCursor(NULL);
  if (::GetCapture()) ::ReleaseCapture();
  Pump(10);
}

HWND GridDialogTest::Editor(CGridCtrl* grid) {
  return ::GetDlgItem((grid ? grid : &m_dlg.m_grid)->m_hWnd, CGridCtrl::kInPlaceEditId);
}

std::string GridDialogTest::EditorText() {
  char buffer[256] = "";
  ::GetWindowTextA(Editor(), buffer, sizeof buffer);
  return buffer;
}

DWORD GridDialogTest::EditorSelection() {
  return static_cast<DWORD>(::SendMessageA(Editor(), EM_GETSEL, 0, 0));
}

void GridDialogTest::FocusCell(int row, int col, CGridCtrl* grid) {
  CGridCtrl& g = grid ? *grid : m_dlg.m_grid;
  if (g.GetFocusCell() != GRIDCELLID(row, col)) Click(g, CellCentre(g, row, col));
  g.SetFocus();
  Pump(10);
}

}  // namespace gridtest
