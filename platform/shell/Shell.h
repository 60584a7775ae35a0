// shell32's ShellExecuteA: a document or address opened with the desktop's
// default application (xdg-open), started directly, never through a shell.
#pragma once

#include "platform/Win32Types.h"

namespace win32 {

constexpr int SE_ERR_FNF = 2;
constexpr int SE_ERR_PNF = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;
constexpr int SE_ERR_OOM = 8;
constexpr int SE_ERR_NOASSOC = 31;

// Success is any value above 32; the value itself means nothing. Only the
// verbs "open" and nullptr are known; parameters, directory and show command
// are accepted and ignored (a document or address takes none of them). An
// empty file opens nothing and gives SE_ERR_FNF; a missing opener gives
// SE_ERR_NOASSOC. Waits for the opener's answer at most
// shell::kOpenerPatience (platform/shell/ShellOpen.h).
HINSTANCE ShellExecuteA(HWND hwnd, LPCSTR operation, LPCSTR file, LPCSTR parameters, LPCSTR directory,
                        INT showCmd);

}  // namespace win32
