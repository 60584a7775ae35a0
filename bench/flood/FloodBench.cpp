// A child printing a flood through the window against the same child
// through the runner alone (corvalmire-run): wall time and peak memory of
// each, and their ratios. The window promises at most twice the time and
// three times the output in memory.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/kernel/KernelExtensions.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Run {
    double seconds = 0;
    double cpuSeconds = 0;  // user and system, with the children it waited for
    double peakMegabytes = 0;
    bool ok = false;
};

// Runs argv with its output thrown away.
Run Measure(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    Run run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage{};
        ::wait4(pid, &status, 0, &usage);
        run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        run.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        run.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024.0;
        run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

void BM_FloodWindowAgainstRunner(benchmark::State& state) {
    const fs::path build = fs::path(win32::ApplicationFolder()).parent_path();
    const std::string child = (build / "tests" / "childprog").string();
    const std::string bytes = std::to_string(state.range(0));
    Run runner, window;
    for (auto _ : state) {
        runner = Measure({(build / "bin" / "corvalmire-run").string(), child, "flood", bytes});
        window = Measure({(build / "bench" / "flood_window").string(), child, "flood", bytes});
        if (!runner.ok || !window.ok) state.SkipWithError("a run failed");
        state.SetIterationTime(runner.seconds + window.seconds);
    }
    state.counters["runner_s"] = runner.seconds;
    state.counters["window_s"] = window.seconds;
    state.counters["time_ratio"] = window.seconds / runner.seconds;
    state.counters["cpu_ratio"] = window.cpuSeconds / runner.cpuSeconds;
    state.counters["runner_MB"] = runner.peakMegabytes;
    state.counters["window_MB"] = window.peakMegabytes;
    state.counters["memory_ratio"] = window.peakMegabytes / runner.peakMegabytes;
    state.counters["window_per_output"] =
        window.peakMegabytes / (static_cast<double>(state.range(0)) / (1 << 20));
}
BENCHMARK(BM_FloodWindowAgainstRunner)
    ->Arg(16'000'000)
    ->Arg(100'000'000)
    ->Unit(benchmark::kSecond)
    ->UseManualTime()
    ->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
