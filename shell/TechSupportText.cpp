// Technical-support text and mail link.
#include "shell/TechSupportText.h"

#include "shell/WebUpdateLogic.h"

const char kSupportMailbox[] = "support@quarvex.example";
const char kProgramWebSite[] = "http://www.quarvex.example/";

namespace {

const char kCutNote[] = "[The text was cut here. Please use Copy and paste the whole text.]";

}  // namespace

CString GetOsName(DWORD platform, DWORD major, DWORD minor, DWORD build) {
  switch (platform) {
    case 0:
      return "Windows 3.1";
    case 1:
      return minor != 0 ? "Windows 98" : "Windows 95";
    case 2:
      if (major < 5) return "Windows NT";
      if (major == 5 && minor == 0) return "Windows 2000";
      if (major == 5 && minor == 1) return "Windows XP";
      if (major == 5 && minor == 2) return "Windows Server 2003/XP x64";
      if (major == 6 && minor == 0) return "Windows Vista";
      if (major == 6 && minor == 1) return "Windows 7";
      if (major == 6 && minor == 2) return "Windows 8";
      if (major == 6 && minor == 3) return "Windows 8.1";
      if (major == 10 && minor == 0) return build >= 22000 ? "Windows 11" : "Windows 10";
      break;
    default:
      break;
  }
  return "Unable to determine OS";
}

CString BuildTechSupportText(const SystemInfo& info) {
  CString text;
  text += "Program: " + info.program + "\r\n";
  text += info.version + "\r\n";
  text += "Build Date: " + info.buildDate + "\r\n";

  if (info.haveOs) {
    CString name = GetOsName(info.platform, info.major, info.minor, info.build);
    if (!info.wineVersion.IsEmpty()) name += " (Wine " + info.wineVersion + ")";
    text += "OS: " + name + "\r\n";
    // The 95/98 family keeps the version numbers in the high word of the build number.
    const DWORD build = info.platform == 1 ? (info.build & 0xFFFF) : info.build;
    text.AppendFormat("OS Version (Major: %u  Minor: %u Build: %u)\r\n",
                      static_cast<unsigned>(info.major), static_cast<unsigned>(info.minor),
                      static_cast<unsigned>(build));
    if (!info.servicePack.IsEmpty()) text += info.servicePack + "\r\n";
  }

  if (info.haveCpuKey) {
    if (info.haveMhz) text.AppendFormat("CPU Speed: %u Mhz ", static_cast<unsigned>(info.mhz));
    if (info.haveVendor) text += "CPU Vendor: " + info.vendor;
    text += "\r\n";
  }

  text.AppendFormat("Total Physical Memory: %9.0f KB\r\n", info.totalPhysical / 1024.0);
  text.AppendFormat("Available Physical Memory: %9.0f KB\r\n", info.availablePhysical / 1024.0);
  text.AppendFormat("Total Virtual Memory: %9.0f KB\r\n", info.totalVirtual / 1024.0);
  text.AppendFormat("Screen resolution: %d by %d, at %d bits per pixel\r\n", info.screenWidth,
                    info.screenHeight, info.bitsPerPixel);
  return text;
}

CString BuildSupportMailTarget(const CString& mailbox, const CString& text, int maxLength) {
  const CString head = "mailto:" + mailbox + "?subject=Technical_Support&body=";
  const CString whole = head + PercentEncode(text);
  if (whole.GetLength() <= maxLength) return whole;

  const CString note = PercentEncode(kCutNote);
  CString body;
  int start = 0;
  while (start < text.GetLength()) {
    int end = text.Find('\n', start);
    end = end < 0 ? text.GetLength() : end + 1;
    const CString line = PercentEncode(text.Mid(start, end - start));
    if (head.GetLength() + body.GetLength() + line.GetLength() + note.GetLength() > maxLength)
      break;
    body += line;
    start = end;
  }
  return head + body + note;
}
