// Image files of a view (JPEG, BMP, EMF, WMF) at its client size, and the report's clipboard
// text, under a display. The files stay in exports/ for check_image_files.py.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/win/AfxWin.h"
#include "framework/win/View.h"
#include "tests/view/jpeg_decode.h"
#include "tests/view/view_test_support.h"
#include "view/ChartImageExporter.h"
#include "view/ReportClipboard.h"

namespace {

// Draws a red block at (50, 40)-(150, 100) and a blue line along the bottom, nothing else.
class CSampleView : public CView {
 public:
  void OnDraw(CDC* dc) override {
    dc->FillSolidRect(50, 40, 100, 60, RGB(255, 0, 0));
    dc->FillSolidRect(0, 190, 301, 10, RGB(0, 0, 255));
  }
  void PostNcDestroy() override {}  // the test owns the object
};

class ImageExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    LPCSTR cls = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_ARROW),
                                     reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    // A 301 x 200 client area.
    RECT r = {0, 0, 301, 200};
    ::AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    ASSERT_TRUE(frame.CreateEx(0, cls, "Export", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               CRect(10, 10, 10 + r.right - r.left, 10 + r.bottom - r.top), nullptr, 0));
    CRect client;
    frame.GetClientRect(&client);
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, client, &frame, 1));
    CreateDirectoryA("exports", NULL);
  }
  void TearDown() override {
    view.DestroyWindow();
    frame.DestroyWindow();
  }
  std::string Path(const char* name) {
    char dir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, dir);
    return std::string(dir) + "\\exports\\" + name;
  }
  CWnd frame;
  CSampleView view;
};

using viewtest::ReadBytes;

TEST(ImageFormatTest, TheExtensionAloneChoosesTheFormat) {
  EXPECT_EQ(CChartImageExporter::FormatOfPath("C:\\a\\chart.jpg"), CChartImageExporter::FORMAT_JPEG);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("CHART.JPG"), CChartImageExporter::FORMAT_JPEG);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("chart.Bmp"), CChartImageExporter::FORMAT_BMP);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("chart.emf"), CChartImageExporter::FORMAT_EMF);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("chart.WMF"), CChartImageExporter::FORMAT_WMF);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("chart.png"), CChartImageExporter::FORMAT_NONE);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("chart"), CChartImageExporter::FORMAT_NONE);
  EXPECT_EQ(CChartImageExporter::FormatOfPath("old.jpg\\chart"), CChartImageExporter::FORMAT_NONE);
}

TEST_F(ImageExportTest, BitmapAndJpegHaveTheClientSizeTopRowFirst) {
  CChartImageExporter exporter(&view);
  exporter.SetPath(Path("view.bmp").c_str());
  ASSERT_TRUE(exporter.Write()) << exporter.m_strError.GetString();
  std::string bmp = ReadBytes(Path("view.bmp"));
  ASSERT_EQ(bmp.size(), 14u + 40 + 904 * 200);
  auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(bmp.data() + 14);
  EXPECT_EQ(header->biWidth, 301);
  EXPECT_EQ(header->biHeight, 200);
  EXPECT_EQ(header->biBitCount, 24);
  // Bottom row first: the blue line, then the white background.
  const BYTE* bottomRow = reinterpret_cast<const BYTE*>(bmp.data() + 54);
  EXPECT_EQ(bottomRow[0], 255);  // blue
  EXPECT_EQ(bottomRow[2], 0);
  const BYTE* redRow = reinterpret_cast<const BYTE*>(bmp.data() + 54 + 904 * (199 - 70));
  EXPECT_EQ(redRow[3 * 100 + 2], 255);  // red at (100, 70)
  EXPECT_EQ(redRow[3 * 100 + 0], 0);
  EXPECT_EQ(redRow[3 * 200 + 0], 255);  // white background at (200, 70)

  exporter.SetPath(Path("VIEW.JPG").c_str());
  ASSERT_EQ(exporter.m_nFormat, CChartImageExporter::FORMAT_JPEG);
  ASSERT_TRUE(exporter.Write()) << exporter.m_strError.GetString();
  int w = 0, h = 0;
  std::vector<unsigned char> rgb;
  ASSERT_TRUE(DecodeJpeg(Path("VIEW.JPG"), &w, &h, &rgb));
  EXPECT_EQ(w, 301);
  EXPECT_EQ(h, 200);
  auto pixel = [&](int x, int y) { return &rgb[(y * 301 + x) * 3]; };
  EXPECT_GT(pixel(100, 70)[0], 240);  // red block
  EXPECT_LT(pixel(100, 70)[1], 15);
  EXPECT_GT(pixel(200, 70)[2], 240);  // white
  EXPECT_GT(pixel(200, 70)[1], 240);
  EXPECT_GT(pixel(150, 195)[2], 240);  // blue line at the bottom
  EXPECT_LT(pixel(150, 195)[0], 15);
  EXPECT_GT(pixel(150, 2)[0], 240);  // the top row is the picture's top
}

TEST_F(ImageExportTest, MetafilesCarryTheClientSize) {
  CChartImageExporter exporter(&view);
  exporter.SetPath(Path("view.emf").c_str());
  ASSERT_TRUE(exporter.Write()) << exporter.m_strError.GetString();
  HENHMETAFILE emf = GetEnhMetaFileA(Path("view.emf").c_str());
  ASSERT_NE(emf, nullptr);
  ENHMETAHEADER header = {};
  GetEnhMetaFileHeader(emf, sizeof header, &header);
  HDC screen = GetDC(NULL);
  int mmWidth = GetDeviceCaps(screen, HORZSIZE), pxWidth = GetDeviceCaps(screen, HORZRES);
  ReleaseDC(NULL, screen);
  EXPECT_EQ(header.rclFrame.left, 0);
  EXPECT_EQ(header.rclFrame.top, 0);
  EXPECT_NEAR(header.rclFrame.right, 301.0 * mmWidth * 100 / pxWidth, 301.0 * mmWidth / pxWidth);
  char description[32] = {};
  UINT n = GetEnhMetaFileDescriptionA(emf, sizeof description, description);
  ASSERT_EQ(n, 11u);
  EXPECT_EQ(std::string(description, 10), std::string("Vesk\0Copy\0", 10));
  DeleteEnhMetaFile(emf);

  exporter.SetPath(Path("view.wmf").c_str());
  ASSERT_TRUE(exporter.Write()) << exporter.m_strError.GetString();
  std::string wmf = ReadBytes(Path("view.wmf"));
  ASSERT_GT(wmf.size(), 18u);
  auto word = [&](size_t at) { return *reinterpret_cast<const WORD*>(wmf.data() + at); };
  EXPECT_NE(*reinterpret_cast<const DWORD*>(wmf.data()), 0x9AC6CDD7u);  // not placeable
  EXPECT_EQ(word(2), 9);                                              // header size in words
  // It plays back: the red block lands where it was drawn.
  HMETAFILE played = GetMetaFileA(Path("view.wmf").c_str());
  ASSERT_NE(played, nullptr);
  CDC dc;
  ASSERT_TRUE(dc.CreateCompatibleDC(NULL));
  CBitmap bmp;
  bmp.CreateBitmap(301, 200, 1, 32, NULL);
  CBitmap* old = dc.SelectObject(&bmp);
  dc.FillSolidRect(0, 0, 301, 200, RGB(255, 255, 255));
  EXPECT_TRUE(dc.PlayMetaFile(played));
  EXPECT_EQ(dc.GetPixel(100, 70), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(200, 70), RGB(255, 255, 255));
  dc.SelectObject(old);
  DeleteMetaFile(played);
}

TEST_F(ImageExportTest, EmptyViewAndUnknownFormatWriteNothing) {
  CChartImageExporter exporter(&view);
  exporter.SetPath(Path("view.png").c_str());
  EXPECT_FALSE(exporter.Write());
  EXPECT_STREQ(exporter.m_strError, "Unsupported image format");
  EXPECT_EQ(GetFileAttributesA(Path("view.png").c_str()), INVALID_FILE_ATTRIBUTES);

  view.MoveWindow(0, 0, 0, 0);
  EXPECT_FALSE(exporter.HasPicture());
  for (const char* name : {"empty.jpg", "empty.bmp", "empty.emf", "empty.wmf"}) {
    exporter.SetPath(Path(name).c_str());
    EXPECT_FALSE(exporter.Write()) << name;
    EXPECT_FALSE(exporter.m_strError.IsEmpty());
    EXPECT_EQ(GetFileAttributesA(Path(name).c_str()), INVALID_FILE_ATTRIBUTES) << name;
  }
  // A folder that does not exist.
  view.MoveWindow(0, 0, 301, 200);
  for (const char* name : {"Q:\\none\\x.jpg", "Q:\\none\\x.bmp", "Q:\\none\\x.emf", "Q:\\none\\x.wmf"}) {
    exporter.SetPath(name);
    EXPECT_FALSE(exporter.Write()) << name;
    EXPECT_FALSE(exporter.m_strError.IsEmpty()) << name;
  }
}

TEST_F(ImageExportTest, ReportTextReachesTheClipboard) {
  const char* text = "Mohr-Coulomb Criterion\r\n\tcohesion\t\t\t\t10\tMPa\r\n";
  ASSERT_TRUE(CopyTextToClipboard(view.m_hWnd, text));
  ASSERT_TRUE(OpenClipboard(view.m_hWnd));
  HANDLE data = GetClipboardData(CF_TEXT);
  ASSERT_NE(data, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(data)), text);
  GlobalUnlock(data);
  CloseClipboard();
  // A stale error from before does not stop the copy.
  SetLastError(ERROR_ACCESS_DENIED);
  EXPECT_TRUE(CopyTextToClipboard(view.m_hWnd, "second"));
  // The clipboard held by someone else: the copy fails and frees its block.
  ASSERT_TRUE(OpenClipboard(frame.m_hWnd));
  EXPECT_FALSE(CopyTextToClipboard(view.m_hWnd, "third"));
  CloseClipboard();
}

}  // namespace
