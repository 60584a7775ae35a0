// The program's command line: how it is read, and what the real program
// answers to --help, --version and a wrong argument with no display at all.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "NrgFixture.h"
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

struct Answer {
    int exitCode = -1;
    std::string out, err;
};

// Runs the built program with no display, X or Wayland, and no Qt platform.
Answer RunProgram(const std::string& argument, const fs::path& folder) {
    const fs::path program =
        fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bin/corvalmire";
    std::vector<char*> environment;
    for (char** entry = environ; *entry; ++entry) {
        const std::string name(*entry, std::strcspn(*entry, "="));
        if (name != "DISPLAY" && name != "WAYLAND_DISPLAY" && name != "QT_QPA_PLATFORM")
            environment.push_back(*entry);
    }
    environment.push_back(nullptr);
    const std::string out = (folder / "out").string(), err = (folder / "err").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    std::string path = program.string(), arg = argument;
    char* argv[] = {path.data(), arg.data(), nullptr};
    pid_t pid = 0;
    Answer answer;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environment.data()) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        answer.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    const auto read = [](const std::string& file) {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    answer.out = read(out);
    answer.err = read(err);
    return answer;
}

TEST(ProgramArguments, HelpVersionAndAWrongArgumentNeedNoDisplay) {
    const fixture::TempFolder folder("corvalmire-arguments");
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
    for (const auto& row : rows) {
        const Answer answer = RunProgram(row.argument, folder.path());
        EXPECT_EQ(answer.exitCode, row.exitCode) << row.argument;
        EXPECT_EQ(answer.out, row.out) << row.argument;
        EXPECT_EQ(answer.err, row.err) << row.argument;
    }
}

}  // namespace
