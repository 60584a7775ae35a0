// The layer's own modules ("user32", "kernel32", ...) and their exports.
// Nothing is loaded from disk: each layer registers the functions it offers,
// so code that probes for an API at run time (GetProcAddress) finds exactly
// what the layer implements, and a test can take an export away.
#pragma once

#include "platform/Win32Types.h"

namespace win32 {

// Names are case-insensitive and the ".dll" suffix is optional. A null name
// gives the executable's own module.
HMODULE GetModuleHandleA(LPCSTR moduleName);
// Unknown module: nullptr with ERROR_MOD_NOT_FOUND. Each call adds a reference.
HMODULE LoadLibraryA(LPCSTR libFileName);
// Drops a reference taken by LoadLibraryA. The modules live as long as the
// process, like the system DLLs a program is linked against.
BOOL FreeLibrary(HMODULE module);
// Missing export (or an ordinal): nullptr with ERROR_PROC_NOT_FOUND.
FARPROC GetProcAddress(HMODULE module, LPCSTR procName);

}  // namespace win32
