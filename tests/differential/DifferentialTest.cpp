// Draws every scenario with our layer and, through Wine, with a second,
// independent implementation of the platform's GDI, and compares the two
// records exactly.
#include <gtest/gtest.h>

#include <filesystem>
#include <future>
#include <iostream>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "tests/differential/Compare.h"
#include "tests/differential/KnownDifferences.h"
#include "tests/differential/Scenarios.h"
#include "tests/differential/WineRun.h"

namespace corvalmire::differential {
namespace {

TEST(GdiDifferential, OurLayerDrawsWhatThePlatformDraws) {
    const char* exe = std::getenv("CORVALMIRE_GDI_SCENARIOS_EXE");
    ASSERT_TRUE(exe && *exe && std::filesystem::exists(exe))
        << "the scenarios were not cross-compiled for the platform: x86_64-w64-mingw32-g++ was missing when "
           "CMake configured the build (scripts/setup installs it)";
    auto wine = std::async(std::launch::async, RunUnderWine, std::string(exe),
                           (std::filesystem::current_path() / "tests").string());

    const win32::GdiLiveCounts before = win32::GetGdiLiveCounts();
    const std::string oursBytes = RunScenarios();
    win32::ResetSysColors();
    EXPECT_EQ(win32::GetGdiLiveCounts(), before) << "the scenarios leaked GDI objects";

    const WineRun run = wine.get();
    if (!run.started) GTEST_SKIP() << "Wine cannot start a program on this machine: " << run.notes;
    ASSERT_EQ(run.exitCode, 0) << run.notes;
    std::vector<Case> platform, ours;
    std::string error;
    ASSERT_TRUE(ParseRecord(run.output, platform, error)) << "the platform's record: " << error;
    ASSERT_TRUE(ParseRecord(oursBytes, ours, error)) << "our record: " << error;

    const Comparison comparison = Compare(platform, ours, KnownDifferences());
    std::cout << Summary(comparison) << "(" << run.notes << ")\n";
    for (const std::string& report : comparison.reports) ADD_FAILURE() << report;
    EXPECT_EQ(comparison.differing, 0) << "cases where our layer and the platform differ";
    for (std::size_t i = 0; i < KnownDifferences().size(); ++i) {
        const KnownDifference& known = KnownDifferences()[i];
        std::cout << comparison.knownSeen[i] << " known: " << known.family << " / " << known.item << "\n";
        EXPECT_GT(comparison.knownSeen[i], 0) << "a known difference no longer shows: " << known.reason;
    }
}

}  // namespace
}  // namespace corvalmire::differential
