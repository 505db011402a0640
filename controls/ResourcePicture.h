// CResourcePicture: a picture (GIF, JPEG, BMP or any format the system's picture loader reads)
// loaded from a custom resource of type "IMAGE", drawn at its own size or stretched.
#pragma once

#include "framework/win/AfxWin.h"
#include "framework/win/Picture.h"

class CResourcePicture {
 public:
  CResourcePicture() : m_pPicture(NULL) {}
  ~CResourcePicture() { Free(); }
  CResourcePicture(const CResourcePicture&) = delete;
  CResourcePicture& operator=(const CResourcePicture&) = delete;

  // Loads "IMAGE" resource id in place of the current picture. FALSE when the resource is
  // missing or is not a picture; the holder is then empty.
  BOOL Load(UINT id);
  BOOL IsLoaded() const { return m_pPicture != NULL; }
  void Free();
  // The picture's size in pixels of dc (of the screen when dc is NULL); (0, 0) when empty. On
  // the screen a bitmap picture has its own pixel size, whatever the screen's DPI.
  CSize GetImageSize(CDC* pDC = NULL) const;
  // Draws the whole picture stretched into (left, top, right, bottom); all four 0 draw it at
  // its own size at (0, 0). FALSE when empty or the drawing failed.
  BOOL Render(CDC* pDC, int left = 0, int top = 0, int right = 0, int bottom = 0,
              LPCRECT metafileBounds = NULL) const;

 private:
  IPicture* m_pPicture;
};
