#include "shell/PageSetupPrinter.h"

#include <winspool.h>

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "framework/win/AfxCore.h"
#include "framework/win/Printing.h"
#include "framework/win/WinApp.h"

namespace {
// The device name of the application's printer.
CString DeviceName(HGLOBAL devNames) {
  CPrintDialog names(TRUE);
  names.m_pd.hDevNames = devNames;
  CString device = names.GetDeviceName();
  names.m_pd.hDevNames = NULL;
  return device;
}
}  // namespace

bool CAppPageSetupPrinter::ReadPrintableArea(PageSetupRecord& record) {
  CWinApp* app = AfxGetApp();
  PRINTDLGA pd = {};
  if (!app || !app->GetPrinterDeviceDefaults(&pd)) return false;
  BOOL portrait = record.portrait;
  if (auto* mode = static_cast<const DEVMODEA*>(::GlobalLock(app->m_hDevMode))) {
    portrait = mode->dmOrientation == DMORIENT_PORTRAIT;
    ::GlobalUnlock(app->m_hDevMode);
  }
  HDC dc = AfxCreateDC(app->m_hDevNames, app->m_hDevMode);
  if (!dc) return false;
  int x = ::GetDeviceCaps(dc, LOGPIXELSX), y = ::GetDeviceCaps(dc, LOGPIXELSY);
  int width = ::GetDeviceCaps(dc, PHYSICALWIDTH), height = ::GetDeviceCaps(dc, PHYSICALHEIGHT);
  int offX = ::GetDeviceCaps(dc, PHYSICALOFFSETX), offY = ::GetDeviceCaps(dc, PHYSICALOFFSETY);
  ::DeleteDC(dc);
  if (x <= 0 || y <= 0) return false;
  record.portrait = portrait;
  record.minMarginLeftRight = (double)offX / x;
  record.minMarginTopBottom = (double)offY / y;
  record.paperWidth = (double)width / x;
  record.paperHeight = (double)height / y;
  return true;
}

bool MergeOrientation(const DEVMODEA* current, bool landscape,
                      const DocumentPropertiesCall& documentProperties, std::vector<BYTE>* merged) {
  if (!current || current->dmSize < offsetof(DEVMODEA, dmOrientation) + sizeof(short)) return false;
  LONG size = documentProperties(nullptr, nullptr, 0);
  if (size < (LONG)(offsetof(DEVMODEA, dmOrientation) + sizeof(short))) return false;
  // What the driver supports, from its own current settings.
  std::vector<BYTE> driver((size_t)size);
  if (documentProperties(reinterpret_cast<DEVMODEA*>(driver.data()), nullptr, DM_OUT_BUFFER) != IDOK)
    return false;
  if (!(reinterpret_cast<const DEVMODEA*>(driver.data())->dmFields & DM_ORIENTATION)) return false;
  // The application's settings, whole, with the orientation asked for.
  const BYTE* bytes = reinterpret_cast<const BYTE*>(current);
  std::vector<BYTE> input(bytes, bytes + current->dmSize + current->dmDriverExtra);
  DEVMODEA* in = reinterpret_cast<DEVMODEA*>(input.data());
  in->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  in->dmFields |= DM_ORIENTATION;
  merged->assign(std::max((size_t)size, input.size()), 0);
  if (documentProperties(reinterpret_cast<DEVMODEA*>(merged->data()), in,
                         DM_IN_BUFFER | DM_OUT_BUFFER) != IDOK)
    return false;
  const DEVMODEA* out = reinterpret_cast<const DEVMODEA*>(merged->data());
  merged->resize(std::min(merged->size(), (size_t)out->dmSize + out->dmDriverExtra));
  return true;
}

bool CAppPageSetupPrinter::SetOrientation(bool landscape) {
  CWinApp* app = AfxGetApp();
  PRINTDLGA pd = {};
  if (!app || !app->GetPrinterDeviceDefaults(&pd) || !app->m_hDevMode) return false;
  auto* mode = static_cast<DEVMODEA*>(::GlobalLock(app->m_hDevMode));
  if (!mode) return false;
  short wanted = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
  if ((mode->dmFields & DM_ORIENTATION) && mode->dmOrientation == wanted) {
    ::GlobalUnlock(app->m_hDevMode);
    return false;
  }
  CString device = DeviceName(app->m_hDevNames);
  // Using a printer's settings needs no more than the right to print on it.
  PRINTER_DEFAULTSA defaults = {NULL, mode, PRINTER_ACCESS_USE};
  HANDLE printer = NULL;
  std::vector<BYTE> merged;
  bool ok = false;
  if (::OpenPrinterA(const_cast<char*>(device.GetString()), &printer, &defaults)) {
    ok = MergeOrientation(
        mode, landscape,
        [&](DEVMODEA* out, const DEVMODEA* in, DWORD how) {
          return ::DocumentPropertiesA(NULL, printer, const_cast<char*>(device.GetString()), out,
                                       const_cast<DEVMODEA*>(in), how);
        },
        &merged);
    ::ClosePrinter(printer);
  }
  ::GlobalUnlock(app->m_hDevMode);
  if (!ok) return false;
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, merged.size());
  if (!block) return false;
  memcpy(::GlobalLock(block), merged.data(), merged.size());
  ::GlobalUnlock(block);
  app->SelectPrinter(app->m_hDevNames, block, TRUE);
  return true;
}
