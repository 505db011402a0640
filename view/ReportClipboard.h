// Text for the clipboard (the analysis report's clipboard form).
#pragma once

#include <windows.h>

// Puts a copy of the text on the clipboard as CF_TEXT, owned by the window; TRUE on success.
// On failure nothing is left allocated and the clipboard is closed again.
BOOL CopyTextToClipboard(HWND owner, LPCSTR text);
