#include "tests/differential/WineRun.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>
#include <vector>

extern char** environ;

namespace corvalmire::differential {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string FindWine() {
    if (const char* chosen = std::getenv("CORVALMIRE_WINE"); chosen && *chosen) return chosen;
    if (fs::exists("/usr/lib/wine/wine64")) return "/usr/lib/wine/wine64";  // Debian's wine64
    for (const char* name : {"wine64", "wine"}) {
        const char* path = std::getenv("PATH");
        std::istringstream folders(path ? path : "");
        for (std::string folder; std::getline(folders, folder, ':');) {
            if (!folder.empty() && access((fs::path(folder) / name).c_str(), X_OK) == 0)
                return folder + "/" + name;
        }
    }
    return {};
}

// Where the 64-bit builtin DLLs live, for the minimal prefix.
fs::path FindDllFolder(const std::string& wine) {
    const fs::path bin = fs::weakly_canonical(wine).parent_path();
    for (const fs::path& folder : {fs::path("/usr/lib/x86_64-linux-gnu/wine/x86_64-windows"),
                                   bin / "../lib/wine/x86_64-windows", bin / "../lib64/wine/x86_64-windows",
                                   bin / "x86_64-windows", fs::path("/usr/lib/wine/x86_64-windows")}) {
        std::error_code ec;
        if (fs::exists(folder / "kernel32.dll", ec)) return folder;
    }
    return {};
}

class Process {
public:
    // Runs argv with the environment changed as given (an empty value
    // removes the variable); stdout and stderr go to files.
    static int Run(const std::vector<std::string>& argv,
                   const std::vector<std::pair<std::string, std::string>>& env, const fs::path& out,
                   const fs::path& err, int timeoutSeconds) {
        std::vector<std::string> vars;
        for (char** e = environ; *e; ++e) {
            const std::string var = *e;
            bool replaced = false;
            for (const auto& [name, value] : env) replaced |= var.rfind(name + "=", 0) == 0;
            if (!replaced) vars.push_back(var);
        }
        for (const auto& [name, value] : env) {
            if (!value.empty()) vars.push_back(name + "=" + value);
        }
        std::vector<char*> args, envp;
        for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
        for (const std::string& v : vars) envp.push_back(const_cast<char*>(v.c_str()));
        args.push_back(nullptr);
        envp.push_back(nullptr);

        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&files, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);  // its own group, to stop it whole
        pid_t pid = 0;
        const int failed = posix_spawn(&pid, args[0], &files, &attributes, args.data(), envp.data());
        posix_spawn_file_actions_destroy(&files);
        posix_spawnattr_destroy(&attributes);
        if (failed) return -1;
        return Wait(pid, timeoutSeconds);
    }

private:
    static int Wait(pid_t pid, int timeoutSeconds) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
        int status = 0;
        while (waitpid(pid, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                kill(-pid, SIGKILL);
                waitpid(pid, &status, 0);
                return -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
};

class Prefix {
public:
    Prefix(std::string wine, fs::path folder) : wine_(std::move(wine)), folder_(std::move(folder)) {}
    ~Prefix() {
        // Stop this prefix's wineserver before its folder goes.
        const fs::path server = fs::path(wine_).parent_path() / "wineserver";
        if (fs::exists(server)) Run({server.string(), "-k"}, 30);
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    bool MakeMinimal(const fs::path& dlls) {
        std::error_code ec;
        const fs::path system32 = folder_ / "drive_c/windows/system32";
        fs::create_directories(system32, ec);
        fs::create_directories(folder_ / "dosdevices", ec);
        fs::create_directory_symlink("../drive_c", folder_ / "dosdevices/c:", ec);
        for (const fs::directory_entry& dll : fs::directory_iterator(dlls, ec)) {
            fs::create_symlink(dll.path(), system32 / dll.path().filename(), ec);
        }
        // "disable" keeps Wine from running its first-start set-up.
        std::ofstream(folder_ / ".update-timestamp") << "disable\n";
        return !ec;
    }
    bool MakeFull() { return Run({wine_, "wineboot", "--init"}, 150) == 0; }
    bool Ready(const std::string& exe) {
        return Run({wine_, exe, "--ready"}, 60) == 0 && Output() == "ready\n";
    }
    int Run(const std::vector<std::string>& argv, int timeoutSeconds) {
        return Process::Run(argv,
                            {{"WINEPREFIX", folder_.string()},
                             {"WINEDEBUG", "-all"},
                             {"WINEDLLOVERRIDES", "mscoree,mshtml="},
                             {"DISPLAY", ""},
                             {"WAYLAND_DISPLAY", ""}},
                            folder_ / "out", folder_ / "err", timeoutSeconds);
    }
    std::string Output() const { return ReadFile(folder_ / "out"); }
    std::string Errors() const { return ReadFile(folder_ / "err"); }

private:
    std::string wine_;
    fs::path folder_;
};

std::string NewFolder(const std::string& parent, const char* name) {
    std::string pattern = (fs::path(parent) / (std::string(name) + "-XXXXXX")).string();
    return mkdtemp(pattern.data()) ? pattern : std::string();
}

}  // namespace

WineRun RunUnderWine(const std::string& exe, const std::string& parentFolder) {
    WineRun run;
    const std::string wine = FindWine();
    if (wine.empty()) {
        run.notes = "no wine64 found (set CORVALMIRE_WINE, or run scripts/setup)";
        return run;
    }
    const fs::path dlls = FindDllFolder(wine);
    const std::string minimal = dlls.empty() ? std::string() : NewFolder(parentFolder, "wine-minimal");
    std::unique_ptr<Prefix> prefix;
    if (!minimal.empty()) {
        prefix = std::make_unique<Prefix>(wine, minimal);
        if (prefix->MakeMinimal(dlls) && prefix->Ready(exe)) {
            run.notes = "minimal prefix over " + dlls.string();
        } else {
            run.notes = "the minimal prefix did not start (" + prefix->Errors() + "); ";
            prefix.reset();
        }
    }
    if (!prefix) {
        const std::string full = NewFolder(parentFolder, "wine-full");
        if (full.empty()) {
            run.notes += "could not make a folder in " + parentFolder;
            return run;
        }
        prefix = std::make_unique<Prefix>(wine, full);
        if (!prefix->MakeFull() || !prefix->Ready(exe)) {
            run.notes += "a full prefix did not start either: " + prefix->Errors();
            return run;
        }
        run.notes += "full prefix from wineboot --init";
    }
    run.started = true;
    run.exitCode = prefix->Run({wine, exe}, 120);
    run.output = prefix->Output();
    if (run.exitCode != 0) run.notes += "; stderr: " + prefix->Errors();
    return run;
}

}  // namespace corvalmire::differential
