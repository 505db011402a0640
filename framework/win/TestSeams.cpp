// The test seams and their real implementations.
#include "framework/win/TestSeams.h"

#include <shellapi.h>

#include "framework/win/AfxCore.h"

namespace {

int RealMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return ::MessageBoxA(owner, text, caption, type);
}

BOOL RealFileDialog(OPENFILENAMEA* ofn, BOOL open) {
  return open ? ::GetOpenFileNameA(ofn) : ::GetSaveFileNameA(ofn);
}

BOOL RealColorDialog(CHOOSECOLORA* cc) {
  return ::ChooseColorA(cc);
}

BOOL RealFontDialog(CHOOSEFONTA* cf) {
  return ::ChooseFontA(cf);
}

HINSTANCE RealShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                           LPCSTR directory, INT show) {
  return ::ShellExecuteA(owner, operation, file, parameters, directory, show);
}

UINT RealStartProgram(LPCSTR commandLine, int show) {
  if (!commandLine || !*commandLine) return ERROR_FILE_NOT_FOUND;
  CString line = commandLine;  // CreateProcess may write into its command line
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION pi = {};
  if (::CreateProcessA(NULL, line.GetBuffer(line.GetLength() + 1), NULL, NULL, FALSE, 0, NULL, NULL,
                       &si, &pi)) {
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return 33;
  }
  DWORD error = ::GetLastError();
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_ACCESS_DENIED:
    case ERROR_NOT_ENOUGH_MEMORY:
      return error;
    case ERROR_BAD_EXE_FORMAT:
      return 11;
    default:
      return 0;
  }
}

void RealClock(SYSTEMTIME* localTime) {
  ::GetLocalTime(localTime);
}

BOOL RealPrintDialog(PRINTDLGA* pd) {
  return ::PrintDlgA(pd);
}

AfxMessageBoxSeam g_messageBox = RealMessageBox;
AfxModalDialogSeam g_modalDialog = nullptr;
AfxFileDialogSeam g_fileDialog = RealFileDialog;
AfxColorDialogSeam g_colorDialog = RealColorDialog;
AfxFontDialogSeam g_fontDialog = RealFontDialog;
AfxShellExecuteSeam g_shellExecute = RealShellExecute;
AfxStartProgramSeam g_startProgram = RealStartProgram;
AfxHelpSeam g_help = AfxDefaultHelp;
AfxClockSeam g_clock = RealClock;
AfxPrintDialogSeam g_printDialog = RealPrintDialog;

template <class Fn>
Fn Swap(Fn& slot, Fn seam, Fn real) {
  Fn old = slot;
  slot = seam ? seam : real;
  return old;
}

}  // namespace

AfxMessageBoxSeam AfxSetMessageBoxSeam(AfxMessageBoxSeam s) {
  return Swap(g_messageBox, s, RealMessageBox);
}
AfxModalDialogSeam AfxSetModalDialogSeam(AfxModalDialogSeam s) {
  AfxModalDialogSeam old = g_modalDialog;
  g_modalDialog = s;
  return old;
}
AfxFileDialogSeam AfxSetFileDialogSeam(AfxFileDialogSeam s) {
  return Swap(g_fileDialog, s, RealFileDialog);
}
AfxFontDialogSeam AfxSetFontDialogSeam(AfxFontDialogSeam s) {
  return Swap(g_fontDialog, s, RealFontDialog);
}
AfxColorDialogSeam AfxSetColorDialogSeam(AfxColorDialogSeam s) {
  return Swap(g_colorDialog, s, RealColorDialog);
}
AfxShellExecuteSeam AfxSetShellExecuteSeam(AfxShellExecuteSeam s) {
  return Swap(g_shellExecute, s, RealShellExecute);
}
AfxStartProgramSeam AfxSetStartProgramSeam(AfxStartProgramSeam s) {
  return Swap(g_startProgram, s, RealStartProgram);
}
AfxHelpSeam AfxSetHelpSeam(AfxHelpSeam s) {
  return Swap(g_help, s, AfxDefaultHelp);
}
AfxClockSeam AfxSetClockSeam(AfxClockSeam s) {
  return Swap(g_clock, s, RealClock);
}
AfxPrintDialogSeam AfxSetPrintDialogSeam(AfxPrintDialogSeam s) {
  return Swap(g_printDialog, s, RealPrintDialog);
}

int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return g_messageBox(owner, text, caption, type);
}

void AfxRunModalDialogSeam(CDialog* dialog) {
  if (g_modalDialog) g_modalDialog(dialog);
}

BOOL AfxRunFileDialog(OPENFILENAMEA* ofn, BOOL open) {
  return g_fileDialog(ofn, open);
}

BOOL AfxRunColorDialog(CHOOSECOLORA* cc) {
  return g_colorDialog(cc);
}

BOOL AfxRunFontDialog(CHOOSEFONTA* cf) {
  return g_fontDialog(cf);
}

HINSTANCE AfxShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                          LPCSTR directory, INT show) {
  return g_shellExecute(owner, operation, file, parameters, directory, show);
}

UINT AfxStartProgram(LPCSTR commandLine, int show) {
  return g_startProgram(commandLine, show);
}

BOOL AfxRunHelp(HWND owner, DWORD_PTR data, UINT command) {
  return g_help(owner, data, command);
}

void AfxGetLocalTime(SYSTEMTIME* localTime) {
  g_clock(localTime);
}

BOOL AfxRunPrintDialog(PRINTDLGA* pd) {
  return g_printDialog(pd);
}

CString AfxHelpTopicFile(DWORD_PTR topic) {
  CString path = AfxGetModuleFileName(NULL);
  int slash = path.ReverseFind('\\');
  path = slash >= 0 ? path.Left(slash + 1) : CString();
  CString name;
  name.Format("help\\%llu.htm", static_cast<unsigned long long>(topic));
  return path + name;
}

BOOL AfxDefaultHelp(HWND owner, DWORD_PTR data, UINT command) {
  if (command != HELP_CONTEXT) return TRUE;
  CString file = AfxHelpTopicFile(data);
  DWORD attributes = ::GetFileAttributesA(file);
  if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
    HINSTANCE result = AfxShellExecute(owner, "open", file, NULL, NULL, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(result) > 32) return TRUE;
  }
  CString text;
  text.Format("Help for this topic (%llu) is not installed.",
              static_cast<unsigned long long>(data));
  AfxShowMessageBox(owner, text, AfxGetMessageBoxCaption(), MB_OK | MB_ICONINFORMATION);
  return FALSE;
}
