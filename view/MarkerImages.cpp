#include "view/MarkerImages.h"

#include "framework/win/DeviceContext.h"
#include "framework/win/DibPixels.h"
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
  DWORD blue = 0x0000FF;
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
      dc.SelectObject(old);
      CDibPixels read(4, 4);
      if (read.Read(dc.GetSafeHdc(), static_cast<HBITMAP>(probe.m_hObject)))
        blue = read.Pixels()[5] & 0xFFFFFF;
    }
  }
  // The whole picture is read and written once: pixel by pixel it is thousands of calls.
  CDibPixels rows(info.bmWidth, info.bmHeight);
  HBITMAP handle = static_cast<HBITMAP>(bitmap->m_hObject);
  if (!rows.Read(dc.GetSafeHdc(), handle)) return;
  bool changed = false;
  for (DWORD& pixel : rows.Pixels()) {
    if ((pixel & 0xFFFFFF) != blue) continue;
    pixel = 0;
    changed = true;
  }
  if (changed) rows.Write(dc.GetSafeHdc(), handle);
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
