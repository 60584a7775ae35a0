// Where the file dialogs come from: the presenter shows a real one, tests
// script the answers. The dialog is given a window of our layer, already
// placed by the caller's hook; the provider puts the real dialog where that
// window is.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/user/WindowTypes.h"

namespace win32 {

struct FileDialogRequest {
    bool save = false;
    HWND owner = nullptr;
    HWND dialog = nullptr;  // its rectangle is where the dialog goes
    std::string title;      // empty: the provider's own ("Open", "Save As")
    std::vector<std::pair<std::string, std::string>> filters;  // description, patterns (";"-separated)
    int filterIndex = 1;                                       // 1-based; 0 or out of range: the first
    std::string initialDir;                                    // empty: the current folder
    std::string fileName;                                      // put into the name field
    std::string defaultExtension;                              // without a leading dot
    DWORD flags = 0;                                           // the OFN_ flags as given
    DWORD structSize = 0;                                      // lStructSize of the caller's record
};

struct FileDialogAnswer {
    std::string path;     // full path of the chosen file
    int filterIndex = 1;  // the filter in effect when it was chosen
};

class FileDialogProvider {
public:
    virtual ~FileDialogProvider() = default;
    // Shows the dialog modally; nullopt when the user cancels.
    virtual std::optional<FileDialogAnswer> Run(const FileDialogRequest& request) = 0;
};

// Not owned; nullptr (the default) makes every dialog cancel at once, since
// headless there is nobody to answer it.
void SetFileDialogProvider(FileDialogProvider* provider);
FileDialogProvider* GetFileDialogProvider();

// Answers dialogs from a script, in order, and records what each was asked
// with and where its window was when it was shown. Installs itself for its
// lifetime. An empty script cancels.
class ScriptedFileDialogs : public FileDialogProvider {
public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Choose(std::string path) { script_.push_back(FileDialogAnswer{std::move(path), 1}); }
    void Cancel() { script_.push_back(std::nullopt); }

    struct Shown {
        FileDialogRequest request;
        RECT dialogRect;    // GetWindowRect of the dialog window
        HWND dialogParent;  // GetParent of the dialog window
    };
    std::vector<Shown> shown;

    std::optional<FileDialogAnswer> Run(const FileDialogRequest& request) override;

private:
    std::deque<std::optional<FileDialogAnswer>> script_;
    FileDialogProvider* previous_;
};

}  // namespace win32
