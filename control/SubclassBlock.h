// Internal to the subclassing engine: the state of one subclassed window.
// The per-window procedure (a thunk of the window layer) shares it with the
// engine, so a call in progress keeps it alive whatever the engine does.
#pragma once

#include "control/SubclassEngine.h"

namespace control {

struct SubclassEngine::Block {
    int nesting = 0;          // calls of the previous procedure in progress
    bool shutdown = false;    // removal asked for
    bool removed = false;     // previous procedure back, thunk released
    bool windowGone = false;  // WM_NCDESTROY passed: nothing more will come
    win32::HWND hWnd = nullptr;
    win32::LONG previous = 0;  // the window's procedure before ours
    win32::WNDPROC thunk = nullptr;
    SubclassCallbackSink* owner = nullptr;  // cleared on removal
    win32::LONG_PTR userParam = 0;
    SubclassMessageTable before;
    SubclassMessageTable after;

    bool IsValid() const { return !removed; }
};

}  // namespace control
