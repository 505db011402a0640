#include "fit_program_support.h"

#include <cmath>
#include <cstdlib>

#include "document/MainSideBar.h"
#include "framework/win/Dialog.h"
#include "view/DockForm.h"
#include "view/KelStrengthView.h"
#include "view/ResultsText.h"

namespace fittest {

namespace {
UINT KeyOf(char c) {
  if (c >= '0' && c <= '9') return static_cast<UINT>(c);
  if (c >= 'a' && c <= 'z') return static_cast<UINT>(c - 'a' + 'A');
  if (c == '.') return VK_OEM_PERIOD;
  if (c == '-') return VK_OEM_MINUS;
  if (c == ' ') return VK_SPACE;
  return 0;
}
}  // namespace

void TypeIntoCell(qxtest::CProgramHarness& program, CGridCtrl& grid, int row, int col,
                  const std::string& text) {
  grid.EnsureVisible(row, col);
  RECT cell;
  grid.GetCellRect(row, col, &cell);
  program.Click(grid.m_hWnd, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
  for (char c : text) {
    const UINT key = KeyOf(c);
    if (key != 0) program.PressKey(key);
  }
  program.PressKey(VK_RETURN);
}

void ClickSpin(qxtest::CProgramHarness& program, CDialog* dialog, int id, bool up, int times) {
  HWND spin = ::GetDlgItem(dialog->m_hWnd, id);
  RECT r;
  ::GetClientRect(spin, &r);
  const int x = (r.left + r.right) / 2;
  const int y = up ? r.top + (r.bottom - r.top) / 4 : r.bottom - (r.bottom - r.top) / 4;
  for (int i = 0; i < times; ++i) program.Click(spin, x, y);
}

double FieldValue(CDialog* dialog, int id) {
  char buffer[128] = "";
  ::GetDlgItemTextA(dialog->m_hWnd, id, buffer, sizeof buffer);
  return std::atof(buffer);
}

std::string ViewResults(qxtest::CProgramHarness& program) {
  std::string text;
  auto* view = dynamic_cast<CKelStrengthView*>(program.ActiveView());
  ResultsPanel panel;
  if (view == nullptr || !BuildResultLines(view->MakePlotDocument(), -1, &panel)) return text;
  for (const ResultLine& line : panel.lines) text += line.text + "\n";
  return text;
}

double SideBarValue(int id) {
  auto* form = dynamic_cast<CDockForm*>(AfxGetSideBar());
  if (form == nullptr || form->m_hWnd == nullptr) return NAN;
  char buffer[128] = "";
  ::GetDlgItemTextA(form->m_hWnd, id, buffer, sizeof buffer);
  return std::atof(buffer);
}

}  // namespace fittest
