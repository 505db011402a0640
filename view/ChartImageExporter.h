// Image files of what a view shows: its OnDraw rendered at the client area's size into a
// bitmap (written as JPEG or BMP) or into a metafile (EMF, or WMF converted from it).
#pragma once

#include <windows.h>

#include "framework/base/CString.h"

class CView;

class CChartImageExporter {
 public:
  enum { FORMAT_NONE = 0, FORMAT_JPEG = 1, FORMAT_BMP = 2, FORMAT_EMF = 3, FORMAT_WMF = 4 };

  explicit CChartImageExporter(CView* view);
  virtual ~CChartImageExporter();
  CChartImageExporter(const CChartImageExporter&) = delete;
  CChartImageExporter& operator=(const CChartImageExporter&) = delete;

  // The format a file name's extension names, in any case: jpg, bmp, emf, wmf; else none.
  static int FormatOfPath(const char* path);

  // Sets the path and the format from its extension.
  void SetPath(const char* path);
  // Writes the path in m_nFormat. FALSE with m_strError set when nothing (or not everything)
  // could be written; no partial file is left then.
  BOOL Write();
  BOOL WriteJpeg();
  BOOL WriteBmp();
  BOOL WriteEmf();
  BOOL WriteWmf();

  // The view's client area is empty (a minimised or squeezed view): there is nothing to draw.
  BOOL HasPicture() const;

  int m_nFormat = FORMAT_NONE;
  CString m_strPath;
  CString m_strError;
  COLORREF m_crBackground = RGB(255, 255, 255);

 protected:
  // The view drawn into a 24-bit packed DIB in a global block (the caller frees it); NULL with
  // m_strError on failure.
  HGLOBAL RenderDib();
  // The view drawn into an enhanced metafile (on the path, or in memory for a NULL path); NULL
  // with m_strError on failure. The frame is the client area in 0.01 mm.
  HENHMETAFILE RenderMetafile(const char* path);

  CView* m_pView;
  HPALETTE m_hPalette = NULL;
};
