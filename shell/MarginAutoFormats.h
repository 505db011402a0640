// The user's margin auto-formats in the registry: one key per auto-format under
// HKEY_CURRENT_USER\Software\Talvenor\SharedSettings\MarginsAutoFormats, named after it, with
// "portrait" (4 bytes) and "top", "bottom", "left", "right" (8-byte doubles, inches).
#pragma once

#include "shell/PageSetupLogic.h"

class CRegistryMarginAutoFormats : public IMarginAutoFormats {
 public:
  static const char kKey[];  // "Software\Talvenor\SharedSettings\MarginsAutoFormats"

  std::vector<CString> Names() override;
  // A stored margin that is not a finite, non-negative number keeps the value *format holds.
  bool Read(const char* name, MarginAutoFormat* format) override;
  bool Write(const char* name, const MarginAutoFormat& format) override;
  bool Remove(const char* name) override;
};
