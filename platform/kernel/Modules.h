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

// Adds or replaces an export; false when the module is not one of ours.
bool RegisterModuleExport(LPCSTR moduleName, LPCSTR procName, FARPROC address);

// Function pointers of any type to and from FARPROC. The detour through
// void(*)() is the cast compilers accept between unrelated function types.
template <class Function>
FARPROC ToFarProc(Function* function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}
template <class Function>
Function* FromFarProc(FARPROC proc) {
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(proc));
}

template <class Function>
bool RegisterModuleExport(LPCSTR moduleName, LPCSTR procName, Function* function) {
    return RegisterModuleExport(moduleName, procName, ToFarProc(function));
}
// Takes an export away and returns what it was (nullptr when it had none), so
// a test can restore it with RegisterModuleExport.
FARPROC RemoveModuleExport(LPCSTR moduleName, LPCSTR procName);

// References LoadLibraryA holds on a module (0 for an unknown handle).
int ModuleLoadCount(HMODULE module);

}  // namespace win32
