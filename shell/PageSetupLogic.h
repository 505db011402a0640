// The rules of the page set-up without its dialog: the seven built-in margin auto-formats and
// the user's own, keeping margins inside the printable area, and what the dialog shows in
// centimetres. The printer and the store of user auto-formats are interfaces, so the rules are
// tested with fakes; the program's implementations are the application's printer and the
// shared-settings key of the registry.
#pragma once

#include <vector>

#include "framework/base/CString.h"
#include "shell/PageSetupRecord.h"

// The application's printer as the page set-up uses it.
class IPageSetupPrinter {
 public:
  virtual ~IPageSetupPrinter() = default;
  // Paper size, unprintable offsets (inches) and portrait flag of the printer in its current
  // orientation; false (record unchanged) without a printer or with a printer that reports no
  // resolution.
  virtual bool ReadPrintableArea(PageSetupRecord& record) = 0;
  // Turns the printer; false when there is none, it is turned so already, or it refuses.
  virtual bool SetOrientation(bool landscape) = 0;
};

// A user auto-format as stored: orientation and four margins in inches.
struct MarginAutoFormat {
  BOOL portrait = 1;
  double top = 1.0, bottom = 1.0, left = 1.0, right = 1.0;
};

// The user auto-formats (shared with the sibling programs).
class IMarginAutoFormats {
 public:
  virtual ~IMarginAutoFormats() = default;
  // Names in the store's order.
  virtual std::vector<CString> Names() = 0;
  // Reads one; values missing or not usable keep what *format holds. False when there is no
  // auto-format of that name.
  virtual bool Read(const char* name, MarginAutoFormat* format) = 0;
  virtual bool Write(const char* name, const MarginAutoFormat& format) = 0;
  virtual bool Remove(const char* name) = 0;
};

struct BuiltInAutoFormat {
  const char* name;
  BOOL portrait;
  // Margins in inches; a negative value stands for the printer's unprintable offset.
  double left, top, right, bottom;
};

enum { PAGE_SETUP_BUILT_IN_FORMATS = 7 };
extern const BuiltInAutoFormat kBuiltInAutoFormats[PAGE_SETUP_BUILT_IN_FORMATS];

class CPageSetupLogic {
 public:
  CPageSetupLogic(IPageSetupPrinter& printer, IMarginAutoFormats& formats);

  // Keeps the margins inside the printable area: each at least its unprintable offset, top and
  // bottom (left and right) leaving paper between them; a margin moved makes the margins the
  // user's own (index -1). The first call of the process sets the record up from the printer
  // instead (InitFromPrinter).
  void ClampMargins(PageSetupRecord& record);
  // The record from the printer: its own margins (index -1) with the printer turned to the
  // record's orientation and the paper read back, else its auto-format applied.
  void InitFromPrinter(PageSetupRecord& record);
  // Applies auto-format index: the built-in ones by table, the user's (7 and up) by name (NULL:
  // the name at that place in the store). The printer is turned to its orientation and the
  // paper read back; the margins are clamped. A user auto-format that is not there any more
  // leaves the margins and makes them the user's own.
  void ApplyAutoFormat(PageSetupRecord& record, int index, const char* userName = nullptr);

  // The auto-format names as the dialog lists them: the built-in ones, then the user's.
  std::vector<CString> AutoFormatNames();
  // Why a name cannot be given to a new auto-format ("" when it can).
  CString CheckNewName(const char* name);

  // The first clamp of the process initialises; tests start over with this.
  static void ResetFirstClamp();

 private:
  void ReadPaper(PageSetupRecord& record);
  void Clamp(PageSetupRecord& record);

  IPageSetupPrinter& m_printer;
  IMarginAutoFormats& m_formats;
};

// Centimetres per inch, and the factor back.
const double kCentimetresPerInch = 2.54;
const double kInchesPerCentimetre = 0.39370078740157477;

// The lengths the dialog shows: the record's in inches, or in centimetres when the record's
// unit says so. The record itself always stays in inches.
PageSetupRecord DisplayLengths(const PageSetupRecord& record);
// A margin as typed in the dialog's unit, in inches.
double MarginFromDisplay(const PageSetupRecord& record, double shown);
