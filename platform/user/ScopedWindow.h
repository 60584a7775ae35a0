// Windows and timers owned by an object, our own addition to the API: the
// destructor destroys the window or kills the timer, on every exit path.
#pragma once

#include <utility>

#include "platform/user/Timers.h"
#include "platform/user/Window.h"

namespace win32 {

class ScopedWindow {
public:
    ScopedWindow() = default;
    explicit ScopedWindow(HWND hwnd) : hwnd_(hwnd) {}
    ~ScopedWindow() { Reset(); }
    ScopedWindow(ScopedWindow&& other) noexcept : hwnd_(std::exchange(other.hwnd_, nullptr)) {}
    ScopedWindow& operator=(ScopedWindow&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.hwnd_, nullptr));
        return *this;
    }
    ScopedWindow(const ScopedWindow&) = delete;
    ScopedWindow& operator=(const ScopedWindow&) = delete;

    HWND Get() const { return hwnd_; }
    explicit operator bool() const { return hwnd_ != nullptr; }
    HWND Release() { return std::exchange(hwnd_, nullptr); }
    // The handle is cleared before DestroyWindow runs, so a handler that asks
    // the owner for its window during the destruction gets none.
    void Reset(HWND hwnd = nullptr) {
        if (const HWND old = std::exchange(hwnd_, hwnd)) DestroyWindow(old);
    }

private:
    HWND hwnd_ = nullptr;
};

// A window timer, killed at scope end (or by Kill).
class ScopedTimer {
public:
    ScopedTimer() = default;
    ScopedTimer(HWND hwnd, UINT_PTR id, UINT elapse)
        : hwnd_(hwnd), id_(SetTimer(hwnd, id, elapse, nullptr) ? id : 0) {}
    ~ScopedTimer() { Kill(); }
    ScopedTimer(const ScopedTimer&) = delete;
    ScopedTimer& operator=(const ScopedTimer&) = delete;

    explicit operator bool() const { return id_ != 0; }
    void Kill() {
        if (id_ != 0) KillTimer(hwnd_, std::exchange(id_, 0));
    }

private:
    HWND hwnd_ = nullptr;
    UINT_PTR id_ = 0;
};

}  // namespace win32
