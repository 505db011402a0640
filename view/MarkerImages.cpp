#include "view/MarkerImages.h"

#include "framework/win/DeviceContext.h"
#include "res/ViewResources.h"

namespace {
const COLORREF kTransparent = RGB(255, 0, 255);
}

void MakeBlackIconBitmap(CBitmap* bitmap) {
  BITMAP info = {};
  if (!bitmap || !bitmap->m_hObject || !bitmap->GetBitmap(&info)) return;
  CDC dc;
  if (!dc.CreateCompatibleDC(NULL)) return;
  // How the display renders pure blue, read back from a bitmap like the screen's.
  COLORREF blue = RGB(0, 0, 255);
  {
    HDC screen = ::GetDC(NULL);
    CBitmap probe;
    probe.Attach(::CreateCompatibleBitmap(screen, 4, 4));
    ::ReleaseDC(NULL, screen);
    if (probe.m_hObject) {
      CBitmap* old = dc.SelectObject(&probe);
      CBrush brush(RGB(0, 0, 255));
      CRect all(0, 0, 4, 4);
      dc.FillRect(&all, &brush);
      blue = dc.GetPixel(1, 1);
      dc.SelectObject(old);
    }
  }
  CBitmap* old = dc.SelectObject(bitmap);
  for (int y = 0; y < info.bmHeight; ++y)
    for (int x = 0; x < info.bmWidth; ++x)
      if (dc.GetPixel(x, y) == blue) dc.SetPixel(x, y, RGB(0, 0, 0));
  dc.SelectObject(old);
}

BOOL CreateMarkerImages(CImageList* images) {
  if (!images->Create(48, 48, ILC_COLORDDB | ILC_MASK, 4, 1)) return FALSE;
  CBitmap colour[2], gray[2];
  const UINT ids[2] = {IDB_TRIAXIAL_SPECIMEN, IDB_DIRECT_SHEAR_SPECIMEN};
  for (int i = 0; i < 2; ++i) {
    if (!colour[i].LoadBitmap(ids[i]) || !gray[i].LoadBitmap(ids[i])) {
      images->DeleteImageList();
      return FALSE;
    }
  }
  for (int i = 0; i < 2; ++i) images->Add(&colour[i], kTransparent);
  for (int i = 0; i < 2; ++i) {
    MakeBlackIconBitmap(&gray[i]);
    images->Add(&gray[i], kTransparent);
  }
  return images->GetImageCount() == 4;
}
