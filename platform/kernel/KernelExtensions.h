// What our kernel layer offers beyond the platform's API: the table of
// module exports, the program's folder, a handle count for tests and a
// hook for a display before a pipe read waits.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "platform/Win32Types.h"

namespace win32 {

// Open kernel handles of this process, for leak checks in tests.
std::size_t OpenKernelHandleCount();

// Folder of the running executable, without a trailing separator; the first
// place CreateProcessA looks for a program.
const std::string& ApplicationFolder();

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

// A ReadFile on a pipe that is about to wait for data first calls the
// handler set on its thread, with a way to wait up to some milliseconds for
// data (true when data came). A display uses it to bring the screen up to
// date before the thread sleeps. An empty handler removes it.
using PipeWaitHandler = std::function<void(const std::function<bool(int milliseconds)>& waitForData)>;
void SetPipeWaitHandler(PipeWaitHandler handler);

}  // namespace win32
