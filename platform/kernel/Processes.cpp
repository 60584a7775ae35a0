#include "platform/kernel/Processes.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/kernel/CommandLine.h"
#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/InterpreterStandIn.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/KernelObjects.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/ProgramSearch.h"

extern char** environ;

namespace win32 {

namespace {

std::string CurrentFolder() {
    std::vector<char> buffer(4096);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return ".";
        buffer.resize(buffer.size() * 2);
    }
    return buffer.data();
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
           sa.st_ino == sb.st_ino;
}

std::optional<std::string> ResolveProgram(LPCSTR applicationName, const std::string& commandLine) {
    if (applicationName != nullptr) {
        // An explicit name is used as given: no search, no default extension.
        if (FindProgram(applicationName, {CurrentFolder()}, {""})) {
            std::string name = applicationName;
            return name.find('/') == std::string::npos ? CurrentFolder() + '/' + name : name;
        }
        return std::nullopt;
    }
    const std::string name = FirstCommandLineToken(commandLine).name;
    std::vector<std::string> folders = {ApplicationFolder(), CurrentFolder(), SystemFolder()};
    for (auto& folder : PathFolders()) folders.push_back(std::move(folder));
    return FindProgram(name, folders, {"", ".exe"});
}

// "cmd" is the command interpreter wherever the search found it: beside the
// program, or through PATH when it is installed elsewhere.
bool IsCommandInterpreter(const std::string& program) {
    const std::string name = std::filesystem::path(program).filename().string();
    return name == "cmd" || name == "cmd.exe" || SameFile(program, SystemFolder() + "/cmd");
}

std::vector<std::string> ChildArguments(const std::string& program, const std::string& commandLine) {
    if (IsCommandInterpreter(program)) return {program, kRawCommandLineFlag, commandLine};
    std::vector<std::string> arguments = SplitCommandLine(commandLine);
    if (arguments.empty()) arguments.push_back(program);
    return arguments;
}

// "A=1\0B=2\0\0" as the platform passes an environment block.
std::vector<std::string> EnvironmentBlock(LPVOID block) {
    std::vector<std::string> entries;
    for (const char* at = static_cast<const char*>(block); *at != '\0'; at += entries.back().size() + 1) {
        entries.emplace_back(at);
    }
    return entries;
}

std::vector<char*> PointerArray(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& text : strings) pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// The descriptor a standard handle gives the child; negative for /dev/null,
// which a handle that is not an inheritable pipe end becomes.
int InheritedDescriptor(HANDLE handle, bool inheritHandles) {
    const auto object = kernel::FindKernelObject(handle);
    return object && object->fd >= 0 && object->inheritable && inheritHandles ? object->fd : -1;
}

// The child's start-up actions; owns the descriptors it had to move.
class SpawnActions {
public:
    SpawnActions() { ::posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() {
        ::posix_spawn_file_actions_destroy(&actions_);
        for (const int fd : moved_) ::close(fd);
    }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    // Makes `handle` the child's descriptor `target`, or /dev/null when the
    // handle is not an inheritable pipe end.
    void StandardHandle(HANDLE handle, int target, bool inheritHandles) {
        int fd = InheritedDescriptor(handle, inheritHandles);
        if (fd < 0) {
            ::posix_spawn_file_actions_addopen(&actions_, target, "/dev/null",
                                               target == 0 ? O_RDONLY : O_WRONLY, 0);
            return;
        }
        // A source among 0-2 could be overwritten by an earlier dup2, and a
        // dup2 onto itself would keep close-on-exec; move it out of the way.
        if (fd <= 2) {
            fd = ::fcntl(fd, F_DUPFD_CLOEXEC, 3);
            if (fd < 0) return;
            moved_.push_back(fd);
        }
        ::posix_spawn_file_actions_adddup2(&actions_, fd, target);
    }

    void CloseTheRest() { ::posix_spawn_file_actions_addclosefrom_np(&actions_, 3); }
    void ChangeFolder(const char* folder) { ::posix_spawn_file_actions_addchdir_np(&actions_, folder); }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
    std::vector<int> moved_;
};

using Spawn = std::function<int(const std::string& path, std::vector<std::string> arguments, pid_t& pid)>;

// Starts what "cmd /c ..." would start, with the layer standing in for the
// interpreter (see InterpreterStandIn.h). False when cmd itself must run,
// which also reports a program that fails to start.
bool StartInPlaceOfTheInterpreter(const std::string& commandLine, const STARTUPINFOA& startup,
                                  BOOL inheritHandles, const Spawn& spawn, pid_t& pid) {
    const auto run = kernel::ProgramTheInterpreterWouldStart(commandLine);
    if (!run) return false;
    const bool piped = startup.dwFlags & STARTF_USESTDHANDLES;
    kernel::InterpreterStandIn standIn(piped ? InheritedDescriptor(startup.hStdOutput, inheritHandles) : 1,
                                       piped ? InheritedDescriptor(startup.hStdError, inheritHandles) : 2);
    if (!standIn.Ready() || spawn(run->path, run->arguments, pid) != 0) return false;
    standIn.WatchOver(pid, run->typedName);
    return true;
}

DWORD ErrorFromSpawn(int error) {
    switch (error) {
        case ENOENT: return ERROR_FILE_NOT_FOUND;
        case EACCES:
        case EPERM: return ERROR_ACCESS_DENIED;
        case ENOEXEC: return ERROR_BAD_EXE_FORMAT;
        case ENOMEM:
        case EAGAIN: return ERROR_NOT_ENOUGH_MEMORY;
        case ENOTDIR: return ERROR_DIRECTORY;
        default: return ERROR_INVALID_PARAMETER;
    }
}

bool IsFolder(const char* path) {
    struct stat info {};
    return ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine, LPSECURITY_ATTRIBUTES /*process*/,
                    LPSECURITY_ATTRIBUTES /*thread*/, BOOL bInheritHandles, DWORD /*dwCreationFlags*/,
                    LPVOID lpEnvironment, LPCSTR lpCurrentDirectory, LPSTARTUPINFOA lpStartupInfo,
                    LPPROCESS_INFORMATION lpProcessInformation) {
    if (lpStartupInfo == nullptr || lpProcessInformation == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *lpProcessInformation = {};
    if (lpApplicationName != nullptr && *lpApplicationName == '\0') {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return FALSE;
    }
    const std::string commandLine = lpCommandLine != nullptr ? lpCommandLine
                                    : lpApplicationName != nullptr
                                        ? QuoteCommandLineArgument(lpApplicationName)
                                        : std::string();
    const auto program = ResolveProgram(lpApplicationName, commandLine);
    if (!program) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return FALSE;
    }
    if (lpCurrentDirectory != nullptr && !IsFolder(lpCurrentDirectory)) {
        SetLastError(ERROR_DIRECTORY);
        return FALSE;
    }

    SpawnActions actions;
    if (lpStartupInfo->dwFlags & STARTF_USESTDHANDLES) {
        actions.StandardHandle(lpStartupInfo->hStdInput, 0, bInheritHandles);
        actions.StandardHandle(lpStartupInfo->hStdOutput, 1, bInheritHandles);
        actions.StandardHandle(lpStartupInfo->hStdError, 2, bInheritHandles);
    }
    actions.CloseTheRest();
    if (lpCurrentDirectory != nullptr) actions.ChangeFolder(lpCurrentDirectory);

    std::vector<std::string> environment;
    if (lpEnvironment != nullptr) environment = EnvironmentBlock(lpEnvironment);
    std::vector<char*> envp = PointerArray(environment);
    const Spawn spawn = [&](const std::string& path, std::vector<std::string> arguments, pid_t& pid) {
        std::vector<char*> argv = PointerArray(arguments);
        return ::posix_spawn(&pid, path.c_str(), actions.get(), nullptr, argv.data(),
                             lpEnvironment != nullptr ? envp.data() : environ);
    };

    pid_t pid = 0;
    // Another folder or environment could change what cmd finds: cmd runs then.
    const bool watched = lpApplicationName == nullptr && lpEnvironment == nullptr &&
                         lpCurrentDirectory == nullptr && IsCommandInterpreter(*program) &&
                         StartInPlaceOfTheInterpreter(commandLine, *lpStartupInfo, bInheritHandles, spawn, pid);
    if (!watched) {
        const int error = spawn(*program, ChildArguments(*program, commandLine), pid);
        if (error != 0) {
            SetLastError(ErrorFromSpawn(error));
            return FALSE;
        }
    }
    lpProcessInformation->hProcess =
        kernel::AddKernelObject({kernel::KernelObjectKind::Process, -1, pid, false, watched});
    lpProcessInformation->hThread =
        kernel::AddKernelObject({kernel::KernelObjectKind::Thread, -1, pid, false});
    lpProcessInformation->dwProcessId = static_cast<DWORD>(pid);
    lpProcessInformation->dwThreadId = static_cast<DWORD>(pid);
    return TRUE;
}

}  // namespace win32
