#include "view/ReportClipboard.h"

#include <cstring>

BOOL CopyTextToClipboard(HWND owner, LPCSTR text) {
  if (!text) return FALSE;
  size_t size = strlen(text) + 1;
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
  if (!block) return FALSE;
  void* copy = ::GlobalLock(block);
  if (!copy) {
    ::GlobalFree(block);
    return FALSE;
  }
  memcpy(copy, text, size);
  // GlobalUnlock's result (0 once the block is unlocked) is no error; nothing else is asked.
  ::GlobalUnlock(block);
  if (!::OpenClipboard(owner)) {
    ::GlobalFree(block);
    return FALSE;
  }
  if (!::EmptyClipboard() || !::SetClipboardData(CF_TEXT, block)) {
    ::CloseClipboard();
    ::GlobalFree(block);
    return FALSE;
  }
  // The block is the clipboard's now.
  ::CloseClipboard();
  return TRUE;
}
