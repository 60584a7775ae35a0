// Corvalmire: converts an NRG disc image to ISO with nrg2iso.
#include "app/frmDOSOutput.h"
#include "presenter/Application.h"

int main(int argc, char** argv) {
    presenter::Application application(argc, argv);
    app::frmDOSOutput window;
    return application.Run(window.Form());
}
