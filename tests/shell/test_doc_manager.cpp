// The document manager's file dialog without a window: filters, default extension, the
// one-shot initial folder, long proposed names and dialog errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <cstring>

#include "framework/win/DocTemplate.h"
#include "framework/win/TestSeams.h"
#include "shell/DocManagerEx.h"

namespace {

class CTestTemplate : public CMultiDocTemplate {
 public:
  CTestTemplate() : CMultiDocTemplate(1, nullptr, nullptr, nullptr) {
    m_strDocStrings = "\nQuarvex\nQuarvex\nQuarvex Files (*.kel)\n.kel\nQuarvex.Document\nQuarvex";
  }
};

struct Seen {
  std::vector<std::string> filters;
  DWORD index = 0, maxFile = 0, structSize = 0;
  std::string defExt, initialDir, file;
};
Seen g_seen;
BOOL g_ok = TRUE;
std::string g_choice;
int g_boxes = 0;

std::vector<std::string> SplitFilter(const char* f) {
  std::vector<std::string> out;
  for (; f && *f; f += std::strlen(f) + 1) out.push_back(f);
  return out;
}

BOOL FakeFileDialog(OPENFILENAMEA* ofn, BOOL) {
  g_seen = Seen();
  g_seen.filters = SplitFilter(ofn->lpstrFilter);
  g_seen.index = ofn->nFilterIndex;
  g_seen.maxFile = ofn->nMaxFile;
  g_seen.structSize = ofn->lStructSize;
  g_seen.defExt = ofn->lpstrDefExt ? ofn->lpstrDefExt : "";
  g_seen.initialDir = ofn->lpstrInitialDir ? ofn->lpstrInitialDir : "";
  g_seen.file = ofn->lpstrFile;
  if (g_ok) lstrcpynA(ofn->lpstrFile, g_choice.c_str(), static_cast<int>(ofn->nMaxFile));
  return g_ok;
}

// The real dialog refusing a bad record: fails at once with an extended error.
BOOL FailingFileDialog(OPENFILENAMEA* ofn, BOOL) {
  OPENFILENAMEA bad = *ofn;
  bad.lStructSize = 0;
  return ::GetOpenFileNameA(&bad);
}

int CountBox(HWND, LPCSTR, LPCSTR, UINT) {
  ++g_boxes;
  return IDOK;
}

}  // namespace

TEST(DocManagerEx, OpenAndSaveAsListTheirFiltersAndStartFolders) {
  CSeamOverride<AfxFileDialogSeam> seam(&AfxSetFileDialogSeam, &FakeFileDialog);
  CDocManagerEx manager;
  CTestTemplate* t = new CTestTemplate;
  manager.AddDocTemplate(t);
  manager.AddFilter("Lorvane Files (*.qzt)", "*.qzt");

  g_ok = TRUE;
  g_choice = "C:\\Data\\chosen.kel";
  CString name;
  ASSERT_TRUE(manager.DoPromptFileName(name, 0xF001, OFN_FILEMUSTEXIST, TRUE, nullptr));
  EXPECT_EQ(name, CString("C:\\Data\\chosen.kel"));
  EXPECT_EQ(g_seen.filters,
            (std::vector<std::string>{"Quarvex Files (*.kel)", "*.kel", "Lorvane Files (*.qzt)",
                                      "*.qzt", "All Files (*.*)", "*.*"}));
  EXPECT_EQ(g_seen.index, 1u);
  EXPECT_EQ(g_seen.defExt, "kel");
  EXPECT_EQ(g_seen.structSize, sizeof(OPENFILENAMEA));

  CString save = "Untitled";
  ASSERT_TRUE(manager.DoPromptFileName(save, 0xF002, 0, FALSE, t));
  EXPECT_EQ(g_seen.filters,
            (std::vector<std::string>{"Quarvex Files (*.kel)", "*.kel", "All Files (*.*)", "*.*"}));
  EXPECT_EQ(g_seen.file, "Untitled");

  // A folder command's folder serves the next dialog only.
  manager.m_strInitialFolder = "C:\\Examples\\";
  manager.DoPromptFileName(name, 0xF001, 0, TRUE, nullptr);
  EXPECT_EQ(g_seen.initialDir, "C:\\Examples\\");
  manager.DoPromptFileName(name, 0xF002, 0, FALSE, t);
  EXPECT_EQ(g_seen.initialDir, "");

  // Cancel leaves the name alone.
  g_ok = FALSE;
  CString kept = "kept";
  EXPECT_FALSE(manager.DoPromptFileName(kept, 0xF001, 0, TRUE, nullptr));
  EXPECT_EQ(kept, CString("kept"));
}

TEST(DocManagerEx, LongNamesFitAndDialogErrorsAreReported) {
  CSeamOverride<AfxFileDialogSeam> seam(&AfxSetFileDialogSeam, &FakeFileDialog);
  CSeamOverride<AfxMessageBoxSeam> box(&AfxSetMessageBoxSeam, &CountBox);
  CDocManagerEx manager;
  manager.AddDocTemplate(new CTestTemplate);
  std::string longName = "C:\\" + std::string(40000, 'n') + ".kel";
  CString name = longName.c_str();
  g_ok = FALSE;
  manager.DoPromptFileName(name, 0xF002, 0, FALSE, nullptr);
  EXPECT_GT(g_seen.maxFile, longName.size());
  EXPECT_EQ(g_seen.file, longName);

  CSeamOverride<AfxFileDialogSeam> failing(&AfxSetFileDialogSeam, &FailingFileDialog);
  g_boxes = 0;
  CFileDialogEx dlg(TRUE);
  EXPECT_EQ(dlg.DoModal(), -1);
  EXPECT_NE(dlg.GetLastDialogError(), 0u);
  EXPECT_EQ(g_boxes, 1);  // the error is shown, not taken for Cancel
  EXPECT_FALSE(manager.DoPromptFileName(name, 0xF001, 0, TRUE, nullptr));
  EXPECT_EQ(g_boxes, 2);
}
