// CTransparentStatic: painting a bitmap with magenta as the transparent colour.
#include "controls/TransparentStatic.h"

IMPLEMENT_DYNAMIC(CTransparentStatic, CStatic)

BEGIN_MESSAGE_MAP(CTransparentStatic, CStatic)
ON_WM_PAINT()
END_MESSAGE_MAP()

namespace {

// The screen under the bitmap ANDed with the mask, the bitmap's magenta blacked out with the
// inverted mask, both ORed, and the result copied back.
BOOL DrawByHand(CDC* pDC, CDC& picture, CBitmap& mask, int w, int h) {
  CDC maskDC, work;
  CBitmap workBitmap;
  if (!maskDC.CreateCompatibleDC(pDC) || !work.CreateCompatibleDC(pDC) ||
      !workBitmap.CreateCompatibleBitmap(pDC, w, h))
    return FALSE;
  CBitmap* oldMask = maskDC.SelectObject(&mask);
  CBitmap* oldWork = work.SelectObject(&workBitmap);
  work.BitBlt(0, 0, w, h, pDC, 0, 0, SRCCOPY);
  work.SetBkColor(RGB(255, 255, 255));
  work.SetTextColor(RGB(0, 0, 0));
  work.BitBlt(0, 0, w, h, &maskDC, 0, 0, SRCAND);
  picture.SetBkColor(RGB(255, 255, 255));
  picture.SetTextColor(RGB(0, 0, 0));
  picture.BitBlt(0, 0, w, h, &maskDC, 0, 0, 0x00220326);
  work.BitBlt(0, 0, w, h, &picture, 0, 0, SRCPAINT);
  pDC->BitBlt(0, 0, w, h, &work, 0, 0, SRCCOPY);
  work.SelectObject(oldWork);
  maskDC.SelectObject(oldMask);
  return TRUE;
}

}  // namespace

BOOL CTransparentStatic::DrawTransparent(CDC* pDC, HBITMAP bitmap, CSize size, BOOL useMaskBlt) {
  BITMAP bm = {};
  if (!bitmap || !::GetObjectA(bitmap, sizeof bm, &bm) || size.cx <= 0 || size.cy <= 0)
    return FALSE;
  const int w = size.cx, h = size.cy;
  // The picture: magenta over the whole area, the bitmap copied over it unscaled.
  CDC picture, source, maskDC;
  CBitmap pictureBitmap, mask;
  if (!picture.CreateCompatibleDC(pDC) || !source.CreateCompatibleDC(pDC) ||
      !maskDC.CreateCompatibleDC(pDC) || !pictureBitmap.CreateCompatibleBitmap(pDC, w, h) ||
      !mask.CreateBitmap(w, h, 1, 1, NULL))
    return FALSE;
  CBitmap* oldPicture = picture.SelectObject(&pictureBitmap);
  picture.FillSolidRect(0, 0, w, h, kTransparent);
  HGDIOBJ oldSource = source.SelectObject((HGDIOBJ)bitmap);
  picture.BitBlt(0, 0, bm.bmWidth < w ? bm.bmWidth : w, bm.bmHeight < h ? bm.bmHeight : h, &source,
                 0, 0, SRCCOPY);
  source.SelectObject(oldSource);
  // The mask: magenta white, everything else black.
  CBitmap* oldMask = maskDC.SelectObject(&mask);
  picture.SetBkColor(kTransparent);
  maskDC.BitBlt(0, 0, w, h, &picture, 0, 0, SRCCOPY);
  maskDC.SelectObject(oldMask);

  // Where the mask is white the screen stays (destination), elsewhere the picture is copied.
  const DWORD kKeepWhereWhite = 0xCCAA0020;
  BOOL done = useMaskBlt && pDC->MaskBlt(0, 0, w, h, &picture, 0, 0, mask, 0, 0, kKeepWhereWhite);
  if (!done) done = DrawByHand(pDC, picture, mask, w, h);
  picture.SelectObject(oldPicture);
  return done;
}

void CTransparentStatic::OnPaint() {
  HBITMAP bitmap = GetBitmap();
  if (!bitmap) {
    Default();
    return;
  }
  CPaintDC dc(this);
  CRect client;
  GetClientRect(&client);
  DrawTransparent(&dc, bitmap, client.Size());
}
