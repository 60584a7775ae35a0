// OpenLink: a document or address opened by the shell.
#include "control/Trap.h"
#include "control/raReruri.h"
#include "platform/shell/Shell.h"
#include "platform/user/WindowTypes.h"

namespace control {

raReruri::Long raReruri::OpenLink(const std::string& sLink) {
    Long result = 0;
    Trap([&] {
        const win32::HINSTANCE answer =
            win32::ShellExecuteA(userControl_->hWnd(), "open", sLink.c_str(), "1", "1", win32::SW_SHOWNORMAL);
        result = static_cast<Long>(reinterpret_cast<win32::LONG_PTR>(answer));
    });
    return result;
}

}  // namespace control
