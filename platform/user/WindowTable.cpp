#include "platform/user/WindowTable.h"

#include <map>

#include "platform/user/UserExports.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"

namespace win32::user {
namespace {

struct Table {
    // Ordered by handle value, which is creation order.
    std::map<std::uintptr_t, std::unique_ptr<Window>> windows;
    std::vector<HWND> topLevel;
    // Step by 4 like the platform; the base keeps window handles well away
    // from GDI handle values, so mixing them up fails instead of aliasing.
    std::uintptr_t next = 0x40000010;
};

Table& TheTable() {
    static Table table;
    return table;
}

// The modules table learns user32's exports as soon as the window layer is
// linked in, so run-time probing (GetProcAddress) finds them.
const bool exportsRegistered = (RegisterUserExports(), true);

}  // namespace

Window* LookupWindow(HWND hwnd) {
    auto& windows = TheTable().windows;
    const auto it = windows.find(reinterpret_cast<std::uintptr_t>(hwnd));
    return it == windows.end() ? nullptr : it->second.get();
}

HWND InsertWindow(std::unique_ptr<Window> window) {
    Table& table = TheTable();
    const std::uintptr_t value = table.next;
    table.next += 4;
    const HWND hwnd = reinterpret_cast<HWND>(value);
    window->handle = hwnd;
    table.windows.emplace(value, std::move(window));
    return hwnd;
}

void EraseWindow(HWND hwnd) { TheTable().windows.erase(reinterpret_cast<std::uintptr_t>(hwnd)); }

std::vector<HWND>& TopLevelWindows() { return TheTable().topLevel; }

std::vector<HWND>* SiblingList(const Window& window) {
    if (window.parent == nullptr) return &TheTable().topLevel;
    Window* parent = LookupWindow(window.parent);
    return parent ? &parent->children : nullptr;
}

std::vector<HWND> AllWindows() {
    std::vector<HWND> all;
    for (const auto& [value, window] : TheTable().windows) all.push_back(window->handle);
    return all;
}

}  // namespace win32::user

namespace win32 {

int GetLiveWindowCount() {
    (void)user::exportsRegistered;
    return static_cast<int>(user::TheTable().windows.size());
}

}  // namespace win32
