// One program at a time: a second start hands its file to the program already running (the
// same conversation the shell's DDE open uses) and brings it forward, then ends.
#pragma once

#include <windows.h>

// TRUE when a running program with this service name (the program's module name) took the
// command line's file, or came forward when there is none; the caller then ends with code 0.
// A command line with switches (/dde, /p, ...) or a program that refuses the command (a dialog
// of its is open) gives FALSE: this start goes on by itself. Each start marks itself for the
// life of its process; the first start, finding no earlier mark, asks nobody.
BOOL HandToRunningInstance(LPCSTR commandLine, LPCSTR serviceName);
