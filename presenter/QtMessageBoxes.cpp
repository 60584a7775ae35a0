#include "presenter/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace presenter {

int QtMessageBoxes::Show(const std::string& prompt, int buttons, const std::string& title) {
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (buttons & 0x70) {
        case host::vbCritical: icon = QMessageBox::Critical; break;
        case host::vbQuestion: icon = QMessageBox::Question; break;
        case host::vbExclamation: icon = QMessageBox::Warning; break;
        case host::vbInformation: icon = QMessageBox::Information; break;
        default: break;
    }
    QMessageBox box(icon, QString::fromStdString(title), QString::fromLatin1(prompt.c_str()), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
    return host::vbOK;
}

}  // namespace presenter
