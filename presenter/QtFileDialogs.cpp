#include "presenter/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/comdlg/CommDlg.h"
#include "platform/user/Window.h"
#include "presenter/PathOnDisk.h"

namespace presenter {
namespace {

// "Nero files (*.nrg)" with "*.nrg" stays as it is; a description that does
// not show its patterns gets them added, which is how Qt reads them.
QString FilterLine(const std::string& description, const std::string& patterns) {
    QString list = QString::fromUtf8(patterns);
    list.replace(';', ' ');
    const QString text = QString::fromUtf8(description);
    return text.endsWith("(" + list + ")") ? text : text + " (" + list + ")";
}

bool ConfirmCreate(QWidget* parent, const QString& path) {
    const QString text = QFileInfo(path).fileName() + "\nIl file non esiste.\nCrearlo?";
    return QMessageBox::question(parent, QString(), text) == QMessageBox::Yes;
}

void ReportMissing(QWidget* parent, const QString& path) {
    const QString text =
        QFileInfo(path).fileName() + "\nFile non trovato.\nVerificare che il nome del file sia corretto.";
    QMessageBox::warning(parent, QString(), text);
}

}  // namespace

void QtFileDialogs::Configure(QFileDialog& dialog, const win32::FileDialogRequest& request) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setWindowTitle(QString::fromUtf8(request.title));
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Qt checks that a file exists by its name as text, which fails for a
    // name that is not UTF-8; Run checks the name's bytes instead.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(request.flags & win32::OFN_OVERWRITEPROMPT));
    QStringList filters;
    for (const auto& [description, patterns] : request.filters) filters << FilterLine(description, patterns);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const bool valid = request.filterIndex >= 1 && request.filterIndex <= filters.size();
        dialog.selectNameFilter(filters.at(valid ? request.filterIndex - 1 : 0));
    }
    const QString folder = QString::fromUtf8(request.initialDir);
    dialog.setDirectory(folder.isEmpty() ? QDir::currentPath() : folder);
    if (!request.fileName.empty()) dialog.selectFile(QString::fromUtf8(request.fileName));
    dialog.setDefaultSuffix(QString::fromUtf8(request.defaultExtension));
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
        const QString shown = dialog.selectedFiles().first();
        const std::string path = PathOnDisk(shown);
        // A file that does not exist yet may be named when saving, and when
        // the caller asked to be prompted about creating it.
        if (!request.save && !ExistsOnDisk(path)) {
            if (!(request.flags & win32::OFN_CREATEPROMPT)) {
                ReportMissing(&dialog, shown);
                continue;
            }
            if (!ConfirmCreate(&dialog, shown)) continue;
        }
        const int filter = static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
        return win32::FileDialogAnswer{path, filter > 0 ? filter : 1};
    }
    return std::nullopt;
}

}  // namespace presenter
