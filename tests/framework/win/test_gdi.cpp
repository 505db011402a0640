// GDI wrappers on memory device contexts (no display needed).
#include <gtest/gtest.h>

#include "framework/win/AfxWin.h"
#include "framework/win/DibPixels.h"

namespace {

// Rows come top first, as 0x00RRGGBB; written back they land where they were read.
TEST(GdiTest, DibPixelsReadAndWriteEveryRowAtOnce) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateBitmap(3, 2, 1, 32, NULL));
  CBitmap* old = dc.SelectObject(&bmp);
  dc.FillSolidRect(CRect(0, 0, 3, 2), RGB(255, 255, 255));
  dc.SetPixel(2, 0, RGB(1, 2, 3));
  dc.SetPixel(0, 1, RGB(0, 0, 255));
  dc.SelectObject(old);

  HBITMAP handle = static_cast<HBITMAP>(bmp.m_hObject);
  CDibPixels pixels(3, 2);
  ASSERT_TRUE(pixels.Read(dc.GetSafeHdc(), handle));
  EXPECT_EQ(pixels.Pixels()[2] & 0xFFFFFF, 0x010203u);
  EXPECT_EQ(pixels.Pixels()[3] & 0xFFFFFF, 0x0000FFu);
  EXPECT_EQ(pixels.Pixels()[4] & 0xFFFFFF, 0xFFFFFFu);
  pixels.Pixels()[3] = 0;
  ASSERT_TRUE(pixels.Write(dc.GetSafeHdc(), handle));
  old = dc.SelectObject(&bmp);
  EXPECT_EQ(dc.GetPixel(0, 1), RGB(0, 0, 0));
  EXPECT_EQ(dc.GetPixel(2, 0), RGB(1, 2, 3));
  dc.SelectObject(old);

  // Nothing to read or write, and not a bitmap: refused.
  CDibPixels none(0, 2);
  EXPECT_FALSE(none.Read(dc.GetSafeHdc(), handle));
  EXPECT_FALSE(none.Write(dc.GetSafeHdc(), handle));
  CDibPixels wrong(3, 2);
  EXPECT_FALSE(wrong.Read(dc.GetSafeHdc(), NULL));
}

TEST(GdiTest, DrawingOnAMemoryDc) {
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateBitmap(20, 20, 1, 32, NULL));
  CBitmap* old = dc.SelectObject(&bmp);
  dc.FillSolidRect(CRect(0, 0, 20, 20), RGB(255, 255, 255));
  dc.FillSolidRect(2, 2, 4, 4, RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(2, 2), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(6, 6), RGB(255, 255, 255));
  // Draw3dRect: top and left in the first colour, bottom and right in the second.
  dc.Draw3dRect(CRect(10, 10, 18, 18), RGB(0, 0, 255), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(10, 10), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(16, 10), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(17, 10), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(10, 17), RGB(0, 255, 0));
  EXPECT_EQ(dc.GetPixel(12, 12), RGB(255, 255, 255));
  // The SelectObject result is a temporary wrapper of the previous bitmap.
  ASSERT_TRUE(old != nullptr);
  dc.SelectObject(old);
  BITMAP info;
  EXPECT_EQ(bmp.GetBitmap(&info), (int)sizeof(BITMAP));
  EXPECT_EQ(info.bmWidth, 20);
}

TEST(GdiTest, TemporaryWrappersOwnNothingAndAreFreedAtIdle) {
  AfxDeleteTempMaps();
  HFONT stock = (HFONT)GetStockObject(DEFAULT_GUI_FONT);
  CFont* a = CFont::FromHandle(stock);
  EXPECT_EQ(CFont::FromHandle(stock), a);
  EXPECT_EQ((HFONT)a->m_hObject, stock);
  HDC screen = CreateCompatibleDC(NULL);
  CDC* tempDc = CDC::FromHandle(screen);
  EXPECT_EQ(CDC::FromHandle(screen), tempDc);
  AfxDeleteTempMaps();
  // The handles outlive their wrappers.
  LOGFONTA lf;
  EXPECT_EQ(GetObjectA(stock, sizeof(lf), &lf), (int)sizeof(lf));
  EXPECT_NE(GetDeviceCaps(screen, BITSPIXEL), 0);
  DeleteDC(screen);

  CFont owned;
  ASSERT_TRUE(owned.CreatePointFont(90, "Arial"));
  LOGFONTA got;
  EXPECT_TRUE(owned.GetLogFont(&got));
  HGDIOBJ handle = owned.m_hObject;
  owned.DeleteObject();
  EXPECT_EQ(GetObjectType(handle), 0u);  // the owner deleted it
}

TEST(GdiTest, RectanglesAndPoints) {
  CRect r(10, 20, 30, 60);
  EXPECT_EQ(r.Width(), 20);
  EXPECT_EQ(r.Height(), 40);
  EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
  EXPECT_FALSE(r.PtInRect(CPoint(30, 20)));  // the right edge is outside
  EXPECT_FALSE(r.PtInRect(CPoint(10, 60)));  // and so is the bottom
  r.DeflateRect(1, 2);
  EXPECT_EQ(r, CRect(11, 22, 29, 58));
  r.OffsetRect(CPoint(-11, -22));
  EXPECT_EQ(r.TopLeft(), CPoint(0, 0));
  CRect inverted(5, 5, 1, 1);
  EXPECT_TRUE(inverted.IsRectEmpty());
  inverted.NormalizeRect();
  EXPECT_EQ(inverted, CRect(1, 1, 5, 5));
  EXPECT_EQ(CPoint((LPARAM)MAKELONG(-3, 7)), CPoint(-3, 7));  // signed mouse coordinates
}

// A memory context with a white 32-bit bitmap of w x h selected; frees both.
class MemoryCanvas {
 public:
  MemoryCanvas(int w, int h) {
    dc = ::CreateCompatibleDC(NULL);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = -h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    bitmap = ::CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, NULL, 0);
    old = ::SelectObject(dc, bitmap);
    RECT r = {0, 0, w, h};
    ::FillRect(dc, &r, (HBRUSH)::GetStockObject(WHITE_BRUSH));
  }
  ~MemoryCanvas() {
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  }
  HDC dc;
  HBITMAP bitmap;
  HGDIOBJ old;
};

// A context drawn to one device and measured on another (a print preview, a metafile with a
// reference device) maps and measures as it draws.
TEST(GdiTest, OutputAndAttributeContextsAgree) {
  MemoryCanvas output(100, 100), attribute(10, 10);
  CDC dc;
  dc.SetOutputDC(output.dc);
  dc.SetAttribDC(attribute.dc);

  dc.SetMapMode(MM_ANISOTROPIC);
  dc.SetWindowExt(100, 100);
  dc.SetViewportExt(200, 200);
  dc.SetWindowOrg(5, 5);
  dc.SetViewportOrg(2, 2);
  EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
  EXPECT_EQ(::GetMapMode(output.dc), MM_ANISOTROPIC);
  CPoint p(15, 15);
  dc.LPtoDP(&p);  // through the attribute context
  EXPECT_EQ(p, CPoint(22, 22));
  // What the attribute context computes is where the output context draws (pixels read back
  // in the output context's own logical units).
  dc.FillSolidRect(15, 15, 5, 5, RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(output.dc, 15, 15), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(output.dc, 14, 14), RGB(255, 255, 255));
  CPoint drawn(15, 15);
  ::LPtoDP(output.dc, &drawn, 1);
  EXPECT_EQ(drawn, CPoint(22, 22));
  dc.OffsetViewportOrg(10, 0);
  p = CPoint(5, 5);
  dc.LPtoDP(&p);
  EXPECT_EQ(p, CPoint(12, 2));

  // Text is measured in the font it is drawn in.
  CFont big;
  LOGFONTA lf = {};
  lf.lfHeight = -40;
  lstrcpyA(lf.lfFaceName, "Arial");
  ASSERT_TRUE(big.CreateFontIndirect(&lf));
  dc.SetMapMode(MM_TEXT);
  dc.SetViewportOrg(0, 0);
  dc.SetWindowOrg(0, 0);
  CFont* previous = dc.SelectObject(&big);
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(::GetCurrentObject(output.dc, OBJ_FONT), big.m_hObject);
  EXPECT_EQ(::GetCurrentObject(attribute.dc, OBJ_FONT), big.m_hObject);
  EXPECT_EQ(dc.GetTextExtent(CString("Quarvex")), dc.GetOutputTextExtent(CString("Quarvex")));
  EXPECT_GT(dc.GetTextExtent(CString("Quarvex")).cy, 30);
  dc.SelectObject(previous);
  EXPECT_NE(::GetCurrentObject(attribute.dc, OBJ_FONT), big.m_hObject);

  dc.ReleaseOutputDC();
  dc.ReleaseAttribDC();
}

TEST(GdiTest, OnlyPrinterContextsArePrinting) {
  CDC memory;
  ASSERT_TRUE(memory.CreateCompatibleDC(NULL));
  EXPECT_FALSE(memory.IsPrinting());
  char name[256];
  DWORD size = sizeof name;
  if (::GetDefaultPrinterA(name, &size)) {  // a machine with a printer
    CDC printer;
    ASSERT_TRUE(printer.CreateDC(NULL, name, NULL, NULL));
    EXPECT_TRUE(printer.IsPrinting());
    printer.DeleteDC();
    EXPECT_FALSE(printer.IsPrinting());
  }
}

TEST(GdiTest, EnhancedMetafilesRecordAndPlayBack) {
  CDC reference;
  ASSERT_TRUE(reference.CreateCompatibleDC(NULL));
  CMetaFileDC mf;
  // The frame, in 0.01 mm, of 40 x 40 reference pixels.
  const int px = reference.GetDeviceCaps(LOGPIXELSX);
  RECT frame = {0, 0, 40 * 2540 / px, 40 * 2540 / px};
  ASSERT_TRUE(mf.CreateEnhanced(&reference, NULL, &frame, "Quarvex\0Test\0"));
  EXPECT_GT(mf.GetDeviceCaps(LOGPIXELSX), 0);  // measured on the reference device
  EXPECT_FALSE(mf.IsPrinting());
  mf.FillSolidRect(0, 0, 40, 40, RGB(255, 255, 255));
  mf.FillSolidRect(10, 10, 20, 20, RGB(0, 0, 255));
  HENHMETAFILE emf = mf.CloseEnhanced();
  ASSERT_NE(emf, (HENHMETAFILE)NULL);
  EXPECT_EQ(mf.m_hDC, (HDC)NULL);
  EXPECT_EQ(mf.CloseEnhanced(), (HENHMETAFILE)NULL);  // once only

  MemoryCanvas canvas(40, 40);
  RECT all = {0, 0, 40, 40};
  ASSERT_TRUE(::PlayEnhMetaFile(canvas.dc, emf, &all));
  EXPECT_EQ(::GetPixel(canvas.dc, 20, 20), RGB(0, 0, 255));
  EXPECT_EQ(::GetPixel(canvas.dc, 5, 5), RGB(255, 255, 255));
  ::DeleteEnhMetaFile(emf);
}

TEST(GdiTest, OldStyleMetafilesRecordAndMeasureThroughAnAttributeContext) {
  CMetaFileDC mf;
  ASSERT_TRUE(mf.Create());
  EXPECT_EQ(mf.GetDeviceCaps(LOGPIXELSX), 0);  // nothing to measure with yet
  CDC screen;
  ASSERT_TRUE(screen.CreateCompatibleDC(NULL));
  mf.SetAttribDC(screen.m_hDC);
  EXPECT_GT(mf.GetDeviceCaps(LOGPIXELSX), 0);
  mf.FillSolidRect(2, 2, 6, 6, RGB(0, 128, 0));
  EXPECT_EQ(mf.CloseEnhanced(), (HENHMETAFILE)NULL);  // not an enhanced recording
  HMETAFILE wmf = mf.Close();
  ASSERT_NE(wmf, (HMETAFILE)NULL);
  EXPECT_EQ(mf.m_hAttribDC, (HDC)NULL);

  MemoryCanvas canvas(10, 10);
  ASSERT_TRUE(::PlayMetaFile(canvas.dc, wmf));
  EXPECT_EQ(::GetPixel(canvas.dc, 4, 4), RGB(0, 128, 0));
  EXPECT_EQ(::GetPixel(canvas.dc, 9, 9), RGB(255, 255, 255));
  ::DeleteMetaFile(wmf);
}

TEST(GdiTest, AnUnclosedRecordingIsClosedAndFreed) {
  {
    CMetaFileDC mf;
    ASSERT_TRUE(mf.CreateEnhanced(NULL, NULL, NULL, NULL));
    mf.FillSolidRect(0, 0, 5, 5, RGB(1, 2, 3));
    CDC* asBase = &mf;
    EXPECT_TRUE(asBase->DeleteDC());  // through the base class too
    EXPECT_EQ(mf.m_hDC, (HDC)NULL);
    EXPECT_FALSE(mf.DeleteDC());
    EXPECT_TRUE(mf.Create());  // the object can record again
  }  // the destructor ends the open old-style recording
  CMetaFileDC twice;
  ASSERT_TRUE(twice.Create());
  EXPECT_FALSE(twice.Create());
  EXPECT_FALSE(twice.CreateEnhanced(NULL, NULL, NULL, NULL));
}

TEST(GdiTest, EnhancedMetafilePlaysScaledIntoItsRectangle) {
  CDC screen;
  ASSERT_TRUE(screen.CreateCompatibleDC(NULL));
  // A 100 x 100 picture: red in its top-left quarter.
  int w = MulDiv(100, 2540, screen.GetDeviceCaps(LOGPIXELSX));
  int h = MulDiv(100, 2540, screen.GetDeviceCaps(LOGPIXELSY));
  RECT frame = {0, 0, w, h};
  HDC recorder = CreateEnhMetaFileA(screen.m_hDC, NULL, &frame, NULL);
  ASSERT_NE(recorder, nullptr);
  CDC rec;
  rec.m_hDC = rec.m_hAttribDC = recorder;
  rec.FillSolidRect(0, 0, 100, 100, RGB(255, 255, 255));
  rec.FillSolidRect(0, 0, 50, 50, RGB(255, 0, 0));
  rec.m_hDC = rec.m_hAttribDC = NULL;
  HENHMETAFILE picture = CloseEnhMetaFile(recorder);
  ASSERT_NE(picture, nullptr);

  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
  CBitmap bmp;
  ASSERT_TRUE(bmp.CreateBitmap(300, 300, 1, 32, NULL));
  CBitmap* old = dc.SelectObject(&bmp);
  dc.FillSolidRect(0, 0, 300, 300, RGB(0, 0, 255));
  EXPECT_TRUE(dc.PlayMetaFile(picture, CRect(100, 100, 300, 300)));
  EXPECT_EQ(dc.GetPixel(150, 150), RGB(255, 0, 0));    // the red quarter, twice as large
  EXPECT_EQ(dc.GetPixel(250, 250), RGB(255, 255, 255));
  EXPECT_EQ(dc.GetPixel(50, 50), RGB(0, 0, 255));      // outside the rectangle
  dc.SelectObject(old);
  DeleteEnhMetaFile(picture);
}

}  // namespace
