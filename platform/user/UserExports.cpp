#include "platform/user/UserExports.h"

#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/Modules.h"
#include "platform/user/User32.h"

namespace win32 {

void RegisterUserExports() {
#define CORVALMIRE_EXPORT(module, name) RegisterModuleExport(module, #name, &name)
    CORVALMIRE_EXPORT("user32", TrackMouseEvent);
    CORVALMIRE_EXPORT("user32", CallWindowProcA);
    CORVALMIRE_EXPORT("user32", SetWindowLongA);
    CORVALMIRE_EXPORT("user32", GetWindowLongA);
    CORVALMIRE_EXPORT("user32", DefWindowProcA);
    CORVALMIRE_EXPORT("user32", SendMessageA);
    CORVALMIRE_EXPORT("user32", PostMessageA);
    CORVALMIRE_EXPORT("user32", RegisterClassA);
    CORVALMIRE_EXPORT("user32", CreateWindowExA);
    CORVALMIRE_EXPORT("user32", DestroyWindow);
    CORVALMIRE_EXPORT("user32", IsWindow);
    CORVALMIRE_EXPORT("user32", GetWindowThreadProcessId);
    CORVALMIRE_EXPORT("user32", GetParent);
    CORVALMIRE_EXPORT("user32", SetParent);
    CORVALMIRE_EXPORT("user32", MoveWindow);
    CORVALMIRE_EXPORT("user32", SetWindowPos);
    CORVALMIRE_EXPORT("user32", GetWindowRect);
    CORVALMIRE_EXPORT("user32", GetClientRect);
    CORVALMIRE_EXPORT("user32", ShowWindow);
    CORVALMIRE_EXPORT("user32", EnableWindow);
    CORVALMIRE_EXPORT("user32", SetWindowTextA);
    CORVALMIRE_EXPORT("user32", GetWindowTextA);
    CORVALMIRE_EXPORT("user32", SetWindowRgn);
    CORVALMIRE_EXPORT("user32", GetWindowRgn);
    CORVALMIRE_EXPORT("user32", GetCursorPos);
    CORVALMIRE_EXPORT("user32", SetCursorPos);
    CORVALMIRE_EXPORT("user32", SystemParametersInfoA);
    CORVALMIRE_EXPORT("user32", SetFocus);
    CORVALMIRE_EXPORT("user32", GetFocus);
    CORVALMIRE_EXPORT("user32", PeekMessageA);
    CORVALMIRE_EXPORT("user32", GetMessageA);
    CORVALMIRE_EXPORT("user32", DispatchMessageA);
    CORVALMIRE_EXPORT("user32", SetTimer);
    CORVALMIRE_EXPORT("user32", KillTimer);
    CORVALMIRE_EXPORT("user32", InvalidateRect);
    CORVALMIRE_EXPORT("user32", UpdateWindow);
    CORVALMIRE_EXPORT("user32", WindowFromPoint);
    CORVALMIRE_EXPORT("comctl32", _TrackMouseEvent);
#undef CORVALMIRE_EXPORT
}

}  // namespace win32
