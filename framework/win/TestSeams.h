// Test seams: every call that would block on a person or leave the process goes through one
// replaceable function here. Each setter returns the previous function; passing nullptr
// restores the real one. Tests use CSeamOverride to install a fake for one scope.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "framework/base/CString.h"

class CDialog;

// Message boxes (AfxMessageBox and CWnd::MessageBox). Returns the button pressed.
typedef int (*AfxMessageBoxSeam)(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// Called by CDialog::DoModal after WM_INITDIALOG, before the modal loop starts. The hook may
// set controls, post messages or call EndDialog; the loop then runs as usual.
typedef void (*AfxModalDialogSeam)(CDialog* dialog);
// File dialogs: GetOpenFileName (open TRUE) or GetSaveFileName. Returns TRUE on OK.
typedef BOOL (*AfxFileDialogSeam)(OPENFILENAMEA* ofn, BOOL open);
// The colour dialog (ChooseColor). Returns TRUE on OK with the colour in cc->rgbResult.
typedef BOOL (*AfxColorDialogSeam)(CHOOSECOLORA* cc);
// The font dialog (ChooseFont). Returns TRUE on OK with the font in *cf->lpLogFont and its
// size in cf->iPointSize (tenths of a point).
typedef BOOL (*AfxFontDialogSeam)(CHOOSEFONTA* cf);
// ShellExecute. Returns the ShellExecute result (above 32 on success).
typedef HINSTANCE (*AfxShellExecuteSeam)(HWND owner, LPCSTR operation, LPCSTR file,
                                         LPCSTR parameters, LPCSTR directory, INT show);
// Starting a program from a command line, as WinExec does but without its parsing of an
// unquoted path. Returns above 31 on success, else WinExec's error number (0 out of
// resources, 2 file not found, 3 path not found, 5 access denied, 8 out of memory, 11 not a
// program).
typedef UINT (*AfxStartProgramSeam)(LPCSTR commandLine, int show);
// Context help (CWnd::WinHelp): topic with HELP_CONTEXT, or other help commands.
typedef BOOL (*AfxHelpSeam)(HWND owner, DWORD_PTR data, UINT command);
// The clock: the current local time.
typedef void (*AfxClockSeam)(SYSTEMTIME* localTime);
// The print dialog (PrintDlg): print, print set-up, or the default printer (PD_RETURNDEFAULT,
// which shows nothing). Returns TRUE on OK.
typedef BOOL (*AfxPrintDialogSeam)(PRINTDLGA* pd);

AfxMessageBoxSeam AfxSetMessageBoxSeam(AfxMessageBoxSeam seam);
AfxModalDialogSeam AfxSetModalDialogSeam(AfxModalDialogSeam seam);
AfxFileDialogSeam AfxSetFileDialogSeam(AfxFileDialogSeam seam);
AfxColorDialogSeam AfxSetColorDialogSeam(AfxColorDialogSeam seam);
AfxFontDialogSeam AfxSetFontDialogSeam(AfxFontDialogSeam seam);
AfxShellExecuteSeam AfxSetShellExecuteSeam(AfxShellExecuteSeam seam);
AfxStartProgramSeam AfxSetStartProgramSeam(AfxStartProgramSeam seam);
AfxHelpSeam AfxSetHelpSeam(AfxHelpSeam seam);
AfxClockSeam AfxSetClockSeam(AfxClockSeam seam);
AfxPrintDialogSeam AfxSetPrintDialogSeam(AfxPrintDialogSeam seam);

// The calls themselves, each through its seam.
int AfxShowMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
void AfxRunModalDialogSeam(CDialog* dialog);  // no-op when no hook is installed
BOOL AfxRunFileDialog(OPENFILENAMEA* ofn, BOOL open);
BOOL AfxRunColorDialog(CHOOSECOLORA* cc);
BOOL AfxRunFontDialog(CHOOSEFONTA* cf);
HINSTANCE AfxShellExecute(HWND owner, LPCSTR operation, LPCSTR file, LPCSTR parameters,
                          LPCSTR directory, INT show);
UINT AfxStartProgram(LPCSTR commandLine, int show);
BOOL AfxRunHelp(HWND owner, DWORD_PTR data, UINT command);
void AfxGetLocalTime(SYSTEMTIME* localTime);
BOOL AfxRunPrintDialog(PRINTDLGA* pd);

// The real help: HELP_CONTEXT opens "<program folder>help\<topic>.htm" through the shell seam
// when that page exists, and otherwise says in a message box that help for the topic is not
// installed. Other commands are accepted and do nothing.
BOOL AfxDefaultHelp(HWND owner, DWORD_PTR data, UINT command);
// The file the default help opens for a topic.
CString AfxHelpTopicFile(DWORD_PTR topic);

// Installs a seam for the lifetime of the object, then puts the previous one back.
template <class Fn>
class CSeamOverride {
 public:
  CSeamOverride(Fn (*setter)(Fn), Fn fake) : m_setter(setter), m_previous(setter(fake)) {}
  ~CSeamOverride() { m_setter(m_previous); }
  CSeamOverride(const CSeamOverride&) = delete;
  CSeamOverride& operator=(const CSeamOverride&) = delete;

 private:
  Fn (*m_setter)(Fn);
  Fn m_previous;
};
