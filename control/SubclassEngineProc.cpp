// The per-window procedure of the subclassing engine and its removal.
#include "control/SubclassBlock.h"
#include "platform/user/User32.h"

namespace control {

using namespace win32;

LRESULT SubclassEngine::WindowProc(const std::shared_ptr<Block>& held, HWND hWnd, UINT uMsg, WPARAM wParam,
                                   LPARAM lParam) {
    // held is owned by the thunk's closure, which the window layer keeps
    // alive for this call even if the thunk is released meanwhile.
    Block& block = *held;
    LRESULT result = 0;
    bool handled = false;
    if (block.owner && block.before.Contains(uMsg)) {
        block.owner->SubclassCallback(true, handled, result, hWnd, uMsg, wParam, lParam, block.userParam);
    }
    if (handled) return result;

    ++block.nesting;
    result = CallWindowProcA(LongToWindowProc(block.previous), hWnd, uMsg, wParam, lParam);
    --block.nesting;
    if (uMsg == WM_NCDESTROY) block.windowGone = true;
    if (block.nesting == 0 && block.windowGone) {
        // The window is gone: no message will pass again, so release now.
        Release(block);
        return result;
    }
    if (block.nesting == 0 && block.shutdown) {
        Shutdown(block);
        return result;
    }
    if (block.owner && block.after.Contains(uMsg)) {
        block.owner->SubclassCallback(false, handled, result, hWnd, uMsg, wParam, lParam, block.userParam);
    }
    return result;
}

void SubclassEngine::Shutdown(Block& block) {
    if (block.removed) return;
    // Only the newest procedure of a chain may be unhooked; below a later
    // subclasser we stay as a pass-through and try again on a later message.
    if (GetWindowLongA(block.hWnd, GWL_WNDPROC) != WindowProcToLong(block.thunk)) return;
    SetWindowLongA(block.hWnd, GWL_WNDPROC, block.previous);
    Release(block);
}

void SubclassEngine::Release(Block& block) {
    if (block.removed) return;
    block.removed = true;
    block.owner = nullptr;
    block.before.Clear();
    block.after.Clear();
    FreeWindowProcThunk(block.thunk);
}

}  // namespace control
