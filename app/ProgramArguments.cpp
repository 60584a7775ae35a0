#include "app/ProgramArguments.h"

#include <cstdio>
#include <filesystem>

namespace app {
namespace {

// The image as the open dialog would hand it back: an absolute path, so a
// name that starts with '-' can never be taken for an option further on.
std::string AbsoluteFile(std::string path) {
    while (path.starts_with("./")) path.erase(0, 2);
    std::error_code error;
    const auto absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.string();
}

// Help, version and a wrong argument open no window: nothing else counts.
ProgramArguments Only(ProgramArguments::Action action, std::string wrong = {}) {
    ProgramArguments only;
    only.action = action;
    only.wrong = std::move(wrong);
    return only;
}

ProgramArguments Wrong(std::string what) { return Only(ProgramArguments::Action::Wrong, std::move(what)); }

}  // namespace

ProgramArguments ParseProgramArguments(const std::vector<std::string>& argv) {
    ProgramArguments result;
    bool optionsEnded = false;
    for (std::size_t i = 1; i < argv.size(); ++i) {
        const std::string& argument = argv[i];
        const bool option = !optionsEnded && argument.size() > 1 && argument[0] == '-';
        if (!option) {
            if (argument.empty()) return Wrong(argument);
            // One image at a time, as in the window.
            if (!result.file.empty()) return Wrong(argument);
            result.file = AbsoluteFile(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            return Only(ProgramArguments::Action::Help);
        } else if (argument == "--version") {
            return Only(ProgramArguments::Action::Version);
        } else if (argument == "--screenshot" && i + 1 < argv.size()) {
            result.screenshot = argv[++i];
        } else {
            return Wrong(argument);
        }
    }
    return result;
}

std::string UsageText() {
    return "Uso: corvalmire [--help | --version | FILE.nrg]\n"
           "Converte un'immagine disco NRG in un'immagine ISO 9660.\n"
           "\n"
           "  FILE.nrg     apre la finestra con questo file già scelto\n"
           "  --help       mostra questo aiuto ed esce\n"
           "  --version    mostra la versione ed esce\n";
}

std::string VersionText() {
    return "Corvalmire " CORVALMIRE_VERSION
           "\n"
           "Licenza GPL versione 2 o successiva; contiene nrg2iso, con licenza LGPL versione 2.\n";
}

int AnswerWithoutWindow(const ProgramArguments& arguments) {
    switch (arguments.action) {
        case ProgramArguments::Action::Help: std::fputs(UsageText().c_str(), stdout); return 0;
        case ProgramArguments::Action::Version: std::fputs(VersionText().c_str(), stdout); return 0;
        case ProgramArguments::Action::Wrong:
            std::fprintf(stderr, "corvalmire: argomento non valido: '%s'\n\n%s", arguments.wrong.c_str(),
                         UsageText().c_str());
            return 2;
        case ProgramArguments::Action::Open: break;
    }
    return 0;
}

}  // namespace app
