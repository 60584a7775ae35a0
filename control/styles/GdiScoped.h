// Scoped GDI handles for drawing code that creates, selects, uses and
// deletes its objects within one call: the destructor undoes whatever the
// constructor did, on every exit path, in reverse order of declaration.
#pragma once

#include <utility>

#include "platform/gdi/Gdi.h"

namespace control::styles {

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
        if (handle_) win32::DeleteObject(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using ScopedBitmap = ScopedObject<win32::HBITMAP>;
using ScopedRegion = ScopedObject<win32::HRGN>;
using ScopedFont = ScopedObject<win32::HFONT>;

// A solid pen (one pixel wide unless told otherwise).
class ScopedPen : public ScopedObject<win32::HPEN> {
public:
    explicit ScopedPen(win32::COLORREF color, int width = 1, int style = win32::PS_SOLID)
        : ScopedObject(win32::CreatePen(style, width, color)) {}
};

// A solid brush.
class ScopedBrush : public ScopedObject<win32::HBRUSH> {
public:
    explicit ScopedBrush(win32::COLORREF color) : ScopedObject(win32::CreateSolidBrush(color)) {}
};

// Selects a pen, brush, bitmap or font into a DC and selects the previous
// one back (regions are copied by SelectObject, not selected: not for them).
class ScopedSelect {
public:
    ScopedSelect(win32::HDC hdc, win32::HGDIOBJ object)
        : hdc_(hdc), previous_(object ? win32::SelectObject(hdc, object) : nullptr) {}
    ~ScopedSelect() {
        if (previous_) win32::SelectObject(hdc_, previous_);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

    // False when the selection failed (stale DC or object).
    explicit operator bool() const { return previous_ != nullptr; }

private:
    win32::HDC hdc_;
    win32::HGDIOBJ previous_;
};

// A memory DC compatible with another DC (or the screen), deleted at scope end.
class ScopedMemoryDC {
public:
    explicit ScopedMemoryDC(win32::HDC compatibleWith = nullptr)
        : hdc_(win32::CreateCompatibleDC(compatibleWith)) {}
    ~ScopedMemoryDC() {
        if (hdc_) win32::DeleteDC(hdc_);
    }
    ScopedMemoryDC(const ScopedMemoryDC&) = delete;
    ScopedMemoryDC& operator=(const ScopedMemoryDC&) = delete;

    win32::HDC Get() const { return hdc_; }
    explicit operator bool() const { return hdc_ != nullptr; }

private:
    win32::HDC hdc_;
};

}  // namespace control::styles
