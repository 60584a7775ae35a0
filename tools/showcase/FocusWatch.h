// Remembers which of some windows had the keyboard focus last, by watching
// their WM_SETFOCUS through a subclass of each. The focus may have moved on
// since (to the button that asks), which is why it is remembered.
#pragma once

#include <map>

#include "platform/user/WindowTypes.h"

namespace showcase {

class FocusWatch {
public:
    FocusWatch() = default;
    // Takes its subclasses out again where it is still the outermost one.
    ~FocusWatch();
    FocusWatch(const FocusWatch&) = delete;
    FocusWatch& operator=(const FocusWatch&) = delete;

    void Watch(win32::HWND hwnd);
    // The watched window that took the focus last, or nullptr.
    win32::HWND Last() const { return last_; }

private:
    static win32::LRESULT Procedure(win32::HWND hwnd, win32::UINT msg, win32::WPARAM wParam,
                                    win32::LPARAM lParam);

    std::map<win32::HWND, win32::LONG_PTR> previous_;  // each window's procedure before ours
    win32::HWND last_ = nullptr;
};

}  // namespace showcase
