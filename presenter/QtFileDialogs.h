// The file dialog on screen: Qt's own dialog (not the desktop's, so it can
// be placed), put where the layer's dialog window is after the hook ran.
#pragma once

#include "platform/comdlg/FileDialogProvider.h"

class QFileDialog;

namespace presenter {

class QtFileDialogs : public win32::FileDialogProvider {
public:
    std::optional<win32::FileDialogAnswer> Run(const win32::FileDialogRequest& request) override;

    // Sets the dialog up from the request without showing it (tests read it back).
    static void Configure(QFileDialog& dialog, const win32::FileDialogRequest& request);
};

}  // namespace presenter
