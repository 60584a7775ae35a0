// Runs one command through the main window, offscreen, as a click on
// Converti does, and exits: flood_window COMMAND...
#include <QApplication>
#include <string>

#include "app/frmDOSOutput.h"
#include "control/raReruri.h"
#include "host/TextBox.h"
#include "presenter/QtPresenter.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qt(argc, argv);
    std::string command;
    for (int i = 1; i < argc; ++i) command += (i > 1 ? " " : "") + std::string(argv[i]);
    presenter::QtPresenter presenter;
    app::frmDOSOutput window;
    window.Show();
    QCoreApplication::processEvents();
    window.txtCommand().SetText(command);
    window.txtComando().SetText(command);
    window.cmdExecute().Click.Raise();
    return window.txtOutputs().Text().empty() ? 1 : 0;
}
