// From posix_spawn to the first frame painted on the offscreen platform, and
// the peak resident size, of the program and of a bare Qt program with the
// same widgets. Each repetition is one launch; repetitions of the two are
// interleaved, so both see the same load.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "bench/speed/Anchors.h"

extern char** environ;

namespace speed {
namespace {

double MonotonicSeconds() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct Launch {
    double seconds = -1;  // spawn to first frame; negative when none was reported
    double cpuMs = 0;     // the CPU time the process had used by then
    double peakMiB = 0;
};

Launch LaunchOnce(const std::string& program) {
    std::vector<std::string> env{"QT_QPA_PLATFORM=offscreen", "CORVALMIRE_FIRST_PAINT=1"};
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 &&
            std::strncmp(*e, "CORVALMIRE_FIRST_PAINT=", 23) != 0)
            env.emplace_back(*e);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    int fds[2];
    if (::pipe(fds) != 0) return {};
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    ::posix_spawn_file_actions_addclose(&actions, fds[0]);
    ::posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::string name = program;
    char* argv[] = {name.data(), nullptr};
    pid_t pid = 0;
    const double started = MonotonicSeconds();
    const int error = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv, envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    Launch launch;
    std::string output;
    char buffer[512];
    for (ssize_t got; error == 0 && (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(got));
    ::close(fds[0]);
    if (error != 0) return launch;
    ::waitpid(pid, nullptr, 0);
    // Both report their own peak: the kernel's figure for a child started
    // from this process also counts this process's size before the exec.
    const std::size_t at = output.find(" at ");
    double painted = 0, cpu = 0;
    long peakKiB = 0;
    if (at != std::string::npos &&
        std::sscanf(output.c_str() + at,
                    " at %lf s on the monotonic clock, %lf ms of CPU, peak resident %ld KiB", &painted, &cpu,
                    &peakKiB) == 3) {
        launch.seconds = painted - started;
        launch.cpuMs = cpu;
        launch.peakMiB = double(peakKiB) / 1024.0;
    }
    return launch;
}

void LaunchToFirstFrame(benchmark::State& state, const std::string& program) {
    for (auto _ : state) {
        const Launch launch = LaunchOnce(program);
        if (launch.seconds < 0) {
            state.SkipWithError("no first frame reported");
            break;
        }
        state.SetIterationTime(launch.seconds);
        state.counters["cpu_ms"] = launch.cpuMs;
        state.counters["peak_MiB"] = launch.peakMiB;
    }
}

void Program(benchmark::State& state) { LaunchToFirstFrame(state, BuildFolder("bin") + "/corvalmire"); }
void BareQt(benchmark::State& state) { LaunchToFirstFrame(state, BuildFolder("bench") + "/bare_qt_window"); }

BENCHMARK(Program)
    ->Name("LaunchProgram")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(21)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BareQt)
    ->Name("LaunchBareQt")
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(21)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace speed
