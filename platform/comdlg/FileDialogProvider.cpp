#include "platform/comdlg/FileDialogProvider.h"

#include "platform/user/Window.h"

namespace win32 {
namespace {

FileDialogProvider*& Installed() {
    static FileDialogProvider* provider = nullptr;
    return provider;
}

}  // namespace

void SetFileDialogProvider(FileDialogProvider* provider) { Installed() = provider; }
FileDialogProvider* GetFileDialogProvider() { return Installed(); }

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(GetFileDialogProvider()) {
    SetFileDialogProvider(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() { SetFileDialogProvider(previous_); }

std::optional<FileDialogAnswer> ScriptedFileDialogs::Run(const FileDialogRequest& request) {
    Shown record{request, {}, GetParent(request.dialog)};
    GetWindowRect(request.dialog, &record.dialogRect);
    shown.push_back(record);
    if (script_.empty()) return std::nullopt;
    auto answer = script_.front();
    script_.pop_front();
    return answer;
}

}  // namespace win32
