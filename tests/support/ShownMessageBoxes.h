// Message boxes shown for real, for window tests that keep a picture of a message as the user
// sees it. While the object lives, each message box the program asks for is put on the screen,
// its text recorded, the box and the program window under it saved as
// <screenshots>/<picture>.bmp and <picture>_program.bmp, and the box then answered. It takes
// over the message-box seam from the harness for its lifetime (one object at a time).
//
//   qxtest::CShownMessageBoxes boxes;
//   boxes.Expect("program_workbook_disk_full");   // the first box's picture, answered with OK
//   program.RunCommand(ID_EXPORT_EXCEL);
//   EXPECT_EQ(boxes.Texts(), ...);
//   EXPECT_TRUE(boxes.FailedPictures().empty());
#pragma once

#include <windows.h>

#include <deque>
#include <set>
#include <string>
#include <vector>

namespace qxtest {

class CShownMessageBoxes {
 public:
  CShownMessageBoxes();
  ~CShownMessageBoxes();
  CShownMessageBoxes(const CShownMessageBoxes&) = delete;
  CShownMessageBoxes& operator=(const CShownMessageBoxes&) = delete;

  // The next box not yet expected is kept as <picture>.bmp (no picture for an empty name) and
  // answered with that button. Boxes beyond those expected are answered with OK, unpictured.
  void Expect(const std::string& picture, int answer = IDOK);
  // The texts of the boxes shown so far, in order.
  const std::vector<std::string>& Texts() const { return m_texts; }
  // The pictures that could not be saved.
  const std::vector<std::string>& FailedPictures() const { return m_failed; }

 private:
  struct Expected {
    std::string picture;
    int answer;
  };
  static int Show(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
  static void CALLBACK CaptureAndAnswer(HWND, UINT, UINT_PTR timer, DWORD);
  static BOOL CALLBACK CollectWindow(HWND window, LPARAM windows);

  void* m_previousSeam = nullptr;
  std::deque<Expected> m_expected;
  std::vector<std::string> m_texts;
  std::vector<std::string> m_failed;
  // The box being shown: what it is answered with, its picture, and the thread's windows
  // from before it, so it is told apart from dialogs already open.
  Expected m_current;
  std::set<HWND> m_before;
};

}  // namespace qxtest
