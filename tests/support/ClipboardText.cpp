#include "tests/support/ClipboardText.h"

#include <cstring>

namespace qxtest {

bool PutOnClipboard(HWND owner, const std::string& text) {
  if (!::OpenClipboard(owner)) return false;
  ::EmptyClipboard();
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  if (block) {
    std::memcpy(::GlobalLock(block), text.c_str(), text.size() + 1);
    ::GlobalUnlock(block);
    if (!::SetClipboardData(CF_TEXT, block)) ::GlobalFree(block);
  }
  ::CloseClipboard();
  return block != nullptr;
}

std::string ClipboardText(HWND owner) {
  std::string text;
  if (!::OpenClipboard(owner)) return text;
  if (HANDLE data = ::GetClipboardData(CF_TEXT)) {
    if (const char* p = static_cast<const char*>(::GlobalLock(data))) {
      text = p;
      ::GlobalUnlock(data);
    }
  }
  ::CloseClipboard();
  return text;
}

}  // namespace qxtest
