#include "platform/gdi/GdiExtensions.h"
#include "platform/gdi/SysColors.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

void SendToTree(HWND hwnd) {
    if (!IsWindow(hwnd)) return;
    SendMessageA(hwnd, WM_SYSCOLORCHANGE, 0, 0);
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) return;
    for (HWND child : std::vector<HWND>(window->children)) SendToTree(child);
}

void Broadcast() {
    for (HWND hwnd : std::vector<HWND>(user::TopLevelWindows())) SendToTree(hwnd);
}

}  // namespace

namespace user {

void EnsureSysColorBroadcast() {
    // Hooked on first use rather than at start-up, so no static
    // initialisation order across libraries is relied on.
    static const SysColorListenerId id = AddSysColorChangeListener(Broadcast);
    (void)id;
}

}  // namespace user
}  // namespace win32
