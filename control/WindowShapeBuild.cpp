// The layout's shaping step: the region of the current style, handed to the
// control's window, which owns it from then on.
#include "control/Trap.h"
#include "control/WindowShape.h"
#include "control/raReruri.h"
#include "platform/gdi/GdiScoped.h"
#include "platform/user/Window.h"

namespace control {

void raReruri::BuildWindowRegion() {
    Trap([&] {
        GiveWindowRegion(MakeWindowRegion(style_, userControl_->ScaleWidth(), userControl_->ScaleHeight()));
    });
}

// The window frees the region it replaces. A region the window refused is
// still ours, so it is freed here instead of leaking.
void raReruri::GiveWindowRegion(win32::HRGN region) {
    win32::ScopedRegion owned(region);
    if (win32::SetWindowRgn(userControl_->hWnd(), region, win32::TRUE)) windowRegion_ = owned.Release();
}

}  // namespace control
