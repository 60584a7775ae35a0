// File dialogs and the short form of a path.
#pragma once

#include <cstdint>
#include <string>

#include "platform/user/WindowTypes.h"

namespace host {
class Form;
}

namespace app {

// The short form of an existing path (on volumes without 8.3 names, the path
// itself); empty text when the path does not exist.
std::string GetShortPath(const std::string& path);

// ---- File dialogs and their placement -----------------------------------

// True on NT 5 (Windows 2000) or later; a failed version query counts as older.
bool IsWin2000OrLater();

// The desktop's work area in screen pixels.
void GetWorkArea(win32::RECT& area);

// Where the hook puts the next dialogs: 0 or negative none, 1 centred in the
// work area, 2 centred on the owner, 3 at the owner's top-left moved by the
// offset, 4 next to the mouse pointer. Kept until set again.
void SetDialogPosition(std::int32_t mode, std::int32_t offset);

// Where a dialog of the given window's size goes for the mode, kept inside
// the work area; width and height are the dialog's own.
void CalcDialogPosition(win32::HWND dialog, win32::HWND owner, std::int32_t mode, std::int32_t offset, int& x,
                        int& y, int& width, int& height);

// The file dialog's hook: places the dialog at WM_INITDIALOG.
win32::UINT_PTR DialogHookProc(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wParam, win32::LPARAM lParam);

// The owner of the dialog being shown (set by ShowFileDialog).
win32::HWND DialogOwner();

// Shows the open (or save) dialog and returns the chosen full path, or
// fileName unchanged when the user cancels. flags, when given and 0, gets
// the default flags written back. chosen, when given, tells a choice from a
// cancel, which the result alone cannot when the user picks fileName itself.
std::string ShowFileDialog(const host::Form& owner, bool open = true, const std::string& title = {},
                           const std::string& fileName = {}, const std::string& filter = {},
                           int filterIndex = 1, const std::string& defaultExtension = {},
                           win32::DWORD* flags = nullptr, bool* chosen = nullptr);

}  // namespace app
