#include "platform/user/WindowInternals.h"

namespace win32 {
namespace {

WindowPresenter* thePresenter = nullptr;

}  // namespace

void SetWindowPresenter(WindowPresenter* presenter) { thePresenter = presenter; }
WindowPresenter* GetWindowPresenter() { return thePresenter; }

namespace user {

void NotifyChanged(HWND hwnd, WindowChange what) {
    if (thePresenter) thePresenter->WindowChanged(hwnd, what);
}

}  // namespace user
}  // namespace win32
