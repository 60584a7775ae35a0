// The short (8.3) form of a path.
#pragma once

#include "platform/Win32Types.h"

namespace win32 {

constexpr DWORD ERROR_INVALID_NAME = 123;

// Linux volumes keep no 8.3 names, so an existing path is its own short form
// (as on any volume without short names). Returns the length copied without
// the NUL; when cchBuffer is too small, the size needed including the NUL and
// the buffer untouched; 0 with ERROR_FILE_NOT_FOUND or ERROR_PATH_NOT_FOUND
// for a missing path.
DWORD GetShortPathNameA(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer);

}  // namespace win32
