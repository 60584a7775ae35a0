#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "platform/comdlg/CommDlg.h"
#include "platform/comdlg/FileDialogProvider.h"
#include "platform/comdlg/FileDialogWindows.h"

namespace win32 {
namespace {

DWORD& LastDialogError() {
    static DWORD error = 0;
    return error;
}

bool KnownSize(DWORD size) {
    return size == OPENFILENAME_SIZE_VERSION_400A || size == OPENFILENAME_SIZE_VERSION_500A ||
           size == offsetof(OPENFILENAMEA, pvReserved) || size == sizeof(OPENFILENAMEA);
}

// "desc\0pattern\0desc\0pattern\0\0" into pairs.
std::vector<std::pair<std::string, std::string>> ParseFilter(LPCSTR filter) {
    std::vector<std::pair<std::string, std::string>> pairs;
    if (!filter) return pairs;
    while (*filter) {
        std::string description = filter;
        filter += description.size() + 1;
        if (!*filter) break;
        std::string patterns = filter;
        filter += patterns.size() + 1;
        pairs.emplace_back(std::move(description), std::move(patterns));
    }
    return pairs;
}

FileDialogRequest MakeRequest(const OPENFILENAMEA& ofn, bool save, HWND dialog) {
    FileDialogRequest request;
    request.save = save;
    request.owner = ofn.hwndOwner;
    request.dialog = dialog;
    request.title = ofn.lpstrTitle ? ofn.lpstrTitle : "";
    request.filters = ParseFilter(ofn.lpstrFilter);
    request.filterIndex = static_cast<int>(ofn.nFilterIndex);
    request.initialDir = ofn.lpstrInitialDir ? ofn.lpstrInitialDir : "";
    request.fileName = std::string(ofn.lpstrFile, strnlen(ofn.lpstrFile, ofn.nMaxFile));
    std::string ext = ofn.lpstrDefExt ? ofn.lpstrDefExt : "";
    // The extension is documented without its dot; a program that adds one
    // still means the same extension.
    if (!ext.empty() && ext.front() == '.') ext.erase(0, 1);
    request.defaultExtension = ext;
    request.flags = ofn.Flags;
    request.structSize = ofn.lStructSize;
    return request;
}

// A typed name without an extension gets the default one, unless a file of
// exactly that name exists.
std::string WithDefaultExtension(std::string path, const std::string& extension) {
    namespace fs = std::filesystem;
    if (extension.empty() || fs::path(path).has_extension() || fs::exists(path)) return path;
    return path + "." + extension;
}

// Copies the answer into the caller's buffers; false when they are too small.
bool Store(OPENFILENAMEA& ofn, const std::string& path, int filterIndex) {
    if (path.size() + 1 > ofn.nMaxFile) {
        // The platform puts the size needed into the first two bytes.
        if (ofn.nMaxFile >= 2) {
            const WORD needed = static_cast<WORD>(std::min<std::size_t>(path.size() + 1, 0xFFFF));
            std::memcpy(ofn.lpstrFile, &needed, sizeof needed);
        }
        LastDialogError() = FNERR_BUFFERTOOSMALL;
        return false;
    }
    std::memcpy(ofn.lpstrFile, path.c_str(), path.size() + 1);
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    ofn.nFileOffset = static_cast<WORD>(nameStart);
    ofn.nFileExtension =
        static_cast<WORD>(dot != std::string::npos && dot > nameStart ? dot + 1 : path.size());
    if (ofn.lpstrFileTitle && ofn.nMaxFileTitle > 0) {
        const std::string title = path.substr(nameStart);
        const std::size_t n = std::min<std::size_t>(title.size(), ofn.nMaxFileTitle - 1);
        std::memcpy(ofn.lpstrFileTitle, title.data(), n);
        ofn.lpstrFileTitle[n] = '\0';
    }
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    return true;
}

BOOL RunFileDialog(LPOPENFILENAMEA ofn, bool save) {
    LastDialogError() = 0;
    if (!ofn || !KnownSize(ofn->lStructSize)) {
        LastDialogError() = CDERR_STRUCTSIZE;
        return FALSE;
    }
    if (!ofn->lpstrFile || ofn->nMaxFile == 0) {
        LastDialogError() = CDERR_INITIALIZATION;
        return FALSE;
    }
    FileDialogWindows windows(ofn->hwndOwner, ofn->lpstrTitle);
    // Explorer-style hooks get the child dialog; GetParent of it is the dialog.
    if ((ofn->Flags & OFN_ENABLEHOOK) && ofn->lpfnHook) {
        ofn->lpfnHook(windows.HookChild(), WM_INITDIALOG, 0, reinterpret_cast<LPARAM>(ofn));
    }
    // The request is read after the hook ran: a hook may change the record.
    const FileDialogRequest request = MakeRequest(*ofn, save, windows.Dialog());
    FileDialogProvider* provider = GetFileDialogProvider();
    const auto answer = provider ? provider->Run(request) : std::nullopt;
    if (!answer) return FALSE;
    const std::string path = WithDefaultExtension(answer->path, request.defaultExtension);
    if (!Store(*ofn, path, answer->filterIndex)) return FALSE;
    if (!(ofn->Flags & OFN_NOCHANGEDIR)) {
        // Without OFN_NOCHANGEDIR the platform makes the file's folder current;
        // the answer stands even when the folder cannot be entered.
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::path(path).parent_path(), ignored);
    }
    return TRUE;
}

}  // namespace

BOOL GetOpenFileNameA(LPOPENFILENAMEA ofn) { return RunFileDialog(ofn, false); }
BOOL GetSaveFileNameA(LPOPENFILENAMEA ofn) { return RunFileDialog(ofn, true); }
DWORD CommDlgExtendedError() { return LastDialogError(); }

}  // namespace win32
