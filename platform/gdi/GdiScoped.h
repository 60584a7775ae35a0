// Scoped GDI handles, our own addition to the API: whoever creates, selects
// or borrows a GDI object holds it in one of these, and the destructor undoes
// what the constructor did, on every exit path, in reverse order of declaration.
#pragma once

#include <utility>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Icons.h"

namespace win32 {

// Owns one GDI object and deletes it. Declare it before the ScopedSelect
// that selects it, so the selection is undone first.
template <typename Handle>
class ScopedObject {
public:
    ScopedObject() = default;
    explicit ScopedObject(Handle handle) : handle_(handle) {}
    ~ScopedObject() { Reset(); }
    ScopedObject(ScopedObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    ScopedObject& operator=(ScopedObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }
    ScopedObject(const ScopedObject&) = delete;
    ScopedObject& operator=(const ScopedObject&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    Handle Release() { return std::exchange(handle_, nullptr); }
    void Reset(Handle handle = nullptr) {
        if (handle_) DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using ScopedBitmap = ScopedObject<HBITMAP>;
using ScopedRegion = ScopedObject<HRGN>;
using ScopedFont = ScopedObject<HFONT>;

// A solid pen (one pixel wide unless told otherwise).
class ScopedPen : public ScopedObject<HPEN> {
public:
    explicit ScopedPen(COLORREF color, int width = 1, int style = PS_SOLID)
        : ScopedObject(CreatePen(style, width, color)) {}
};

// A solid brush.
class ScopedBrush : public ScopedObject<HBRUSH> {
public:
    explicit ScopedBrush(COLORREF color) : ScopedObject(CreateSolidBrush(color)) {}
};

// Selects a pen, brush, bitmap or font into a DC and selects the previous
// one back (regions are copied by SelectObject, not selected: not for them).
class ScopedSelect {
public:
    ScopedSelect(HDC hdc, HGDIOBJ object)
        : hdc_(hdc), previous_(object ? SelectObject(hdc, object) : nullptr) {}
    ~ScopedSelect() {
        if (previous_) SelectObject(hdc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

    // False when the selection failed (stale DC or object).
    explicit operator bool() const { return previous_ != nullptr; }

private:
    HDC hdc_;
    HGDIOBJ previous_;
};

// A memory DC compatible with another DC (or the screen), deleted at scope end.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(HDC compatibleWith = nullptr) : hdc_(CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC() {
        if (hdc_) DeleteDC(hdc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

    HDC Get() const { return hdc_; }
    explicit operator bool() const { return hdc_ != nullptr; }

private:
    HDC hdc_;
};

// An icon handle, destroyed at scope end.
class ScopedIcon {
public:
    explicit ScopedIcon(HICON icon = nullptr) : icon_(icon) {}
    ~ScopedIcon() {
        if (icon_) DestroyIcon(icon_);
    }
    ScopedIcon(const ScopedIcon&) = delete;
    ScopedIcon& operator=(const ScopedIcon&) = delete;

    HICON Get() const { return icon_; }
    explicit operator bool() const { return icon_ != nullptr; }

private:
    HICON icon_;
};

// A window's DC (the screen's for nullptr) from GetDC, released at scope end.
class ScopedWindowDC {
public:
    explicit ScopedWindowDC(HWND hwnd = nullptr) : hwnd_(hwnd), hdc_(GetDC(hwnd)) {}
    ~ScopedWindowDC() {
        if (hdc_) ReleaseDC(hwnd_, hdc_);
    }
    ScopedWindowDC(const ScopedWindowDC&) = delete;
    ScopedWindowDC& operator=(const ScopedWindowDC&) = delete;

    HDC Get() const { return hdc_; }

private:
    HWND hwnd_;
    HDC hdc_;
};

}  // namespace win32
