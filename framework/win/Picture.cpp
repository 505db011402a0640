// Loading pictures from memory through OleLoadPicture over an HGLOBAL stream.
#include "framework/win/Picture.h"

#include <climits>
#include <cstring>

IPicture* AfxLoadPicture(const void* data, size_t size) {
  if (!data || size == 0 || size > static_cast<size_t>(LONG_MAX)) return NULL;
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return NULL;
  void* bytes = ::GlobalLock(memory);
  if (!bytes) {
    ::GlobalFree(memory);
    return NULL;
  }
  std::memcpy(bytes, data, size);
  ::GlobalUnlock(memory);

  IStream* stream = NULL;
  if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, &stream)) || !stream) {
    ::GlobalFree(memory);
    return NULL;
  }
  IPicture* picture = NULL;
  HRESULT hr = ::OleLoadPicture(stream, static_cast<LONG>(size), FALSE, IID_IPicture,
                                reinterpret_cast<void**>(&picture));
  stream->Release();  // frees the memory too
  if (FAILED(hr)) {
    if (picture) picture->Release();
    return NULL;
  }
  return picture;
}

int AfxHimetricToPixels(long himetric, int dpi) {
  return ::MulDiv(static_cast<int>(himetric), dpi, 2540);
}
