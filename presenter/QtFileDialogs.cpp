#include "presenter/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/comdlg/CommDlg.h"
#include "platform/user/Window.h"

namespace presenter {
namespace {

// "Nero files (*.nrg)" with "*.nrg" stays as it is; a description that does
// not show its patterns gets them added, which is how Qt reads them.
QString FilterLine(const std::string& description, const std::string& patterns) {
    QString list = QString::fromStdString(patterns);
    list.replace(';', ' ');
    const QString text = QString::fromStdString(description);
    return text.endsWith("(" + list + ")") ? text : text + " (" + list + ")";
}

bool ConfirmCreate(QWidget* parent, const QString& path) {
    const QString text = QFileInfo(path).fileName() + "\nIl file non esiste.\nCrearlo?";
    return QMessageBox::question(parent, QString(), text) == QMessageBox::Yes;
}

}  // namespace

void QtFileDialogs::Configure(QFileDialog& dialog, const win32::FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QString::fromStdString(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A file that does not exist yet may be named when the caller asked to
    // be prompted about creating it, and always when saving.
    const bool mayBeNew = request.save || (request.flags & win32::OFN_CREATEPROMPT);
    dialog.setFileMode(mayBeNew ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & win32::OFN_OVERWRITEPROMPT));
    QStringList filters;
    for (const auto& [description, patterns] : request.filters) filters << FilterLine(description, patterns);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const bool valid = request.filterIndex >= 1 && request.filterIndex <= filters.size();
        dialog.selectNameFilter(filters.at(valid ? request.filterIndex - 1 : 0));
    }
    const QString folder = QString::fromStdString(request.initialDir);
    dialog.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));
    dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
    win32::RECT r{};
    if (request.dialog && win32::GetWindowRect(request.dialog, &r)) {
        dialog.setGeometry(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
}

std::optional<win32::FileDialogAnswer> QtFileDialogs::Run(const win32::FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    Configure(dialog, request);
    // Qt's dialog never changes the current folder: OFN_NOCHANGEDIR holds as
    // it is, and without it the layer changes folder afterwards.
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().first();
        const bool askCreate =
            !request.save && (request.flags & win32::OFN_CREATEPROMPT) && !QFileInfo::exists(path);
        if (askCreate && !ConfirmCreate(&dialog, path)) continue;
        const int filter = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
        return win32::FileDialogAnswer{path.toStdString(), filter > 0 ? filter : 1};
    }
    return std::nullopt;
}

}  // namespace presenter
