// The runner against the pipe itself: a plain loop of 256-byte read() calls
// on the same child (which prints in 4 KiB writes, as a program printing
// through a buffered stream does), and the time the cmd hop and the runner
// add to starting the converter directly.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <string>
#include <vector>

#include "app/DOSOutputs.h"
#include "bench/speed/Anchors.h"
#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/ProgramSearch.h"

extern char** environ;

namespace speed {
namespace {

std::string Child() { return BuildFolder("tests") + "/childprog"; }

std::vector<std::string> Chunks(std::int64_t bytes) {
    return {Child(), "chunks", std::to_string(bytes), "4096"};
}

// Starts argv with stdout (and stderr) on a pipe, reads it in reads of
// readSize bytes to its end (appending them to kept, if given) and waits
// for the child; the bytes read.
std::size_t RunDirectly(const std::vector<std::string>& args, std::size_t readSize,
                        std::string* kept = nullptr) {
    int fds[2];
    if (::pipe(fds) != 0) return 0;
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
    ::posix_spawn_file_actions_adddup2(&actions, fds[1], 2);
    ::posix_spawn_file_actions_addclose(&actions, fds[0]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int error = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(fds[1]);
    std::size_t total = 0;
    std::array<char, 65536> buffer;
    for (ssize_t got; error == 0 && (got = ::read(fds[0], buffer.data(), readSize)) > 0;) {
        total += std::size_t(got);
        if (kept) kept->append(buffer.data(), std::size_t(got));
    }
    ::close(fds[0]);
    if (error == 0) ::waitpid(pid, nullptr, 0);
    return total;
}

void PlainReadLoop(benchmark::State& state) {
    const auto args = Chunks(state.range(0));
    for (auto _ : state)
        if (RunDirectly(args, app::DOSOutputs::kReadSize) != std::size_t(state.range(0)))
            state.SkipWithError("short");
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

// The same loop keeping what it reads, as the runner must: the cost of
// holding the text, for comparison.
void PlainReadLoopKeeping(benchmark::State& state) {
    const auto args = Chunks(state.range(0));
    std::string kept;
    for (auto _ : state) {
        kept.clear();
        if (RunDirectly(args, app::DOSOutputs::kReadSize, &kept) != std::size_t(state.range(0)))
            state.SkipWithError("short");
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

void RunnerOutput(benchmark::State& state) {
    const auto args = Chunks(state.range(0));
    const std::string command = args[0] + " " + args[1] + " " + args[2] + " " + args[3];
    app::DOSOutputs runner;
    std::size_t events = 0;
    runner.ReceiveOutputs.Connect([&](const std::string&) { ++events; });
    for (auto _ : state)
        if (runner.ExecuteCommand(command).size() != std::size_t(state.range(0)))
            state.SkipWithError("short");
    win32::kernel::WaitForReleasedChildren();
    state.SetBytesProcessed(state.iterations() * state.range(0));
}

double ChildrenCpuMs() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 + double(usage.ru_utime.tv_usec) +
            double(usage.ru_stime.tv_usec)) /
           1e3;
}

// The CPU time the started processes used, each iteration: on a loaded
// machine the wall clock mostly measures waiting for the scheduler.
void CountChildren(benchmark::State& state, double before) {
    state.counters["children_cpu_ms"] = (ChildrenCpuMs() - before) / double(state.iterations());
}

void ConverterDirect(benchmark::State& state) {
    const double before = ChildrenCpuMs();
    for (auto _ : state) RunDirectly({Child(), "silent"}, app::DOSOutputs::kReadSize);
    CountChildren(state, before);
}

void ConverterThrough(benchmark::State& state, const std::string& command) {
    win32::SetSystemFolder(BuildFolder("bin"));  // where "cmd" is installed
    app::DOSOutputs runner;
    const double before = ChildrenCpuMs();
    for (auto _ : state) benchmark::DoNotOptimize(runner.ExecuteCommand(command).size());
    win32::kernel::WaitForReleasedChildren();
    CountChildren(state, before);
}

void ConverterThroughRunner(benchmark::State& state) { ConverterThrough(state, Child() + " silent"); }
void ConverterThroughCmd(benchmark::State& state) {
    ConverterThrough(state, "cmd /c " + Child() + " silent");
}

BENCHMARK(PlainReadLoop)
    ->ArgName("bytes")
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->UseRealTime()
    ->MinTime(0.2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PlainReadLoopKeeping)
    ->ArgName("bytes")
    ->Arg(10 << 20)
    ->UseRealTime()
    ->MinTime(0.2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(RunnerOutput)
    ->ArgName("bytes")
    ->Arg(1 << 20)
    ->Arg(10 << 20)
    ->UseRealTime()
    ->MinTime(0.2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ConverterDirect)->UseRealTime()->MinTime(0.2)->Unit(benchmark::kMillisecond);
BENCHMARK(ConverterThroughRunner)->UseRealTime()->MinTime(0.2)->Unit(benchmark::kMillisecond);
BENCHMARK(ConverterThroughCmd)->UseRealTime()->MinTime(0.2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace speed
