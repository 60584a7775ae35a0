// Starting processes: CreateProcessA with the standard handles on pipes.
#pragma once

#include "platform/Win32Types.h"
#include "platform/kernel/Pipes.h"

namespace win32 {

using LPBYTE = BYTE*;

struct STARTUPINFOA {
    DWORD cb = 0;
    LPSTR lpReserved = nullptr;
    LPSTR lpDesktop = nullptr;
    LPSTR lpTitle = nullptr;
    DWORD dwX = 0;
    DWORD dwY = 0;
    DWORD dwXSize = 0;
    DWORD dwYSize = 0;
    DWORD dwXCountChars = 0;
    DWORD dwYCountChars = 0;
    DWORD dwFillAttribute = 0;
    DWORD dwFlags = 0;
    WORD wShowWindow = 0;
    WORD cbReserved2 = 0;
    LPBYTE lpReserved2 = nullptr;
    HANDLE hStdInput = nullptr;
    HANDLE hStdOutput = nullptr;
    HANDLE hStdError = nullptr;
};
using LPSTARTUPINFOA = STARTUPINFOA*;

struct PROCESS_INFORMATION {
    HANDLE hProcess = nullptr;
    HANDLE hThread = nullptr;
    DWORD dwProcessId = 0;
    DWORD dwThreadId = 0;
};
using LPPROCESS_INFORMATION = PROCESS_INFORMATION*;

constexpr DWORD STARTF_USESHOWWINDOW = 0x00000001;
constexpr DWORD STARTF_USESTDHANDLES = 0x00000100;
constexpr DWORD NORMAL_PRIORITY_CLASS = 0x00000020;
constexpr DWORD ERROR_BAD_EXE_FORMAT = 193;
constexpr DWORD ERROR_DIRECTORY = 267;

// Without lpApplicationName the program is the command line's first token,
// searched in the application folder, the current folder, the system folder
// (where "cmd" lives) and PATH, as named and with ".exe". The child receives
// the command line split by the Windows rules, except the layer's own cmd,
// which receives it raw (see kRawCommandLineFlag); where cmd would only start
// one program, that program is started in its place (InterpreterStandIn.h),
// and the handle is the program's. With STARTF_USESTDHANDLES
// the three handles become the child's descriptors 0, 1 and 2 (a null or
// non-inheritable one becomes /dev/null); the child inherits nothing else.
// Window placement and creation flags mean nothing here and are ignored.
// Not found: FALSE, ERROR_FILE_NOT_FOUND, nothing created.
BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES lpProcessAttributes,
                    LPSECURITY_ATTRIBUTES lpThreadAttributes, BOOL bInheritHandles, DWORD dwCreationFlags,
                    LPVOID lpEnvironment, LPCSTR lpCurrentDirectory, LPSTARTUPINFOA lpStartupInfo,
                    LPPROCESS_INFORMATION lpProcessInformation);

}  // namespace win32
