// Internal: what a window handle refers to, and the table of live windows.
// Code here never holds a Window* across a message call: a procedure may
// destroy any window, so handles are looked up again afterwards.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/user/WindowTypes.h"

namespace win32::user {

struct WindowClass {
    std::string name;
    ATOM atom = 0;
    WNDCLASSA info{};
    int windows = 0;  // live windows of the class; it cannot be unregistered while > 0
};

struct Window {
    HWND handle = nullptr;
    WindowClass* windowClass = nullptr;
    LONG proc = 0;          // procedure handle (see WindowProcThunk.h)
    HWND parent = nullptr;  // coordinates are relative to it; nullptr: screen
    HWND owner = nullptr;
    std::vector<HWND> children;  // z-order, topmost first
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT rect{};  // in the parent's client coordinates (no non-client area)
    std::string text;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    std::vector<BYTE> extra;
    HRGN region = nullptr;  // owned; relative to the window's top-left
    bool destroying = false;
    bool needsPaint = false;
};

Window* LookupWindow(HWND hwnd);
// Takes ownership and assigns the handle; handle values are never reused.
HWND InsertWindow(std::unique_ptr<Window> window);
void EraseWindow(HWND hwnd);

// Top-level windows in z-order, topmost first.
std::vector<HWND>& TopLevelWindows();
// The sibling list a window sits in (its parent's children or the top level).
std::vector<HWND>* SiblingList(const Window& window);

// Every live window handle, in creation order.
std::vector<HWND> AllWindows();

}  // namespace win32::user
