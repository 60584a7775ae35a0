// The program's command line: how it is read, and what the real program
// answers to --help, --version and a wrong argument with no display at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/ProgramArguments.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Action = app::ProgramArguments::Action;

TEST(ProgramArguments, AreReadAsTheTableSays) {
    const std::string here = fs::current_path().string();
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::string file, screenshot, wrong;
    } rows[] = {
        {{}, Action::Open, "", "", ""},
        {{"disk.nrg"}, Action::Open, here + "/disk.nrg", "", ""},
        {{"./disk.nrg"}, Action::Open, here + "/disk.nrg", "", ""},
        {{"/a b/è.nrg"}, Action::Open, "/a b/è.nrg", "", ""},
        {{"-"}, Action::Open, here + "/-", "", ""},
        {{"--", "-disk.nrg"}, Action::Open, here + "/-disk.nrg", "", ""},  // never taken for an option later
        {{"--screenshot", "shot.png", "/x.nrg"}, Action::Open, "/x.nrg", "shot.png", ""},
        {{"--help"}, Action::Help, "", "", ""},
        {{"-h"}, Action::Help, "", "", ""},
        {{"/x.nrg", "--version"}, Action::Version, "", "", ""},
        {{"--version", "--bogus"}, Action::Version, "", "", ""},
        {{"--bogus"}, Action::Wrong, "", "", "--bogus"},
        {{"-disk.nrg"}, Action::Wrong, "", "", "-disk.nrg"},
        {{"--screenshot"}, Action::Wrong, "", "", "--screenshot"},
        {{"/a.nrg", "/b.nrg"}, Action::Wrong, "", "", "/b.nrg"},  // one image at a time
        {{""}, Action::Wrong, "", "", ""},
    };
    for (const auto& row : rows) {
        std::vector<std::string> argv = {"corvalmire"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        const auto parsed = app::ParseProgramArguments(argv);
        const std::string trace = ::testing::PrintToString(row.arguments);
        EXPECT_EQ(parsed.action, row.action) << trace;
        EXPECT_EQ(parsed.file, row.file) << trace;
        EXPECT_EQ(parsed.screenshot, row.screenshot) << trace;
        EXPECT_EQ(parsed.wrong, row.wrong) << trace;
    }
}

const char kUsage[] =
    "Uso: corvalmire [--help | --version | FILE.nrg]\n"
    "Converte un'immagine disco NRG in un'immagine ISO 9660.\n"
    "\n"
    "  FILE.nrg     apre la finestra con questo file già scelto\n"
    "  --help       mostra questo aiuto ed esce\n"
    "  --version    mostra la versione ed esce\n";

std::string ReadText(const fs::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ProgramArguments, HelpVersionAndAWrongArgumentNeedNoDisplay) {
    const fs::path folder =
        fs::temp_directory_path() / ("corvalmire-arguments-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const struct {
        std::string argument;
        int exitCode;
        std::string out, err;
    } rows[] = {
        {"--help", 0, kUsage, ""},
        {"--version", 0,
         "Corvalmire " CORVALMIRE_VERSION
         "\nLicenza GPL versione 2 o successiva; contiene nrg2iso, con licenza LGPL versione 2.\n",
         ""},
        {"--bogus", 2, "", std::string("corvalmire: argomento non valido: '--bogus'\n\n") + kUsage},
    };
    const fs::path program =
        fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin/corvalmire";
    const fs::path out = folder / "out", err = folder / "err";
    for (const auto& row : rows) {
        // No display at all: neither X, nor Wayland, nor Qt's offscreen platform.
        const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                    program.string() + "' " + row.argument + " >'" + out.string() + "' 2>'" +
                                    err.string() + "'";
        const int status = std::system(command.c_str());
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, row.exitCode) << row.argument;
        EXPECT_EQ(ReadText(out), row.out) << row.argument;
        EXPECT_EQ(ReadText(err), row.err) << row.argument;
    }
    fs::remove_all(folder);
}

}  // namespace
