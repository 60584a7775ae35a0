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
    const bool question = (buttons & 7) == host::vbYesNo;
    QMessageBox box(icon, QString::fromUtf8(title), QString::fromUtf8(prompt),
                    question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok,
                    QApplication::activeWindow());
    if (!question) {
        box.exec();
        return host::vbOK;
    }
    box.setDefaultButton(host::DefaultAnswer(buttons) == host::vbNo ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? host::vbYes : host::vbNo;
}

}  // namespace presenter
