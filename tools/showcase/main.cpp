// corvalmire-showcase: every style of the raReruri control, live, with the
// switches that change them and the About box of each. With --about it
// opens with the About box of the first style button already shown.
#include <cstring>

#include "presenter/Application.h"
#include "tools/showcase/Showcase.h"

int main(int argc, char** argv) {
    presenter::Application application(argc, argv);
    showcase::Showcase showcase;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--about") == 0)
            showcase.Form().Load.Connect([&showcase] { showcase.StyleButton(0).About(); });
    }
    return application.Run(showcase.Form());
}
