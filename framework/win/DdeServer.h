// The shell's DDE open: once the application enables shell open, its main frame answers
// conversations on the application's "system" topic and runs the commands it is sent
// ([open("path")]) through the application.
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/base/CString.h"

// The text of an execute request's data: ANSI, or wide characters when it starts with one
// (the shell may send either); it ends at the first NUL or after size bytes.
CString AfxDdeCommandText(const void* data, size_t size);
