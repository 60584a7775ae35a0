// A child process for the runner's tests; each mode writes a known pattern.
//   silent               writes nothing
//   bytes N              writes N bytes ("0123456789" repeated) in one write
//   flood N              writes the N bytes of FloodText.h in 64 KB writes
//   paced A +MS B ...    writes each word as a line of its own, and sleeps
//                        MS milliseconds for each +MS
//   chunks N SIZE        the same N bytes in writes of SIZE bytes, as a program
//                        printing through a buffered stream does
//   interleave           out1, err1, out2, err2: alternate writes to stdout and stderr
//   grandchild           starts a grandchild that keeps stdout and writes only
//                        after this process has exited
//   args ...             writes each argument as [arg] on its own line
//   fds                  writes its open descriptors, blank-separated
//   pid-then-fifo PATH   writes its pid, closes stdout and stderr, then
//                        waits until a writer opens and closes the fifo PATH
//   signal N             dies of signal N
//   parent               writes its parent's pid
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <thread>

#include "FloodText.h"

extern char** environ;

namespace {

void WriteAll(int fd, std::string_view text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t put = ::write(fd, text.data() + done, text.size() - done);
        if (put <= 0) std::exit(3);
        done += static_cast<std::size_t>(put);
    }
}

int Bytes(long count) {
    std::string text;
    for (long i = 0; i < count; ++i) text.push_back(static_cast<char>('0' + i % 10));
    WriteAll(1, text);
    return 0;
}

int Flood(long count) {
    std::string block;
    for (long at = 0; at < count;) {
        block.clear();
        for (; at < count && block.size() < (64u << 10); ++at)
            block.push_back(flood::ByteAt(std::size_t(at)));
        WriteAll(1, block);
    }
    return 0;
}

int Paced(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) {
        if (argv[i][0] == '+')
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[i] + 1)));
        else
            WriteAll(1, std::string(argv[i]) + "\n");
    }
    return 0;
}

// The pattern is laid out once, a chunk and ten bytes long, so the writes
// (not the making of the text) set the pace.
int Chunks(long count, long size) {
    if (size <= 0 || count < 0) return 64;
    std::string pattern;
    for (long i = 0; i < size + 10; ++i) pattern.push_back(static_cast<char>('0' + i % 10));
    for (long done = 0; done < count;) {
        const long length = std::min(size, count - done);
        WriteAll(1, std::string_view(pattern).substr(std::size_t(done % 10), std::size_t(length)));
        done += length;
    }
    return 0;
}

int Interleave() {
    WriteAll(1, "out1\n");
    WriteAll(2, "err1\n");
    WriteAll(1, "out2\n");
    WriteAll(2, "err2\n");
    return 0;
}

// The grandchild's stdin is a pipe whose only writer is this process, so its
// read returns end-of-file exactly when this process has exited.
int Grandchild(const char* self) {
    int link[2];
    if (::pipe(link) != 0) return 2;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, link[0], 0);
    ::posix_spawn_file_actions_addclose(&actions, link[1]);
    char mode[] = "late-writer";
    char* argv[] = {const_cast<char*>(self), mode, nullptr};
    // argv[0] is the name as typed; the executable itself is always here.
    const char* executable = "/proc/self/exe";
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, executable, &actions, nullptr, argv, environ);
    ::posix_spawn_file_actions_destroy(&actions);
    if (error != 0) return 2;
    WriteAll(1, "child exits\n");
    return 0;
}

int LateWriter() {
    char byte;
    while (::read(0, &byte, 1) > 0) {
    }
    WriteAll(1, "grandchild writes after its parent exited\n");
    return 0;
}

int Args(int argc, char** argv) {
    for (int i = 2; i < argc; ++i) WriteAll(1, std::string("[") + argv[i] + "]\n");
    return 0;
}

int Fds() {
    DIR* folder = ::opendir("/proc/self/fd");
    if (folder == nullptr) return 2;
    const int own = ::dirfd(folder);
    std::string list;
    while (const dirent* entry = ::readdir(folder)) {
        if (entry->d_name[0] == '.' || std::atoi(entry->d_name) == own) continue;
        list += std::string(entry->d_name) + " ";
    }
    ::closedir(folder);
    WriteAll(1, list);
    return 0;
}

int PidThenFifo(const char* fifo) {
    WriteAll(1, "pid " + std::to_string(::getpid()) + "\n");
    ::close(1);
    ::close(2);
    const int fd = ::open(fifo, O_RDONLY);
    if (fd < 0) return 2;
    char byte;
    while (::read(fd, &byte, 1) > 0) {
    }
    ::close(fd);
    return 0;
}

// Sanitizers catch some signals themselves; the default action is wanted.
int DieOfSignal(int signal) {
    ::signal(signal, SIG_DFL);
    ::raise(signal);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "silent") return 0;
    if (mode == "bytes" && argc > 2) return Bytes(std::atol(argv[2]));
    if (mode == "flood" && argc > 2) return Flood(std::atol(argv[2]));
    if (mode == "paced") return Paced(argc, argv);
    if (mode == "chunks" && argc > 3) return Chunks(std::atol(argv[2]), std::atol(argv[3]));
    if (mode == "interleave") return Interleave();
    if (mode == "grandchild") return Grandchild(argv[0]);
    if (mode == "late-writer") return LateWriter();
    if (mode == "args") return Args(argc, argv);
    if (mode == "fds") return Fds();
    if (mode == "pid-then-fifo" && argc > 2) return PidThenFifo(argv[2]);
    if (mode == "parent") return std::printf("%ld\n", long(::getppid())) > 0 ? 0 : 1;
    if (mode == "signal" && argc > 2) return DieOfSignal(std::atoi(argv[2]));
    WriteAll(2, "childprog: unknown mode\n");
    return 64;
}
