#include "platform/comdlg/FileDialogWindows.h"

#include "platform/user/SystemParameters.h"
#include "platform/user/Window.h"

namespace win32 {
namespace {

constexpr const char* kDialogClass = "#32770";

void EnsureDialogClass() {
    WNDCLASSA existing{};
    if (GetClassInfoA(nullptr, kDialogClass, &existing)) return;
    WNDCLASSA cls{};
    cls.lpfnWndProc = DefWindowProcA;
    cls.lpszClassName = kDialogClass;
    RegisterClassA(&cls);
}

RECT CentreOn(HWND owner) {
    RECT area{};
    if (!owner || !GetWindowRect(owner, &area)) SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int x = area.left + (area.right - area.left - FileDialogWindows::kWidth) / 2;
    const int y = area.top + (area.bottom - area.top - FileDialogWindows::kHeight) / 2;
    return {x, y, x + FileDialogWindows::kWidth, y + FileDialogWindows::kHeight};
}

}  // namespace

FileDialogWindows::FileDialogWindows(HWND owner, const char* title) {
    EnsureDialogClass();
    const RECT r = CentreOn(owner);
    dialog_ = CreateWindowExA(0, kDialogClass, title ? title : "", WS_POPUP | WS_CAPTION | WS_SYSMENU, r.left,
                              r.top, r.right - r.left, r.bottom - r.top, owner, nullptr, nullptr, nullptr);
    hookChild_ =
        CreateWindowExA(0, kDialogClass, "", WS_CHILD, 0, 0, 0, 0, dialog_, nullptr, nullptr, nullptr);
}

FileDialogWindows::~FileDialogWindows() {
    // Destroying the dialog takes its child with it.
    if (dialog_) DestroyWindow(dialog_);
}

}  // namespace win32
