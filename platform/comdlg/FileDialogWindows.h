// The windows of our layer that stand for a file dialog while it is shown:
// the dialog itself and the child "hook dialog" a hook procedure is given,
// as the platform does for Explorer-style dialogs.
#pragma once

#include "platform/user/WindowTypes.h"

namespace win32 {

class FileDialogWindows {
public:
    // The dialog starts centred on the owner, or on the work area without one.
    FileDialogWindows(HWND owner, const char* title);
    ~FileDialogWindows();
    FileDialogWindows(const FileDialogWindows&) = delete;
    FileDialogWindows& operator=(const FileDialogWindows&) = delete;

    HWND Dialog() const { return dialog_; }
    HWND HookChild() const { return hookChild_; }

    // The platform's Explorer-style open dialog at 96 dpi.
    static constexpr int kWidth = 563;
    static constexpr int kHeight = 419;

private:
    HWND dialog_ = nullptr;
    HWND hookChild_ = nullptr;
};

}  // namespace win32
