// The application's printer for the page set-up: its printable area through a printer DC, and
// turning it, which merges the orientation into the application's DEVMODE with the driver.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "shell/PageSetupLogic.h"

class CAppPageSetupPrinter : public IPageSetupPrinter {
 public:
  bool ReadPrintableArea(PageSetupRecord& record) override;
  bool SetOrientation(bool landscape) override;
};

// The driver's DocumentProperties for one printer: (out, in, mode) -> the driver's result
// (with out and in NULL and mode 0: the size of its DEVMODE).
typedef std::function<LONG(DEVMODEA* out, const DEVMODEA* in, DWORD mode)> DocumentPropertiesCall;

// The application's whole DEVMODE (public part and driver part, by its own sizes) turned to
// the orientation and merged by the driver into a block of the driver's size. False when the
// driver does not know orientations or refuses.
bool MergeOrientation(const DEVMODEA* current, bool landscape,
                      const DocumentPropertiesCall& documentProperties, std::vector<BYTE>* merged);
