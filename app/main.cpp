// Corvalmire: converts an NRG disc image to ISO with nrg2iso.
#include "app/ProgramArguments.h"
#include "app/frmDOSOutput.h"
#include "presenter/Application.h"

int main(int argc, char** argv) {
    const app::ProgramArguments arguments = app::ParseProgramArguments({argv, argv + argc});
    if (arguments.action != app::ProgramArguments::Action::Open) return app::AnswerWithoutWindow(arguments);
    // Qt gets none of the arguments: an image may be named like one of its options.
    int qtArgc = 1;
    presenter::Application application(qtArgc, argv);
    application.screenshotPath = arguments.screenshot;
    application.desktopEntry = CORVALMIRE_APP_ID;
    app::frmDOSOutput window;
    return application.Run(window.Form(), [&] {
        if (!arguments.file.empty()) window.OpenFile(arguments.file);
    });
}
