// The real clipboard's text (CF_TEXT), for window tests that copy and paste as a person does.
#pragma once

#include <windows.h>

#include <string>

namespace qxtest {

// Puts text on the clipboard, owned by owner; false when the clipboard or the memory failed.
bool PutOnClipboard(HWND owner, const std::string& text);
// The clipboard's text; empty when there is none or the clipboard could not be opened.
std::string ClipboardText(HWND owner);

}  // namespace qxtest
