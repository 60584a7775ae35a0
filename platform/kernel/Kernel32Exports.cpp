#include "platform/kernel/Kernel32Exports.h"

#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/Handles.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Modules.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/Processes.h"
#include "platform/kernel/ShortPath.h"
#include "platform/kernel/Version.h"

namespace win32::kernel {

namespace {
template <class Function>
std::pair<const char*, FARPROC> Export(const char* name, Function* function) {
    return {name, ToFarProc(function)};
}
}  // namespace

std::vector<std::pair<const char*, FARPROC>> Kernel32Exports() {
    return {
        Export("CloseHandle", &CloseHandle),
        Export("CreatePipe", &CreatePipe),
        Export("CreateProcessA", &CreateProcessA),
        Export("FreeLibrary", &FreeLibrary),
        Export("GetCurrentProcessId", &GetCurrentProcessId),
        Export("GetLastError", &GetLastError),
        Export("GetModuleHandleA", &GetModuleHandleA),
        Export("GetProcAddress", &GetProcAddress),
        Export("GetShortPathNameA", &GetShortPathNameA),
        Export("GetVersionExA", &GetVersionExA),
        Export("LoadLibraryA", &LoadLibraryA),
        Export("ReadFile", &ReadFile),
        Export("SetLastError", &SetLastError),
        Export("WriteFile", &WriteFile),
    };
}

}  // namespace win32::kernel
