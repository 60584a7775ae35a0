#include "platform/kernel/ShortPath.h"

#include <sys/stat.h>

#include <cstring>
#include <string>

#include "platform/kernel/LastError.h"

namespace win32 {

namespace {

// Which error a missing path gets: a missing file in an existing folder is
// "file not found", a missing or non-folder component on the way is "path".
DWORD MissingPathError(const std::string& path) {
    std::string folder = path;
    while (!folder.empty() && folder.back() == '/') folder.pop_back();
    const auto slash = folder.rfind('/');
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : folder.substr(0, slash);
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) ? ERROR_FILE_NOT_FOUND
                                                                       : ERROR_PATH_NOT_FOUND;
}

}  // namespace

DWORD GetShortPathNameA(LPCSTR lpszLongPath, LPSTR lpszShortPath, DWORD cchBuffer) {
    if (lpszLongPath == nullptr || *lpszLongPath == '\0') {
        SetLastError(lpszLongPath == nullptr ? ERROR_INVALID_PARAMETER : ERROR_PATH_NOT_FOUND);
        return 0;
    }
    // '*' and '?' are ordinary characters of a Linux file name, not wildcards.
    const std::string path = lpszLongPath;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        SetLastError(MissingPathError(path));
        return 0;
    }
    const auto length = static_cast<DWORD>(path.size());
    if (lpszShortPath == nullptr || cchBuffer < length + 1) return length + 1;
    std::memcpy(lpszShortPath, path.c_str(), length + 1);
    return length;
}

}  // namespace win32
