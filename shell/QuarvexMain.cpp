// Entry point of quarvex.exe: one program at a time, then the application object's start-up,
// message loop and shut-down.
#include <windows.h>

#include "shell/KelStrengthApp.h"
#include "shell/SingleInstance.h"

// Built before WinMain runs; it reads the display settings from the registry.
CKelStrengthApp theApp;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
  // A program already running takes this start's file.
  if (HandToRunningInstance(commandLine, theApp.m_pszExeName)) return 0;
  return AfxWinMain(instance, commandLine, show);
}
