// Anonymous pipes and synchronous reads and writes on them.
#pragma once

#include "platform/Win32Types.h"

namespace win32 {

struct SECURITY_ATTRIBUTES {
    DWORD nLength = 0;
    LPVOID lpSecurityDescriptor = nullptr;
    BOOL bInheritHandle = FALSE;
};
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;

struct OVERLAPPED;
using LPOVERLAPPED = OVERLAPPED*;
using LPDWORD = DWORD*;
using PHANDLE = HANDLE*;

// The ends are inheritable only when attributes says so; a child receives an
// end solely through the standard handles of CreateProcessA. nSize is a hint.
BOOL CreatePipe(PHANDLE hReadPipe, PHANDLE hWritePipe, LPSECURITY_ATTRIBUTES lpPipeAttributes, DWORD nSize);

// Synchronous (lpOverlapped must be null). Returns once some data is there,
// possibly fewer bytes than asked; when every write end is closed it fails
// with ERROR_BROKEN_PIPE and 0 bytes.
BOOL ReadFile(HANDLE hFile, LPVOID lpBuffer, DWORD nNumberOfBytesToRead, LPDWORD lpNumberOfBytesRead,
              LPOVERLAPPED lpOverlapped);
// Writes every byte; ERROR_NO_DATA when the read end is closed (provided the
// process ignores SIGPIPE, which otherwise ends it, as on any Linux pipe).
BOOL WriteFile(HANDLE hFile, LPCVOID lpBuffer, DWORD nNumberOfBytesToWrite, LPDWORD lpNumberOfBytesWritten,
               LPOVERLAPPED lpOverlapped);

constexpr DWORD ERROR_NO_DATA = 232;

}  // namespace win32
