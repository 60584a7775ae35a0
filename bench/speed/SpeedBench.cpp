// The speed anchors in one run: each of the program's costs beside what it
// is measured against, taken on the same machine at the same time (medians
// of interleaved repetitions), then the ratios and the goals they answer.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "bench/speed/Anchors.h"
#include "platform/kernel/KernelExtensions.h"

namespace speed {

std::string BuildFolder(const char* leaf) {
    return (std::filesystem::path(win32::ApplicationFolder()).parent_path() / leaf).string();
}

const char* StateName(int state) {
    static const char* const kNames[kStates] = {"normal", "focused", "hot", "pressed", "disabled"};
    return state >= 0 && state < kStates ? kNames[state] : "?";
}

namespace {

struct Median {
    double real = 0, cpu = 0;  // in the benchmark's own unit
    std::map<std::string, double> counters;
};

// Passes everything on to the console and keeps each benchmark's medians.
class MedianKeeper : public benchmark::ConsoleReporter {
public:
    MedianKeeper() : ConsoleReporter(::isatty(1) ? OO_ColorTabular : OO_Tabular) {}
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median") continue;
            Median& m = medians[run.run_name.str()];
            m.real = run.GetAdjustedRealTime();
            m.cpu = run.GetAdjustedCPUTime();
            for (const auto& [name, counter] : run.counters) m.counters[name] = counter.value;
        }
    }
    // By name, ignoring what the library appends to it ("/min_time:...", "/repeats:...").
    const Median* Find(const std::string& name) const {
        for (const auto& [full, median] : medians)
            if (full == name || full.starts_with(name + "/")) return &median;
        return nullptr;
    }
    std::map<std::string, Median> medians;
};

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

std::string RepaintName(int style, int state, bool custom, bool cached) {
    char name[96];
    std::snprintf(name, sizeof name, "Repaint/style:%d/state:%d/custom:%d/cached:%d", style, state,
                  int(custom), int(cached));
    return name;
}

void PrintRepaints(const MedianKeeper& keeper) {
    static const double kGoals[kStates] = {0.5, 0.75, 0.75, 0.5, 0.25};
    const Median* qt = keeper.Find("QtFusionPushButton/state:0");
    const Median* memset = keeper.Find("SurfaceMemset");
    if (!qt) return;
    std::printf(
        "\nRepaint of a 107x27 button, CPU time (anchor: Qt Fusion drawControl, normal, %.2f us;"
        " memset of the surface %.3f us)\n",
        qt->cpu, memset ? memset->cpu : 0.0);
    std::printf("%-9s %9s %9s %7s %6s  %-6s  %16s %7s\n", "state", "Qt state", "style 5", "ratio", "goal", "",
                "style 5 uncached", "ratio");
    for (int s = 0; s < kStates; ++s) {
        const Median* own = keeper.Find(RepaintName(5, s, false, true));
        const Median* uncached = keeper.Find(RepaintName(5, s, false, false));
        const Median* qtState = keeper.Find("QtFusionPushButton/state:" + std::to_string(s));
        if (!own || !uncached) continue;
        const double ratio = own->cpu / qt->cpu;
        std::printf("%-9s %9.2f %9.2f %7.2f %6.2f  %-6s  %16.2f %7.2f\n", StateName(s),
                    qtState ? qtState->cpu : 0.0, own->cpu, ratio, kGoals[s], Verdict(ratio <= kGoals[s]),
                    uncached->cpu, uncached->cpu / qt->cpu);
    }
    // Every style against style 5 in the same look, colour source and cache use.
    for (const bool cached : {true, false})
        for (const bool custom : {false, true}) {
            std::printf("\nEach style / style 5, same state, %s colours, face cache %s (goal <= 1.5)\n",
                        custom ? "custom" : "system", cached ? "on" : "off");
            std::printf("%-8s", "style");
            for (int s = 0; s < kStates; ++s) std::printf(" %9s", StateName(s));
            std::printf("\n");
            int missed = 0;
            for (const int style : {5, 0, 1, 2, 3, 4, 7, 8, 9, 10}) {
                std::printf("%-8d", style);
                for (int s = 0; s < kStates; ++s) {
                    const Median* m = keeper.Find(RepaintName(style, s, custom, cached));
                    const Median* five = keeper.Find(RepaintName(5, s, custom, cached));
                    if (!m || !five) {
                        std::printf(" %9s", "-");
                    } else if (style == 5) {
                        std::printf(" %7.2fus", m->cpu);
                    } else {
                        const double ratio = m->cpu / five->cpu;
                        missed += ratio > 1.5;
                        std::printf(" %8.2f%c", ratio, ratio > 1.5 ? '!' : ' ');
                    }
                }
                std::printf("\n");
            }
            std::printf("%s\n", missed ? "some MISSED (marked !)" : "all met");
        }
}

void PrintRunner(const MedianKeeper& keeper) {
    const Median* plain1 = keeper.Find("PlainReadLoop/bytes:1048576");
    const Median* plain10 = keeper.Find("PlainReadLoop/bytes:10485760");
    const Median* runner1 = keeper.Find("RunnerOutput/bytes:1048576");
    const Median* runner10 = keeper.Find("RunnerOutput/bytes:10485760");
    if (plain10 && runner10 && runner1 && plain1) {
        const double mb = 10.0 * 1024 * 1024 / 1e6;
        std::printf(
            "\nChild output, 256-byte reads, real time: plain read() loop %.1f MB/s, runner %.1f MB/s,"
            " ratio %.3f (goal >= 0.95: %s); 10 MB / 1 MB time: runner %.2f, plain %.2f (goal <= 11: %s)\n"
            "  CPU time of the reading process: plain %.1f ms, runner %.1f ms, ratio %.3f\n",
            mb / (plain10->real / 1e3), mb / (runner10->real / 1e3), plain10->real / runner10->real,
            Verdict(plain10->real / runner10->real >= 0.95), runner10->real / runner1->real,
            plain10->real / plain1->real, Verdict(runner10->real / runner1->real <= 11), plain10->cpu,
            runner10->cpu, plain10->cpu / runner10->cpu);
        if (const Median* keeping = keeper.Find("PlainReadLoopKeeping/bytes:10485760"))
            std::printf("  a read() loop that also keeps the text: %.1f MB/s\n", mb / (keeping->real / 1e3));
    }
    const Median* direct = keeper.Find("ConverterDirect");
    const Median* cmd = keeper.Find("ConverterThroughCmd");
    const Median* runner = keeper.Find("ConverterThroughRunner");
    if (direct && cmd && runner) {
        // CPU of this process (the benchmark's unit is ms) and of the processes it started.
        const auto cpu = [](const Median& m) {
            return m.cpu + (m.counters.count("children_cpu_ms") ? m.counters.at("children_cpu_ms") : 0.0);
        };
        const double added = cpu(*cmd) - cpu(*direct);
        std::printf(
            "Starting the converter: directly %.3f ms CPU (%.3f ms real), through cmd and the runner"
            " %.3f ms CPU (%.3f ms real); added %.3f ms CPU, %.3f ms real (goal <= 0.5: %s)\n",
            cpu(*direct), direct->real, cpu(*cmd), cmd->real, added, cmd->real - direct->real,
            Verdict(added <= 0.5));
        std::printf(
            "  of which the runner %.3f ms CPU (%.3f ms real), the cmd hop %.3f ms CPU (%.3f ms real)\n",
            cpu(*runner) - cpu(*direct), runner->real - direct->real, cpu(*cmd) - cpu(*runner),
            cmd->real - runner->real);
    }
}

void PrintLaunch(const MedianKeeper& keeper) {
    const Median* program = keeper.Find("LaunchProgram");
    const Median* bare = keeper.Find("LaunchBareQt");
    if (!program || !bare) return;
    const auto counter = [](const Median& m, const char* name) {
        return m.counters.count(name) ? m.counters.at(name) : 0.0;
    };
    const double rssProgram = counter(*program, "peak_MiB"), rssBare = counter(*bare, "peak_MiB");
    const double cpuProgram = counter(*program, "cpu_ms"), cpuBare = counter(*bare, "cpu_ms");
    std::printf(
        "\nSpawn to first painted frame (offscreen): program %.1f ms, bare Qt window %.1f ms, ratio %.3f"
        " (goal <= 1.05: %s)\n  CPU time by then: program %.1f ms, bare %.1f ms, ratio %.3f;"
        " peak RSS %.1f MiB vs %.1f MiB, +%.2f MiB (goal <= +1: %s)\n",
        program->real, bare->real, program->real / bare->real, Verdict(program->real / bare->real <= 1.05),
        cpuProgram, cpuBare, cpuBare > 0 ? cpuProgram / cpuBare : 0.0, rssProgram, rssBare,
        rssProgram - rssBare, Verdict(rssProgram - rssBare <= 1.0));
}

}  // namespace
}  // namespace speed

int main(int argc, char** argv) {
    // Medians of interleaved repetitions unless told otherwise.
    std::vector<char*> args(argv, argv + argc);
    std::string repetitions = "--benchmark_repetitions=5",
                interleave = "--benchmark_enable_random_interleaving=true",
                aggregates = "--benchmark_report_aggregates_only=true";
    const auto given = [&](const char* flag) {
        return std::any_of(argv, argv + argc,
                           [flag](const char* a) { return std::strncmp(a, flag, std::strlen(flag)) == 0; });
    };
    if (!given("--benchmark_repetitions")) args.push_back(repetitions.data());
    if (!given("--benchmark_enable_random_interleaving")) args.push_back(interleave.data());
    if (!given("--benchmark_report_aggregates_only")) args.push_back(aggregates.data());
    int count = static_cast<int>(args.size());
    args.push_back(nullptr);
    benchmark::Initialize(&count, args.data());
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication qt(count, args.data());
    speed::MedianKeeper keeper;
    benchmark::RunSpecifiedBenchmarks(&keeper);
    speed::PrintRepaints(keeper);
    speed::PrintRunner(keeper);
    speed::PrintLaunch(keeper);
    benchmark::Shutdown();
    return 0;
}
