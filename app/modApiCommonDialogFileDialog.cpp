// The dialog routines of modApiCommonDialog: showing the file dialogs and
// placing them through a hook.
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <vector>

#include "app/modApiCommon.h"
#include "app/modApiCommonDialog.h"
#include "host/App.h"
#include "host/Form.h"
#include "platform/comdlg/CommDlg.h"
#include "platform/kernel/Version.h"
#include "platform/user/Input.h"
#include "platform/user/SystemParameters.h"
#include "platform/user/Window.h"

namespace app {
namespace {

using namespace win32;

struct Placement {
    std::int32_t mode = 0;
    std::int32_t offset = 0;
    HWND owner = nullptr;
};

Placement& State() {
    static Placement state;
    return state;
}

constexpr DWORD kDefaultOpenFlags = 0x38200C;
constexpr DWORD kDefaultSaveFlags = 0x28000E;
// The name field holds any path Linux accepts (PATH_MAX, its NUL included),
// so a long path is not lost and the dialog is not shown twice for it.
constexpr std::size_t kFileBufferSize = 4096;
constexpr std::size_t kCustomFilterSize = 255;

// The name field: the initial name, NUL padded to `size` characters (one
// more keeps a name of full length terminated).
std::vector<char> NameField(const std::string& fileName, std::size_t size) {
    std::vector<char> field(size + 1, '\0');
    const std::string name = GetPathFileName(fileName).substr(0, size);
    std::copy(name.begin(), name.end(), field.begin());
    return field;
}

// After FNERR_BUFFERTOOSMALL the dialog has put the size it needs into the
// name field's first two bytes.
std::size_t SizeAskedFor(const std::vector<char>& field) {
    WORD needed = 0;
    std::memcpy(&needed, field.data(), sizeof needed);
    return needed;
}

BOOL RunDialog(bool open, OPENFILENAMEA& ofn) {
    return open ? GetOpenFileNameA(&ofn) : GetSaveFileNameA(&ofn);
}

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// The first position by mode, before it is kept inside the work area.
void FirstPosition(std::int32_t mode, std::int32_t offset, const RECT& work, const RECT& owner, int w, int h,
                   int& x, int& y) {
    switch (mode) {
        case 1:
            x = work.left + (Width(work) - w) / 2;
            y = work.top + (Height(work) - h) / 2;
            break;
        case 2:
            x = owner.left + Width(owner) / 2 - w / 2;
            y = owner.top + Height(owner) / 2 - h / 2;
            break;
        case 3:
            x = owner.left + offset;
            y = owner.top - offset;
            break;
        case 4: {
            POINT cursor{};
            GetCursorPos(&cursor);
            x = cursor.x + offset;
            y = cursor.y - h / 2;
            if (x + w > work.right) x = cursor.x - offset - w;  // to the left of the pointer
            break;
        }
        default: break;
    }
}

}  // namespace

bool IsWin2000OrLater() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (GetVersionExA(&info) != 1) return false;
    return info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
}

void GetWorkArea(RECT& area) { SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0); }

void SetDialogPosition(std::int32_t mode, std::int32_t offset) {
    State().mode = mode;
    State().offset = offset;
}

HWND DialogOwner() { return State().owner; }

void CalcDialogPosition(HWND dialog, HWND owner, std::int32_t mode, std::int32_t offset, int& x, int& y,
                        int& width, int& height) {
    RECT work{}, ownerRect{}, dialogRect{};
    GetWorkArea(work);
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(dialog, &dialogRect);
    width = Width(dialogRect);
    height = Height(dialogRect);
    x = 0;
    y = 0;
    FirstPosition(mode, offset, work, ownerRect, width, height, x, y);

    if (x < work.left) x = work.left;
    if (x + width > work.right) {
        x = ownerRect.left + Width(ownerRect) - width - offset;
        if (x + width > work.right) x = work.right - width - offset;
        if (x < work.left) x = work.left;
    }
    if (y < work.top) y = work.top;
    if (y + height > work.bottom) {
        y = work.bottom - height;
        if (y < work.top) y = work.top;
    }
}

UINT_PTR DialogHookProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
    if (msg != WM_INITDIALOG) return 0;
    // Explorer-style dialogs hand the hook their child dialog.
    const HWND dialog = wParam == 0 ? GetParent(hwnd) : hwnd;
    const auto [mode, offset, owner] = State();
    if (mode <= 0) return 0;
    int x = 0, y = 0, w = 0, h = 0;
    CalcDialogPosition(dialog, owner, mode, offset, x, y, w, h);
    MoveWindow(dialog, x, y, w, h, FALSE);
    return 1;
}

std::string ShowFileDialog(const host::Form& owner, bool open, const std::string& title,
                           const std::string& fileName, const std::string& filter, int filterIndex,
                           const std::string& defaultExtension, DWORD* flags, bool* chosen) {
    State().owner = owner.hWnd();
    const DWORD chosenFlags = flags && *flags ? *flags : (open ? kDefaultOpenFlags : kDefaultSaveFlags);
    if (flags) *flags = chosenFlags;

    std::string initialDir = GetPathFolder(fileName);
    if (initialDir.empty()) {
        // A current folder that has been deleted leaves it empty: the
        // dialog then starts where it likes, and nothing is thrown.
        std::error_code ignored;
        initialDir = std::filesystem::current_path(ignored).string();
    }
    std::vector<char> file = NameField(fileName, kFileBufferSize);
    std::vector<char> fileTitle(kFileBufferSize + 1, '\0');
    std::vector<char> customFilter(kCustomFilterSize + 1, '\0');

    OPENFILENAMEA ofn{};
    ofn.lStructSize = IsWin2000OrLater() ? OPENFILENAME_SIZE_VERSION_500A : OPENFILENAME_SIZE_VERSION_400A;
    ofn.hwndOwner = State().owner;
    ofn.hInstance = host::App().hInstance();
    ofn.lpstrFilter = filter.c_str();  // pairs ending in NUL; c_str adds the list's final NUL
    ofn.lpstrCustomFilter = customFilter.data();
    ofn.nMaxCustFilter = kCustomFilterSize;
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = kFileBufferSize;
    ofn.lpstrFileTitle = fileTitle.data();
    ofn.nMaxFileTitle = kFileBufferSize;
    ofn.lpstrInitialDir = initialDir.c_str();
    ofn.lpstrTitle = title.c_str();
    ofn.Flags = chosenFlags;
    ofn.lpstrDefExt = defaultExtension.c_str();
    if (State().mode != 0) {
        ofn.Flags |= OFN_ENABLEHOOK;
        ofn.lpfnHook = DialogHookProc;
    }
    bool ok = RunDialog(open, ofn) != FALSE;
    if (!ok && CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) {
        // A path longer still: ask again with the room the dialog asked for.
        file = NameField(fileName, std::max(SizeAskedFor(file), kFileBufferSize));
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size() - 1);
        ok = RunDialog(open, ofn) != FALSE;
    }
    if (chosen) *chosen = ok;
    return ok ? StripNulls(std::string(file.data(), file.size() - 1)) : fileName;
}

}  // namespace app
