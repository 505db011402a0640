#include "view/ChartImageExporter.h"

#include <algorithm>
#include <vector>

#include "framework/base/File.h"
#include "framework/win/DeviceContext.h"
#include "framework/win/View.h"
#include "view/DibImage.h"

namespace {
// Writes nothing more into a file that failed: it goes.
void RemoveFile(const CString& path) {
  ::DeleteFileA(path);
}
}  // namespace

CChartImageExporter::CChartImageExporter(CView* view) : m_pView(view) {}

CChartImageExporter::~CChartImageExporter() {
  if (m_hPalette) ::DeleteObject(m_hPalette);
}

int CChartImageExporter::FormatOfPath(const char* path) {
  CString name(path);
  int dot = name.ReverseFind('.');
  int slash = std::max(name.ReverseFind('\\'), name.ReverseFind('/'));
  if (dot < 0 || dot < slash) return FORMAT_NONE;
  CString ext = name.Mid(dot + 1);
  ext.MakeLower();
  if (ext == "jpg") return FORMAT_JPEG;
  if (ext == "bmp") return FORMAT_BMP;
  if (ext == "emf") return FORMAT_EMF;
  if (ext == "wmf") return FORMAT_WMF;
  return FORMAT_NONE;
}

void CChartImageExporter::SetPath(const char* path) {
  m_strPath = path;
  m_nFormat = FormatOfPath(path);
}

BOOL CChartImageExporter::HasPicture() const {
  if (!m_pView || !m_pView->m_hWnd) return FALSE;
  RECT client;
  ::GetClientRect(m_pView->m_hWnd, &client);
  return client.right > client.left && client.bottom > client.top;
}

BOOL CChartImageExporter::Write() {
  m_strError.Empty();
  switch (m_nFormat) {
    case FORMAT_JPEG: return WriteJpeg();
    case FORMAT_BMP: return WriteBmp();
    case FORMAT_EMF: return WriteEmf();
    case FORMAT_WMF: return WriteWmf();
    default: m_strError = "Unsupported image format"; return FALSE;
  }
}

HGLOBAL CChartImageExporter::RenderDib() {
  if (!HasPicture()) {
    m_strError = "The view has no area to draw.";
    return NULL;
  }
  RECT client;
  ::GetClientRect(m_pView->m_hWnd, &client);
  int width = client.right, height = client.bottom;
  CClientDC screen(m_pView);
  CDC memory;
  if (!memory.CreateCompatibleDC(&screen)) {
    m_strError = "No drawing context could be made.";
    return NULL;
  }
  HBITMAP bitmap = ::CreateCompatibleBitmap(screen.m_hDC, width, height);
  if (!bitmap) {
    m_strError = "The picture is too large for the memory available.";
    return NULL;
  }
  HGDIOBJ oldBitmap = ::SelectObject(memory.m_hDC, bitmap);
  memory.SetMapMode(MM_TEXT);
  HPALETTE oldMemoryPalette = NULL;
  if (memory.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) {
    m_hPalette = ::CreateHalftonePalette(memory.m_hDC);
    if (m_hPalette) {
      oldMemoryPalette = ::SelectPalette(memory.m_hDC, m_hPalette, FALSE);
      ::RealizePalette(memory.m_hDC);
    }
  }
  memory.FillSolidRect(&client, m_crBackground);
  m_pView->OnDraw(&memory);
  ::SelectObject(memory.m_hDC, oldBitmap);  // GetDIBits wants the bitmap free

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = DibImageSize(&header);
  HGLOBAL dib = ::GlobalAlloc(GMEM_MOVEABLE, sizeof header + header.biSizeImage);
  BOOL ok = FALSE;
  if (dib) {
    HDC screenDc = ::GetDC(NULL);
    HPALETTE oldScreenPalette =
        ::SelectPalette(screenDc, m_hPalette ? m_hPalette : (HPALETTE)::GetStockObject(DEFAULT_PALETTE), FALSE);
    ::RealizePalette(screenDc);
    auto* info = static_cast<BITMAPINFOHEADER*>(::GlobalLock(dib));
    if (info) {
      *info = header;
      ok = ::GetDIBits(screenDc, bitmap, 0, (UINT)height, info + 1,
                       reinterpret_cast<BITMAPINFO*>(info), DIB_RGB_COLORS) == height;
      ::GlobalUnlock(dib);
    }
    ::SelectPalette(screenDc, oldScreenPalette, FALSE);
    ::ReleaseDC(NULL, screenDc);
  }
  if (oldMemoryPalette) ::SelectPalette(memory.m_hDC, oldMemoryPalette, FALSE);
  if (m_hPalette) {
    ::DeleteObject(m_hPalette);
    m_hPalette = NULL;
  }
  ::DeleteObject(bitmap);
  if (!ok) {
    if (dib) ::GlobalFree(dib);
    m_strError = "The picture could not be captured.";
    return NULL;
  }
  return dib;
}

BOOL CChartImageExporter::WriteJpeg() {
  HGLOBAL dib = RenderDib();
  if (!dib) return FALSE;
  auto* header = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib));
  BOOL ok = header && WriteJpegFile(header, 100, m_strPath, &m_strError);
  ::GlobalUnlock(dib);
  ::GlobalFree(dib);
  return ok;
}

BOOL CChartImageExporter::WriteBmp() {
  HGLOBAL dib = RenderDib();
  if (!dib) return FALSE;
  CFile file;
  CFileException problem;
  BOOL ok = FALSE;
  if (!file.Open(m_strPath, CFile::modeCreate | CFile::modeWrite, &problem)) {
    m_strError = problem.GetErrorMessage();
  } else {
    ok = WriteDibFile(file, dib);
    if (!file.Close()) ok = FALSE;
    if (!ok) {
      m_strError = "The file could not be written completely.";
      RemoveFile(m_strPath);
    }
  }
  ::GlobalFree(dib);
  return ok;
}

HENHMETAFILE CChartImageExporter::RenderMetafile(const char* path) {
  if (!HasPicture()) {
    m_strError = "The view has no area to draw.";
    return NULL;
  }
  RECT client;
  ::GetClientRect(m_pView->m_hWnd, &client);
  CClientDC screen(m_pView);
  // The client size in 0.01 mm of this display.
  POINT size = {client.right, client.bottom};
  int oldMode = ::SetMapMode(screen.m_hDC, MM_HIMETRIC);
  ::DPtoLP(screen.m_hDC, &size, 1);
  ::SetMapMode(screen.m_hDC, oldMode);
  RECT frame = {0, 0, size.x < 0 ? -size.x : size.x, size.y < 0 ? -size.y : size.y};
  HDC recorder =
      ::CreateEnhMetaFileA(screen.m_hDC, path, &frame, "Vesk\0Copy\0\0");
  if (!recorder) {
    m_strError = "The metafile could not be created.";
    return NULL;
  }
  CDC dc;
  dc.m_hDC = dc.m_hAttribDC = recorder;
  try {
    m_pView->OnDraw(&dc);
  } catch (...) {
    dc.m_hDC = dc.m_hAttribDC = NULL;
    ::DeleteEnhMetaFile(::CloseEnhMetaFile(recorder));
    if (path) RemoveFile(path);
    throw;
  }
  dc.m_hDC = dc.m_hAttribDC = NULL;
  HENHMETAFILE metafile = ::CloseEnhMetaFile(recorder);
  if (!metafile) {
    m_strError = "The metafile could not be completed.";
    if (path) RemoveFile(path);
  }
  return metafile;
}

BOOL CChartImageExporter::WriteEmf() {
  HENHMETAFILE metafile = RenderMetafile(m_strPath);
  if (!metafile) return FALSE;
  ::DeleteEnhMetaFile(metafile);  // the file stays
  return TRUE;
}

BOOL CChartImageExporter::WriteWmf() {
  HENHMETAFILE metafile = RenderMetafile(NULL);
  if (!metafile) return FALSE;
  BOOL ok = FALSE;
  HDC screen = ::GetDC(m_pView->m_hWnd);
  UINT size = ::GetWinMetaFileBits(metafile, 0, NULL, MM_TEXT, screen);
  if (size > 0) {
    std::vector<BYTE> bits(size);
    if (::GetWinMetaFileBits(metafile, size, bits.data(), MM_TEXT, screen) == size) {
      HMETAFILE plain = ::SetMetaFileBitsEx(size, bits.data());
      if (plain) {
        HMETAFILE copy = ::CopyMetaFileA(plain, m_strPath);
        if (copy) {
          ::DeleteMetaFile(copy);
          ok = TRUE;
        }
        ::DeleteMetaFile(plain);
      }
    }
  }
  ::ReleaseDC(m_pView->m_hWnd, screen);
  ::DeleteEnhMetaFile(metafile);
  if (!ok) {
    m_strError = "The Windows metafile could not be written.";
    RemoveFile(m_strPath);
  }
  return ok;
}
