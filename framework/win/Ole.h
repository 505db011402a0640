// OLE start-up and shut-down for the application: the clipboard is flushed at exit so
// that data the program put there stays available after it ends.
#pragma once

#include <windows.h>

// Initialises OLE for this thread; FALSE on failure. Balanced by AfxOleTerm.
BOOL AfxOleInit();
// Flushes the clipboard and uninitialises OLE when AfxOleInit succeeded.
void AfxOleTerm();
BOOL AfxOleIsInitialized();
