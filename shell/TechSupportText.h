// The system-information text of the Technical Support dialog and the mail link that carries
// it, built from facts gathered elsewhere (SystemInfo), so the text is the same whatever the
// machine and can be checked line by line.
#pragma once

#include "framework/base/CString.h"
#include "framework/base/WinTypes.h"

// The support mailbox and the program's web site.
extern const char kSupportMailbox[];
extern const char kProgramWebSite[];

struct SystemInfo {
  CString program;    // "Quarvex"
  CString version;    // the version line
  CString buildDate;  // the compiler's date, e.g. "Sep 12 2005"

  BOOL haveOs = FALSE;  // FALSE when the version query failed: no OS lines
  DWORD platform = 0, major = 0, minor = 0, build = 0;
  CString servicePack;  // e.g. "Service Pack 1"; may be empty
  CString wineVersion;  // the Wine release when the program runs under Wine, else empty

  BOOL haveCpuKey = FALSE;  // the processor's registry key opened
  BOOL haveMhz = FALSE;
  DWORD mhz = 0;
  BOOL haveVendor = FALSE;
  CString vendor;

  double totalPhysical = 0, availablePhysical = 0, totalVirtual = 0;  // bytes
  int screenWidth = 0, screenHeight = 0, bitsPerPixel = 0;
};

// The name of the operating system from the version query's platform, major and minor
// version and build number; "Unable to determine OS" when nothing matches.
CString GetOsName(DWORD platform, DWORD major, DWORD minor, DWORD build);

// The whole text, lines ending in CR LF.
CString BuildTechSupportText(const SystemInfo& info);

// "mailto:<mailbox>?subject=Technical_Support&body=<text>" with the body percent-encoded
// (line breaks as %0D%0A). Mail programs and the shell stop reading long addresses, so a text
// that would make the address longer than maxLength is cut after its last whole line that
// fits, and a line saying so ends the body.
CString BuildSupportMailTarget(const CString& mailbox, const CString& text, int maxLength = 2000);
