// Entry point of quarvex.exe: the one application object and the framework's start-up, message
// loop and shut-down.
#include <windows.h>

#include "shell/KelStrengthApp.h"

// Built before WinMain runs; it reads the display settings from the registry.
CKelStrengthApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  return AfxWinMain(instance, commandLine, show);
}
