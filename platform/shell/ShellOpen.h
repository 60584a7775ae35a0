// Ours, beyond the platform's API: how ShellExecuteA hands a document or
// address to the desktop's opener (xdg-open, found on PATH).
#pragma once

#include <chrono>

#include "platform/Win32Types.h"

namespace win32::shell {

// How long ShellExecuteA waits for the opener's answer. An opener that is
// still running then has started an application and stays with it; the call
// returns success rather than keep the window waiting.
constexpr std::chrono::milliseconds kOpenerPatience{2000};

// Starts the opener with `file` (not empty) as its one argument, never
// through a shell, and turns its answer into ShellExecuteA's result: above
// 32 when it opened, else SE_ERR_FNF, SE_ERR_NOASSOC (no opener either),
// SE_ERR_ACCESSDENIED or SE_ERR_OOM.
LONG_PTR OpenWithDesktop(const char* file, std::chrono::milliseconds patience);

}  // namespace win32::shell
