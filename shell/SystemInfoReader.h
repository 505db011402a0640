// Reads what the technical-support text reports about this machine.
#pragma once

#include "shell/TechSupportText.h"

class CWnd;

// The processor's registry key under HKEY_LOCAL_MACHINE.
extern const char kProcessorKey[];

// The version of Windows (and of Wine, when the program runs under it), the processor's speed
// and vendor from processorKey, the memory, and the screen as window's device context sees it.
// Program, version and build date are left for the caller, but for the build date.
SystemInfo ReadSystemInfo(CWnd* window, const char* processorKey = kProcessorKey);
