// user32's and comctl32's entries in the kernel's table of module exports.
#pragma once

namespace win32 {

// Registers (again) every function the window layer exports; idempotent.
// It runs by itself when the layer is linked in; tests that took an export
// away call it to put things back.
void RegisterUserExports();

}  // namespace win32
