#include "shell/PageSetupLogic.h"

#include <cmath>

const BuiltInAutoFormat kBuiltInAutoFormats[PAGE_SETUP_BUILT_IN_FORMATS] = {
    {"Landscape - Default", 0, 1.0, 0.5, 0.5, 0.5},
    {"Landscape - Binding on Top", 0, 0.5, 1.5, 0.5, 0.5},
    {"Landscape - Full Page", 0, -1, -1, -1, -1},
    {"Portrait - Logotip at the Top", 1, 0.75, 1.5, 0.35, 0.75},
    {"Portrait - Binding on Left", 1, 1.5, 0.5, 0.5, 0.5},
    {"Portrait - Full Page", 1, -1, -1, -1, -1},
    {"Portrait - Large Binding on Left", 1, 1.3, 0.8, 1.0, 1.9},
};

namespace {
bool g_firstClampDone = false;

double Usable(double value) {
  return std::isfinite(value) && value >= 0.0 ? value : 0.0;
}
}  // namespace

void CPageSetupLogic::ResetFirstClamp() {
  g_firstClampDone = false;
}

CPageSetupLogic::CPageSetupLogic(IPageSetupPrinter& printer, IMarginAutoFormats& formats)
    : m_printer(printer), m_formats(formats) {}

void CPageSetupLogic::ClampMargins(PageSetupRecord& record) {
  if (!g_firstClampDone) {
    g_firstClampDone = true;
    InitFromPrinter(record);
    return;
  }
  Clamp(record);
}

void CPageSetupLogic::Clamp(PageSetupRecord& record) {
  const double minTopBottom = Usable(record.minMarginTopBottom);
  const double minLeftRight = Usable(record.minMarginLeftRight);
  bool changed = false;
  // A margin below its offset (or one that is no number at all) is raised to it.
  auto raise = [&changed](double& margin, double minimum) {
    if (!std::isfinite(margin) || margin < minimum) {
      margin = minimum;
      changed = true;
    }
  };
  raise(record.top, minTopBottom);
  raise(record.bottom, minTopBottom);
  raise(record.left, minLeftRight);
  raise(record.right, minLeftRight);
  auto lower = [&changed](double& margin, double minimum) {
    if (margin != minimum) changed = true;
    margin = minimum;
  };
  if (record.top + record.bottom >= record.paperHeight - minTopBottom) {
    lower(record.bottom, minTopBottom);
    if (record.top + record.bottom >= record.paperHeight - minTopBottom)
      lower(record.top, minTopBottom);
  }
  if (record.left + record.right >= record.paperWidth - minLeftRight) {
    lower(record.right, minLeftRight);
    if (record.left + record.right >= record.paperWidth - minLeftRight) {
      lower(record.left, minLeftRight);
      record.autoFormat = -1;
    }
  }
  if (changed) record.autoFormat = -1;
}

void CPageSetupLogic::ReadPaper(PageSetupRecord& record) {
  // Without a printer the record keeps its paper and offsets.
  m_printer.ReadPrintableArea(record);
}

void CPageSetupLogic::InitFromPrinter(PageSetupRecord& record) {
  if (record.autoFormat < 0) {
    m_printer.SetOrientation(!record.portrait);
    ReadPaper(record);
    Clamp(record);
    return;
  }
  ApplyAutoFormat(record, record.autoFormat, nullptr);
}

void CPageSetupLogic::ApplyAutoFormat(PageSetupRecord& record, int index, const char* userName) {
  if (index < 0) return;
  if (index < PAGE_SETUP_BUILT_IN_FORMATS) {
    const BuiltInAutoFormat& format = kBuiltInAutoFormats[index];
    m_printer.SetOrientation(!format.portrait);
    ReadPaper(record);
    record.portrait = format.portrait;
    double minLeftRight = Usable(record.minMarginLeftRight);
    double minTopBottom = Usable(record.minMarginTopBottom);
    record.left = format.left < 0 ? minLeftRight : format.left;
    record.top = format.top < 0 ? minTopBottom : format.top;
    record.right = format.right < 0 ? minLeftRight : format.right;
    record.bottom = format.bottom < 0 ? minTopBottom : format.bottom;
    record.autoFormat = index;
    Clamp(record);
    return;
  }
  // A user auto-format, found by its name: the shared list may have changed meanwhile.
  CString name = userName ? CString(userName) : CString();
  if (name.IsEmpty()) {
    std::vector<CString> names = m_formats.Names();
    size_t place = (size_t)(index - PAGE_SETUP_BUILT_IN_FORMATS);
    if (place < names.size()) name = names[place];
  }
  MarginAutoFormat format;
  format.portrait = 1;
  format.top = record.top;
  format.bottom = record.bottom;
  format.left = record.left;
  format.right = record.right;
  if (name.IsEmpty() || !m_formats.Read(name, &format)) {
    record.autoFormat = -1;
    return;
  }
  m_printer.SetOrientation(!format.portrait);
  ReadPaper(record);
  record.portrait = format.portrait ? 1 : 0;
  record.top = format.top;
  record.bottom = format.bottom;
  record.left = format.left;
  record.right = format.right;
  record.autoFormat = index;
  Clamp(record);
}

std::vector<CString> CPageSetupLogic::AutoFormatNames() {
  std::vector<CString> names;
  for (const BuiltInAutoFormat& f : kBuiltInAutoFormats) names.push_back(f.name);
  for (const CString& n : m_formats.Names()) names.push_back(n);
  return names;
}

CString CPageSetupLogic::CheckNewName(const char* name) {
  CString text(name);
  if (text.GetLength() < 2) return "The name of an Auto-Format needs at least two characters.";
  if (text.Find('\\') >= 0) return "The name of an Auto-Format cannot hold a backslash (\\).";
  for (const BuiltInAutoFormat& f : kBuiltInAutoFormats)
    if (text.CompareNoCase(f.name) == 0) return "The built-in Auto-Formats cannot be replaced.";
  return CString();
}

PageSetupRecord DisplayLengths(const PageSetupRecord& record) {
  PageSetupRecord shown = record;
  if (record.inches) return shown;
  for (double* length : {&shown.paperHeight, &shown.paperWidth, &shown.minMarginLeftRight,
                         &shown.minMarginTopBottom, &shown.left, &shown.top, &shown.right,
                         &shown.bottom})
    *length *= kCentimetresPerInch;
  return shown;
}

double MarginFromDisplay(const PageSetupRecord& record, double shown) {
  return record.inches ? shown : shown * kInchesPerCentimetre;
}
