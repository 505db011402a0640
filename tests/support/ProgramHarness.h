// Whole-program window tests: the real application object (CKelStrengthApp) started in the test
// program, with its registry redirected to a scratch key and every modal dialog, message box
// and file dialog answered by the test.
//
// A test looks like this:
//
//   qxtest::CProgramHarness program("open_and_save");   // scratch registry, temp folder
//   program.Registry().SetInt(kSettingsKey, "Units Type", 4);  // seed before the start
//   ASSERT_TRUE(program.Start());                        // InitInstance, as quarvex.exe does
//   program.AnswerFileDialog(program.TempPath("a.kel"));
//   program.RunCommand(ID_FILE_SAVE_AS);                 // WM_COMMAND through the main frame
//   program.OnDialog(IDD_PROJECT_SETTINGS, [&](CDialog* d) {
//     program.Capture(d, "project_settings");            // screenshot into build/screenshots
//     qxtest::ClickButton(d, IDOK);
//   });
//   program.RunCommand(ID_ANALYSIS_PROJECT_SETTINGS);
//   EXPECT_EQ(program.ActiveDocument()->m_nCriterion, 1);
//   program.Screenshot("main_frame");
//   EXPECT_EQ(program.Exit(), 0);                         // WM_CLOSE, message loop, ExitInstance
//
// Dialogs: handlers are matched by template id in the order they were queued; a dialog that no
// handler expects is cancelled (and recorded in UnexpectedDialogs()), so a test never waits for
// a person. Message boxes: the texts are recorded; the answer is the queued one, else the
// default answer (IDOK, or IDNO for Yes/No boxes, IDCANCEL for Yes/No/Cancel). File dialogs:
// queued paths, a cancel when none is queued.
//
// Registry: HKEY_CURRENT_USER and HKEY_CLASSES_ROOT of the process are redirected
// (RegOverridePredefKey) to HKCU\Software\Quarvex Tests\<name>-<pid> and its "Classes" sub-key
// until the harness goes; the shell registration writes there too. The scratch key starts with
// the quiet start: welcome screen off, automatic update checks off (already asked), splash
// time 50 ms. Tests running in parallel each have their own scratch key and temporary folder.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/WaitUntil.h"

class CDialog;
class CKelStrengthApp;
class CKelStrengthDoc;
class CMainFrame;
class CView;

namespace qxtest {

// The registry of this process redirected to a scratch key for the object's lifetime.
class CScratchRegistry {
 public:
  explicit CScratchRegistry(const std::string& name);
  ~CScratchRegistry();
  CScratchRegistry(const CScratchRegistry&) = delete;
  CScratchRegistry& operator=(const CScratchRegistry&) = delete;

  // The key standing in for HKEY_CLASSES_ROOT.
  HKEY ClassesRoot() const { return m_classes; }
  // Values under the redirected HKEY_CURRENT_USER. Numbers are stored as the program stores
  // them (4-byte REG_BINARY); strings as REG_SZ.
  void SetInt(const std::string& key, const std::string& name, int value);
  void SetString(const std::string& key, const std::string& name, const std::string& value);
  void SetRaw(const std::string& key, const std::string& name, DWORD type, const void* data,
              DWORD size);
  bool GetInt(const std::string& key, const std::string& name, int* value) const;
  bool GetString(const std::string& key, const std::string& name, std::string* value) const;
  bool ValueExists(const std::string& key, const std::string& name) const;
  void DeleteValue(const std::string& key, const std::string& name);
  // Seeds what keeps a start quiet: welcome screen off, update checks off and asked.
  void SeedQuietStart();

 private:
  std::string m_path;
  HKEY m_user = nullptr;
  HKEY m_classes = nullptr;
};

// Presses a dialog's button as a click would (BN_CLICKED to the dialog).
void ClickButton(CDialog* dialog, int id);
// Sets a dialog control's text (as typing would, with EN_CHANGE).
void SetControlText(CDialog* dialog, int id, const std::string& text);
std::string GetControlText(CDialog* dialog, int id);
// Selects a combo box item as the user would (CBN_SELCHANGE to the dialog).
void SelectComboItem(CDialog* dialog, int id, int index);
bool IsControlEnabled(CDialog* dialog, int id);
bool IsButtonChecked(CDialog* dialog, int id);

class CProgramHarness {
 public:
  explicit CProgramHarness(const std::string& testName);
  ~CProgramHarness();  // exits a running program, then the registry and temp folder go
  CProgramHarness(const CProgramHarness&) = delete;
  CProgramHarness& operator=(const CProgramHarness&) = delete;

  CScratchRegistry& Registry() { return *m_registry; }
  // How long the splash of the next Start stays (ms; kSplashTime unless set).
  void SetSplashTime(UINT ms) { m_splashTime = ms; }
  // How long the application object itself would show it, as the last Start found it (ms).
  UINT ProgramSplashTime() const { return m_programSplashTime; }
  // The main frame the next Start creates (a frame that fails, in a test of that case).
  void SetFrameFactory(std::function<CMainFrame*()> factory) { m_frameFactory = factory; }
  // Builds the application object and runs its start-up with this command line. FALSE when
  // InitInstance failed.
  bool Start(const std::string& commandLine = "");
  bool IsRunning() const;

  CKelStrengthApp* App() const { return m_app; }
  CMainFrame* Frame() const;
  HWND FrameWindow() const;
  CKelStrengthDoc* ActiveDocument() const;
  CView* ActiveView() const;
  int DocumentCount() const;

  // Handles what is queued (and idle work) a few times over.
  void Pump(int rounds = 3);
  // Handles messages until done() holds; FALSE when it never held within capMs (or the
  // program ended first).
  bool PumpUntil(const std::function<bool()>& done, DWORD capMs = kWaitCapMs);
  // A command through the main frame, as a menu click sends it. FALSE when the command is
  // disabled (nothing ran then).
  bool RunCommand(UINT id);
  bool IsCommandEnabled(UINT id);
  // Whether the command's menu item or button would show a check mark.
  bool IsCommandChecked(UINT id);
  // A key press to the focus window through the program's message loop, so the accelerators
  // and PreTranslateMessage see it as they see a typed key.
  void PressKey(UINT vk, bool ctrl = false, bool shift = false);
  // A left (or right) click at a client point of window, through the message loop.
  void Click(HWND window, int x, int y, bool right = false);

  // Dialogs, message boxes and file dialogs (see the header comment).
  void OnDialog(UINT templateId, std::function<void(CDialog*)> handler);
  void AnswerMessageBox(int answer);
  void AnswerFileDialog(const std::string& path);
  const std::vector<std::string>& MessageBoxTexts() const { return m_messageBoxes; }
  const std::vector<UINT>& UnexpectedDialogs() const { return m_unexpected; }
  // The initial folder and file name the last file dialog was given.
  const std::string& LastFileDialogFolder() const { return m_lastFolder; }
  const std::string& LastFileDialogName() const { return m_lastFileName; }
  int FileDialogCount() const { return m_fileDialogs; }

  CKelStrengthDoc* OpenFile(const std::string& path);
  // A folder of this test's own (Windows path with a trailing backslash), removed afterwards.
  const std::string& TempFolder() const { return m_tempFolder; }
  std::string TempPath(const std::string& name) const { return m_tempFolder + name; }

  // The main window into <screenshots>/<name>.bmp; FALSE when it could not be taken.
  bool Screenshot(const std::string& name);
  // A dialog (shown and painted first) into <screenshots>/<name>.bmp.
  bool Capture(CDialog* dialog, const std::string& name);
  // Closes the main window as the user would and runs the loop to its end: the program's exit
  // code, or -1 when the program did not end (a close refused by a save prompt).
  int Exit(int timeoutMs = kWaitCapMs);

  // The splash time the harness gives the program (ms).
  static const UINT kSplashTime = 50;

 private:
  static void ModalHook(CDialog* dialog);
  static int MessageBoxHook(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
  static BOOL FileDialogHook(OPENFILENAMEA* ofn, BOOL open);
  void DestroyApp();

  std::string m_name;
  CScratchRegistry* m_registry;
  std::function<CMainFrame*()> m_frameFactory;
  UINT m_splashTime = kSplashTime;
  UINT m_programSplashTime = 0;
  CKelStrengthApp* m_app = nullptr;
  std::string m_commandLine;
  std::string m_tempFolder;
  std::deque<std::pair<UINT, std::function<void(CDialog*)>>> m_dialogs;
  std::deque<int> m_answers;
  std::deque<std::string> m_paths;
  std::vector<std::string> m_messageBoxes;
  std::vector<UINT> m_unexpected;
  std::string m_lastFolder, m_lastFileName;
  int m_fileDialogs = 0;
  void* m_previousModal = nullptr;
  void* m_previousMessageBox = nullptr;
  void* m_previousFileDialog = nullptr;
  bool m_exited = false;
};

}  // namespace qxtest
