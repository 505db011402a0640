// The grid and the real clipboard and drag and drop under a display: copying and pasting with
// the keys, between grids, text put there by another program, pastes too large for the grid
// or holding text that is no number, and drags within the grid (through the system's OLE drag
// and drop, driven by real mouse input, and through the drop handlers directly).
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "framework/win/FrameworkIds.h"
#include "tests/controls/grid_test_support.h"

using namespace gridtest;

namespace {

const char kChildSwitch[] = "--put-text-on-clipboard";
const char kChildText[] = "7\t8\r\n9\t10";
const char kChildDoneEvent[] = "QuarvexGridClipboardChildDone";

std::string ClipboardText() {
  std::string text;
  if (!::OpenClipboard(NULL)) return "<busy>";
  if (HANDLE h = ::GetClipboardData(CF_TEXT)) text = AfxGetGlobalText(h).GetString();
  ::CloseClipboard();
  return text;
}

void PutOnClipboard(const std::string& text) {
  COleDataSource source;
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  std::memcpy(::GlobalLock(h), text.c_str(), text.size() + 1);
  ::GlobalUnlock(h);
  source.CacheGlobalData(CF_TEXT, h);
  ASSERT_TRUE(source.SetClipboard());
}

class GridClipboard : public GridDialogTest {};

TEST_F(GridClipboard, CopyAndPasteWithTheKeysThroughTheRealClipboard) {
  CGridCtrl& grid = m_dlg.m_grid;
  FocusCell(1, 1);
  PressKey(VK_DOWN, true);
  PressKey('C', false, true);
  EXPECT_EQ(ClipboardText(), "1.1\t1.2\r\n2.1\t2.2");

  CGridCtrl& other = m_dlg.m_grid2;
  FocusCell(2, 1, &other);
  m_dlg.ClearNotes();
  PressKey('V', false, true);
  EXPECT_EQ(RowText(other, 2), "2|1.1|1.2");
  EXPECT_EQ(RowText(other, 3), "3|2.1|2.2");
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);
  EXPECT_TRUE(other.GetModified());
  EXPECT_EQ(other.GetSelectedCellRange(), GRIDRANGE(2, 1, 3, 2));  // what was written
  EXPECT_FALSE(grid.GetModified());
}

TEST_F(GridClipboard, EditCommandsWorkWithoutAFocusCell) {
  CGridCtrl& grid = m_dlg.m_grid;
  PutOnClipboard("5\t6");
  grid.ResetSelectedRange();
  grid.OnEditPaste();  // to the first data cell
  EXPECT_EQ(RowText(grid, 1), "1|5|6");
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);

  // The update handlers follow the state; the commands route through the grid's map.
  grid.ResetSelectedRange();
  EXPECT_TRUE(grid.DoCommand(ID_EDIT_SELECT_ALL));
  EXPECT_EQ(grid.GetSelectedCount(), 10);
  EXPECT_TRUE(grid.DoCommand(ID_EDIT_COPY));
  EXPECT_EQ(ClipboardText(), "5\t6\r\n2.1\t2.2\r\n3.1\t3.2\r\n4.1\t4.2\r\n5.1\t5.2");
  m_dlg.ClearNotes();
  grid.SelectCellRange(2, 1, 2, 2);
  EXPECT_TRUE(grid.DoCommand(ID_EDIT_CUT));
  EXPECT_EQ(RowText(grid, 2), "2||");
  EXPECT_EQ(ClipboardText(), "2.1\t2.2");
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);
  grid.ResetSelectedRange();
  m_dlg.ClearNotes();
  EXPECT_TRUE(grid.DoCommand(ID_EDIT_CUT));  // nothing selected: nothing cut, nothing told
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 0);
}

// The child's part: puts text on the clipboard as a spreadsheet does (a block larger than the
// text) and waits to be released. (Blocks without a NUL are read in-process elsewhere: between
// processes the system copies CF_TEXT as a string.)
int PutTextForParent() {
  HANDLE done = ::OpenEventA(SYNCHRONIZE, FALSE, kChildDoneEvent);
  if (!done) return 4;
  const size_t size = std::strlen(kChildText) + 16;
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
  std::memcpy(::GlobalLock(h), kChildText, std::strlen(kChildText));
  ::GlobalUnlock(h);
  // A clipboard owner must be a window; the parent looks at the clipboard meanwhile, so wait
  // for our turn.
  HWND owner = ::CreateWindowA("STATIC", "clipboard owner", WS_POPUP, 0, 0, 1, 1, NULL, NULL,
                               NULL, NULL);
  const DWORD start = ::GetTickCount();
  while (!::OpenClipboard(owner)) {
    if (::GetTickCount() - start > static_cast<DWORD>(kWaitCapMs)) return 2;
    ::Sleep(10);
  }
  ::EmptyClipboard();
  HANDLE set = ::SetClipboardData(CF_TEXT, h);
  ::CloseClipboard();
  if (!set) return 3;
  // Answer the system (the parent asks this window for the data) until released: at the
  // latest one cap after the text is there.
  const DWORD giveUpAt = ::GetTickCount() + 2 * kWaitCapMs;
  while (::MsgWaitForMultipleObjects(1, &done, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) {
    if (static_cast<int>(::GetTickCount() - giveUpAt) >= 0) return 5;
    MSG msg;
    while (::PeekMessageA(&msg, NULL, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  ::DestroyWindow(owner);
  return 0;
}

TEST_F(GridClipboard, TextPutThereByAnotherProgramIsPasted) {
  CGridCtrl& grid = m_dlg.m_grid;
  PutOnClipboard("nothing yet");
  HANDLE done = ::CreateEventA(NULL, TRUE, FALSE, kChildDoneEvent);
  char exe[MAX_PATH];
  ::GetModuleFileNameA(NULL, exe, MAX_PATH);
  std::string command = std::string("\"") + exe + "\" " + kChildSwitch;
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  ASSERT_TRUE(::CreateProcessA(NULL, &command[0], NULL, NULL, FALSE, 0, NULL, NULL, &si, &pi));
  // A new process under Wine may take seconds to start on a busy machine.
  const bool put = PumpUntil([] { return ClipboardText().rfind("7\t8", 0) == 0; });
  if (put) {
    FocusCell(2, 1);
    grid.OnEditPaste();
  }
  ::SetEvent(done);
  EXPECT_EQ(::WaitForSingleObject(pi.hProcess, kWaitCapMs), WAIT_OBJECT_0);
  DWORD code = 99;
  ::GetExitCodeProcess(pi.hProcess, &code);
  if (code == STILL_ACTIVE) ::TerminateProcess(pi.hProcess, 1);
  EXPECT_EQ(code, 0u);
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  ::CloseHandle(done);
  ASSERT_TRUE(put) << "the other program's text never reached the clipboard";
  EXPECT_EQ(RowText(grid, 2), "2|7|8");
  EXPECT_EQ(RowText(grid, 3), "3|9|10");
  EXPECT_TRUE(MessageBoxes::texts.empty());
}

TEST_F(GridClipboard, APasteTooLargeFillsWhatFitsAndSaysWhatWasLeftOut) {
  CGridCtrl& grid = m_dlg.m_grid;
  grid.SetMaxRowCount(6);
  EXPECT_FALSE(grid.SetRowCount(100));  // the owner allows five tests
  EXPECT_EQ(grid.GetRowCount(), 6);
  std::string eight;
  for (int i = 1; i <= 8; ++i) eight += std::to_string(i) + "\t" + std::to_string(10 * i) + "\r\n";
  PutOnClipboard(eight);
  grid.ResetSelectedRange();
  grid.OnEditPaste();
  Pump(30);
  EXPECT_EQ(RowText(grid, 1), "1|1|10");
  EXPECT_EQ(RowText(grid, 5), "5|5|50");
  ASSERT_EQ(MessageBoxes::texts.size(), 1u);
  EXPECT_EQ(MessageBoxes::texts[0], "3 pasted rows did not fit into the grid and were left out.");
  EXPECT_EQ(MessageBoxes::captions[0], "Input Error");
}

TEST_F(GridClipboard, PastedTextThatIsNoNumberIsPointedOut) {
  CGridCtrl& grid = m_dlg.m_grid;
  PutOnClipboard("1\tx12\r\n2\t3");
  FocusCell(1, 1);
  grid.OnEditPaste();
  Pump(30);
  EXPECT_EQ(RowText(grid, 1), "1|1|1.2");  // the refused cell kept its value
  EXPECT_EQ(RowText(grid, 2), "2|2|3");
  ASSERT_EQ(MessageBoxes::texts.size(), 1u);
  EXPECT_NE(MessageBoxes::texts[0].find("\"x12\""), std::string::npos);
  EXPECT_EQ(grid.GetFocusCell(), GRIDCELLID(1, 2));
  EXPECT_TRUE(Editor() != NULL);
}

// ---- drag and drop ----------------------------------------------------------------------------

TEST_F(GridClipboard, DropHandlersPasteAtTheCellUnderThePointer) {
  CGridCtrl& grid = m_dlg.m_grid;
  COleDataSource source;
  HGLOBAL h = ::GlobalAlloc(GMEM_MOVEABLE, 3);
  std::memcpy(::GlobalLock(h), "42", 3);
  ::GlobalUnlock(h);
  source.CacheGlobalData(CF_TEXT, h);
  COleDataObject data;
  data.Attach(source.GetDataObject());

  EXPECT_EQ(grid.OnDragEnter(&data, 0, CellCentre(grid, 2, 1)), (DROPEFFECT)DROPEFFECT_NONE);
  grid.EnableDragAndDrop(TRUE);
  EXPECT_EQ(grid.OnDragEnter(&data, 0, CellCentre(grid, 2, 1)), (DROPEFFECT)DROPEFFECT_MOVE);
  EXPECT_TRUE(grid.GetItemState(2, 1) & GRIDSTATE_DROPHILITED);
  EXPECT_EQ(grid.OnDragOver(&data, 0, CellCentre(grid, 0, 1)), (DROPEFFECT)DROPEFFECT_NONE);
  EXPECT_FALSE(grid.GetItemState(2, 1) & GRIDSTATE_DROPHILITED);  // headings take nothing
  grid.SetItemState(3, 2, GRIDSTATE_READONLY);
  EXPECT_EQ(grid.OnDragOver(&data, 0, CellCentre(grid, 3, 2)), (DROPEFFECT)DROPEFFECT_NONE);
  EXPECT_EQ(grid.OnDragOver(&data, MK_CONTROL, CellCentre(grid, 4, 1)),
            (DROPEFFECT)DROPEFFECT_COPY);
  EXPECT_TRUE(grid.GetItemState(4, 1) & GRIDSTATE_DROPHILITED);
  EXPECT_TRUE(grid.OnDrop(&data, DROPEFFECT_COPY, CellCentre(grid, 4, 1)));
  EXPECT_EQ(RowText(grid, 4), "4|42|4.2");
  EXPECT_FALSE(grid.GetItemState(4, 1) & GRIDSTATE_DROPHILITED);
  EXPECT_EQ(m_dlg.Count(GRIDN_CHANGED), 1);

  // The grid's drop target answers only for its own window.
  CGridDropTarget& target = grid.GetDropTarget();
  EXPECT_EQ(target.OnDragScroll(&grid, MK_CONTROL, CPoint(1, 1)), (DROPEFFECT)DROPEFFECT_COPY);
  EXPECT_EQ(target.OnDragOver(&m_dlg, &data, 0, CPoint(1, 1)), (DROPEFFECT)DROPEFFECT_NONE);
  EXPECT_FALSE(target.Register(&m_dlg));  // not a grid
}

TEST_F(GridClipboard, DraggingRowsWithinTheGridMovesThem) {
  CGridCtrl& grid = m_dlg.m_grid;
  grid.EnableDragAndDrop(TRUE);
  FocusCell(1, 1);
  grid.SelectCellRange(1, 1, 2, 2);  // rows 1-2 selected, the focus on row 1
  m_dlg.ClearNotes();
  CPoint from = CellCentre(grid, 2, 1), to = CellCentre(grid, 4, 1);
  grid.ClientToScreen(&from);
  grid.ClientToScreen(&to);
  // The system's drag loop runs on this thread; the hand that moves the mouse is another, and
  // it waits for the grid at each step (reading its state only). A step that never comes ends
  // the drag early: the button is let go all the same.
  const DWORD gridThread = ::GetCurrentThreadId();
  const DWORD giveUpAt = ::GetTickCount() + kWaitCapMs;
  std::atomic<int> stuckAt{0};
  std::atomic<bool> handDone{false};
  auto waitFor = [&](int step, auto condition) {
    while (!stuckAt && !condition()) {
      if (static_cast<int>(::GetTickCount() - giveUpAt) >= 0) stuckAt = step;
      ::Sleep(5);
    }
  };
  std::thread hand([&] {
    MoveMouseTo(from);
    waitFor(1, [&] {
      POINT p;
      ::GetCursorPos(&p);
      return p.x == from.x && p.y == from.y;
    });
    MouseButton(true);
    waitFor(2, [&] { return grid.GetMouseMode() == GRIDMOUSE_PREPARE_DRAG; });
    MoveMouseTo(CPoint(from.x + 4, from.y + 6));
    waitFor(3, [&] {  // the system's drag loop has taken the mouse from the grid
      GUITHREADINFO info = {sizeof info};
      return grid.GetMouseMode() == GRIDMOUSE_DRAGGING && ::GetGUIThreadInfo(gridThread, &info) &&
             info.hwndCapture && info.hwndCapture != grid.m_hWnd;
    });
    MoveMouseTo(to);
    MoveMouseTo(CPoint(to.x + 2, to.y + 1));
    waitFor(4, [&] { return (grid.GetItemState(4, 1) & GRIDSTATE_DROPHILITED) != 0; });
    MouseButton(false);
    handDone = true;
  });
  const bool ended = PumpUntil([&] { return handDone && grid.GetMouseMode() == GRIDMOUSE_NOTHING; },
                               2 * kWaitCapMs);
  hand.join();
  ASSERT_TRUE(ended) << "the drag never ended";
  ASSERT_EQ(stuckAt.load(), 0) << "the hand waited in vain at step " << stuckAt.load();
  Pump(50);
  EXPECT_EQ(RowText(grid, 4), "4|1.1|1.2");
  EXPECT_EQ(RowText(grid, 5), "5|2.1|2.2");
  EXPECT_EQ(RowText(grid, 1), "1||");  // moved, not copied
  EXPECT_EQ(RowText(grid, 2), "2||");
  EXPECT_EQ(m_dlg.Count(GRIDN_BEGINDRAG), 1);
  EXPECT_GE(m_dlg.Count(GRIDN_CHANGED), 2);  // the drop, then the source emptied
  EXPECT_TRUE(grid.GetModified());
  EXPECT_EQ(grid.GetMouseMode(), GRIDMOUSE_NOTHING);
}

}  // namespace

// The test program; started with kChildSwitch it is the other program of the clipboard test.
int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], kChildSwitch) == 0) return PutTextForParent();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
