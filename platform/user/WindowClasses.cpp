#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

#include "platform/kernel/LastError.h"
#include "platform/user/TooltipState.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

struct ClassRegistry {
    std::map<std::string, std::unique_ptr<user::WindowClass>> classes;  // by lower-case name
    ATOM nextAtom = 0xC000;
};

std::string Lower(LPCSTR name) {
    std::string lower(name ? name : "");
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

ATOM Add(ClassRegistry& registry, const WNDCLASSA& wndClass) {
    auto windowClass = std::make_unique<user::WindowClass>();
    windowClass->name = wndClass.lpszClassName;
    windowClass->atom = registry.nextAtom++;
    windowClass->info = wndClass;
    // The name pointers belong to the caller; the class keeps its own copy.
    windowClass->info.lpszClassName = nullptr;
    windowClass->info.lpszMenuName = nullptr;
    const ATOM atom = windowClass->atom;
    registry.classes.emplace(Lower(wndClass.lpszClassName), std::move(windowClass));
    return atom;
}

// The classes the system provides are there before any program runs.
ClassRegistry& Registry() {
    static ClassRegistry registry = [] {
        ClassRegistry system;
        Add(system, user::TooltipClass());
        return system;
    }();
    return registry;
}

}  // namespace

namespace user {

WindowClass* LookupClass(LPCSTR className) {
    if (className == nullptr) return nullptr;
    auto& classes = Registry().classes;
    const auto it = classes.find(Lower(className));
    return it == classes.end() ? nullptr : it->second.get();
}

}  // namespace user

ATOM RegisterClassA(const WNDCLASSA* wndClass) {
    if (wndClass == nullptr || wndClass->lpszClassName == nullptr || *wndClass->lpszClassName == '\0' ||
        wndClass->cbWndExtra < 0 || wndClass->cbClsExtra < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    ClassRegistry& registry = Registry();
    const std::string key = Lower(wndClass->lpszClassName);
    if (registry.classes.contains(key)) {
        SetLastError(ERROR_CLASS_ALREADY_EXISTS);
        return 0;
    }
    return Add(registry, *wndClass);
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    ClassRegistry& registry = Registry();
    const auto it = registry.classes.find(Lower(className));
    if (it == registry.classes.end()) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    if (it->second->windows > 0) {
        SetLastError(ERROR_CLASS_HAS_WINDOWS);
        return FALSE;
    }
    registry.classes.erase(it);
    return TRUE;
}

BOOL GetClassInfoA(HINSTANCE, LPCSTR className, WNDCLASSA* wndClass) {
    const user::WindowClass* found = user::LookupClass(className);
    if (found == nullptr || wndClass == nullptr) {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    *wndClass = found->info;
    wndClass->lpszClassName = className;
    return TRUE;
}

int GetClassNameA(HWND hwnd, LPSTR buffer, int maxCount) {
    const user::Window* window = user::LookupWindow(hwnd);
    if (window == nullptr) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    if (buffer == nullptr || maxCount <= 0) return 0;
    const std::string& name = window->windowClass->name;
    const std::size_t count = std::min(name.size(), static_cast<std::size_t>(maxCount - 1));
    std::memcpy(buffer, name.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

}  // namespace win32
