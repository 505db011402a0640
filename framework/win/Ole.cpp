#include "framework/win/Ole.h"

#include <ole2.h>

namespace {
bool g_oleInitialized = false;
}

BOOL AfxOleInit() {
  if (g_oleInitialized) return TRUE;
  HRESULT hr = ::OleInitialize(nullptr);
  if (FAILED(hr)) return FALSE;
  g_oleInitialized = true;
  return TRUE;
}

void AfxOleTerm() {
  if (!g_oleInitialized) return;
  ::OleFlushClipboard();
  ::OleUninitialize();
  g_oleInitialized = false;
}

BOOL AfxOleIsInitialized() {
  return g_oleInitialized;
}
