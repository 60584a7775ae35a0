// The console runner's costs: output throughput into the accumulating text
// (which must stay linear in the output's size) and the start of a trivial
// command through the interpreter.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/DOSOutputs.h"
#include "platform/kernel/ChildReaper.h"
#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/ProgramSearch.h"

namespace {

// The test helper program, built in tests/ beside the bench/ folder.
std::string ChildProgram() {
    return (std::filesystem::path(win32::ApplicationFolder()).parent_path() / "tests" / "childprog").string();
}

void BM_OutputThroughput(benchmark::State& state) {
    const auto bytes = static_cast<std::size_t>(state.range(0));
    const std::string command = ChildProgram() + " bytes " + std::to_string(bytes);
    app::DOSOutputs runner;
    std::size_t events = 0;
    runner.ReceiveOutputs.Connect([&](const std::string&) { ++events; });
    for (auto _ : state) {
        const std::string result = runner.ExecuteCommand(command);
        if (result.size() != bytes) state.SkipWithError("short output");
        benchmark::DoNotOptimize(result.data());
    }
    win32::kernel::WaitForReleasedChildren();
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
    state.counters["events"] = static_cast<double>(events) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_OutputThroughput)->Arg(1 << 20)->Arg(10 << 20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TrivialCommandThroughCmd(benchmark::State& state) {
    // The interpreter is installed in bin/, beside bench/.
    win32::SetSystemFolder(
        (std::filesystem::path(win32::ApplicationFolder()).parent_path() / "bin").string());
    const std::string command = "cmd /c " + ChildProgram() + " silent";
    app::DOSOutputs runner;
    for (auto _ : state) benchmark::DoNotOptimize(runner.ExecuteCommand(command));
    win32::kernel::WaitForReleasedChildren();
}
BENCHMARK(BM_TrivialCommandThroughCmd)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
