// Module-wide framework services: instance handles, window classes, message boxes, the
// application and main-window links, the wait cursor and the framework's private messages.
#pragma once

#include <windows.h>

#include <exception>

#include "framework/base/CString.h"
#include "framework/base/Exception.h"

class CWnd;
class CWinApp;

// Private messages of the framework (WM_USER + 0x3xx is kept for it).
#define WM_QX_FIRST (WM_USER + 0x0300)
#define WM_KICKIDLE (WM_QX_FIRST + 0)  // sent to a modal dialog when its queue is empty
#define WM_IDLEUPDATECMDUI \
  (WM_QX_FIRST + 1)  // idle update of command-UI (wParam: disable-if-no-handler)
#define WM_QX_RECALCLAYOUT (WM_QX_FIRST + 2)  // delayed layout of a frame, posted at idle
// Old-style combined control-colour message; reflection entries use it for every WM_CTLCOLOR*.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif

// Instance handles. Both default to the program's own module.
HINSTANCE AfxGetInstanceHandle();
void AfxSetInstanceHandle(HINSTANCE instance);
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE instance);
HINSTANCE AfxFindResourceHandle(LPCSTR name, LPCSTR type);

// The full file name of a module (the program when module is NULL); long paths are not cut.
CString AfxGetModuleFileName(HMODULE module = NULL);

// The application object. CWinApp registers itself; NULL until then (as in most tests).
CWinApp* AfxGetApp();
void AfxSetApp(CWinApp* app);
// The main window: asks the provider that the application object installs; NULL without one.
CWnd* AfxGetMainWnd();
typedef CWnd* (*AfxMainWndProvider)();
AfxMainWndProvider AfxSetMainWndProvider(AfxMainWndProvider provider);

// The window procedure of the framework's own window classes: a window linked to its object
// sends it every message directly, inside the same exception barrier as a subclassed window
// (Wnd.cpp); any other window gets DefWindowProc.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
// Registers a window class whose procedure is AfxWndProc and returns its name. The same
// arguments give the same name.
LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor = NULL, HBRUSH background = NULL,
                           HICON icon = NULL);
// Registers a class unless it exists; a class asking for DefWindowProcA gets AfxWndProc.
BOOL AfxRegisterClass(WNDCLASSA* wndClass);

// The window itself when it belongs to the calling thread, else NULL. Windows never get an
// owner of another thread: the two threads' input would be joined, and a modal window would
// disable a window that another thread runs.
HWND AfxOwnerOnThisThread(HWND owner);

// Message box through the message-box seam; the owner is the active window's top level or the
// main window when it belongs to the calling thread (a worker thread's box has no owner and
// comes to the foreground); the caption is the program name ("Quarvex") unless the application
// sets another.
int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(UINT idPrompt, UINT type = MB_OK, UINT helpId = (UINT)-1);
void AfxSetMessageBoxCaption(LPCSTR caption);
CString AfxGetMessageBoxCaption();

// Frees the temporary window, device-context and GDI wrappers made by FromHandle and friends.
// The application calls it at idle time; pointers from FromHandle are valid until then.
void AfxDeleteTempMaps();

// Reports an exception caught at a window-procedure boundary (a message box for anything but
// a CUserException, which was reported already). Tests can count reports.
void AfxReportException(LPCSTR where, LPCSTR what);
int AfxGetReportedExceptionCount();

// Runs fn outside any window procedure (message filters, idle work): an exception it throws is
// reported as one from a window procedure would be (a CUserException was reported already) and
// the result is failed.
template <class Fn>
BOOL AfxCallGuarded(LPCSTR where, Fn fn, BOOL failed = FALSE) {
  try {
    return fn();
  } catch (CException* e) {
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) AfxReportException(where, e->GetErrorMessage());
    e->Delete();
  } catch (const std::exception& e) {
    AfxReportException(where, e.what());
  } catch (...) {
    AfxReportException(where, nullptr);
  }
  return failed;
}

// Shows the hourglass for its lifetime, also when the mouse moves over the program's windows
// meanwhile (they answer WM_SETCURSOR with it while any wait cursor lives).
class CWaitCursor {
 public:
  CWaitCursor();
  ~CWaitCursor();
  void Restore();
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;

 private:
  HCURSOR m_previous;
};

// How many wait cursors live on this thread.
int AfxGetWaitCursorCount();
