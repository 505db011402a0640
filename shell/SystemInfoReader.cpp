// Gathering the system information of the technical-support text.
#include "shell/SystemInfoReader.h"

#include "core/version/VersionText.h"
#include "framework/win/AfxWin.h"

const char kProcessorKey[] = "Hardware\\Description\\System\\CentralProcessor\\0";

namespace {

void ReadOs(SystemInfo& info) {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!::GetVersionExA(&version)) return;
#pragma GCC diagnostic pop
  info.haveOs = TRUE;
  info.platform = version.dwPlatformId;
  info.major = version.dwMajorVersion;
  info.minor = version.dwMinorVersion;
  info.build = version.dwBuildNumber;
  version.szCSDVersion[sizeof(version.szCSDVersion) - 1] = 0;
  info.servicePack = version.szCSDVersion;
  typedef const char*(__cdecl * WineVersionFn)();
  if (HMODULE ntdll = ::GetModuleHandleA("ntdll.dll")) {
    auto wineVersion = reinterpret_cast<WineVersionFn>(
        reinterpret_cast<void*>(::GetProcAddress(ntdll, "wine_get_version")));
    if (wineVersion) info.wineVersion = wineVersion();
  }
}

void ReadProcessor(SystemInfo& info, const char* processorKey) {
  HKEY key = NULL;
  if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, processorKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
    return;
  info.haveCpuKey = TRUE;
  DWORD type = 0, mhz = 0, size = sizeof(mhz);
  if (::RegQueryValueExA(key, "~MHz", NULL, &type, reinterpret_cast<BYTE*>(&mhz), &size) ==
          ERROR_SUCCESS &&
      type == REG_DWORD && size == sizeof(mhz)) {
    info.haveMhz = TRUE;
    info.mhz = mhz;
  }
  // Up to 64 bytes; a string that fills them need not end with a terminator.
  char vendor[65] = "";
  size = 64;
  if (::RegQueryValueExA(key, "VendorIdentifier", NULL, &type, reinterpret_cast<BYTE*>(vendor),
                         &size) == ERROR_SUCCESS &&
      type == REG_SZ) {
    vendor[size < 64 ? size : 64] = 0;
    info.haveVendor = TRUE;
    info.vendor = vendor;
  }
  ::RegCloseKey(key);
}

}  // namespace

SystemInfo ReadSystemInfo(CWnd* window, const char* processorKey) {
  SystemInfo info;
  CString date = GetBuildDateText();
  const CString prefix = "Build date: ";
  if (date.Left(prefix.GetLength()) == prefix) date = date.Mid(prefix.GetLength());
  info.buildDate = date;

  ReadOs(info);
  ReadProcessor(info, processorKey);

  MEMORYSTATUSEX memory = {};
  memory.dwLength = sizeof(memory);
  if (::GlobalMemoryStatusEx(&memory)) {
    info.totalPhysical = static_cast<double>(memory.ullTotalPhys);
    info.availablePhysical = static_cast<double>(memory.ullAvailPhys);
    info.totalVirtual = static_cast<double>(memory.ullTotalVirtual);
  }

  CClientDC dc(window);
  info.screenWidth = dc.GetDeviceCaps(HORZRES);
  info.screenHeight = dc.GetDeviceCaps(VERTRES);
  info.bitsPerPixel = dc.GetDeviceCaps(BITSPIXEL);
  return info;
}
