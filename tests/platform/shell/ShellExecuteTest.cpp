// ShellExecuteA with a stand-in desktop opener on PATH.
#include <gtest/gtest.h>

#include "platform/kernel/ChildReaper.h"
#include "platform/shell/Shell.h"
#include "platform/shell/ShellOpen.h"
#include "tests/platform/shell/StandInOpener.h"

namespace win32 {
namespace {

using corvalmire::test::StandInOpener;
using Arguments = std::vector<std::string>;

constexpr LONG_PTR kOpened = -1;  // any value above 32

LONG_PTR Open(LPCSTR operation, LPCSTR file) {
    return reinterpret_cast<LONG_PTR>(ShellExecuteA(nullptr, operation, file, "1", "1", 1));
}

TEST(ShellExecuteTest, WhatOpensNothingFailsWithTheShellsCodesAndStartsNothing) {
    StandInOpener opener;
    opener.Answer(0);
    EXPECT_EQ(Open("open", ""), SE_ERR_FNF);
    EXPECT_EQ(Open("open", nullptr), SE_ERR_FNF);
    EXPECT_EQ(Open("print", "/tmp"), SE_ERR_NOASSOC);
    EXPECT_FALSE(opener.Ran());
    opener.Remove();
    EXPECT_EQ(Open(nullptr, "https://corvalmire.example.org"), SE_ERR_NOASSOC) << "no opener at all";
}

TEST(ShellExecuteTest, TheAddressArrivesAsOneArgumentAndNothingElseRuns) {
    StandInOpener opener;
    opener.Answer(0);
    const std::string hostile =
        "https://corvalmire.example.org/a b;touch semi $(touch dollar) `touch tick` \"q\" 'a' | touch pipe";
    EXPECT_GT(Open("open", hostile.c_str()), 32);
    EXPECT_EQ(opener.Arguments(), Arguments{hostile});
    for (const char* mark : {"semi", "dollar", "tick", "pipe"}) EXPECT_FALSE(opener.InFolder(mark)) << mark;
}

TEST(ShellExecuteTest, TheOpenersAnswerBecomesTheShellsCode) {
    struct Row {
        const char* file;
        int exitCode;
        LONG_PTR expected;
        const char* argument;
    };
    const Row rows[] = {
        {"/srv/manual.pdf", 0, kOpened, "/srv/manual.pdf"},
        {"/srv/missing.pdf", 2, SE_ERR_FNF, "/srv/missing.pdf"},
        {"strange:thing", 3, SE_ERR_NOASSOC, "strange:thing"},
        {"broken.txt", 4, SE_ERR_ACCESSDENIED, "broken.txt"},
        // A name the opener would take for an option is made a path.
        {"--help", 0, kOpened, "./--help"},
    };
    StandInOpener opener;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        opener.Answer(row.exitCode);
        const LONG_PTR result = Open("open", row.file);
        if (row.expected == kOpened)
            EXPECT_GT(result, 32);
        else
            EXPECT_EQ(result, row.expected);
        EXPECT_EQ(opener.Arguments(), Arguments{row.argument});
    }
}

TEST(ShellExecuteTest, AnOpenerThatStaysWithItsApplicationCountsAsOpened) {
    StandInOpener opener;
    opener.Answer(0, "exec /bin/sleep 0.3");
    EXPECT_GT(shell::OpenWithDesktop("https://corvalmire.example.org", std::chrono::milliseconds(20)), 32);
    EXPECT_EQ(kernel::RunningReleasedChildren(), 1u) << "the waiting opener is left to the reaper";
    kernel::WaitForReleasedChildren();
}

}  // namespace
}  // namespace win32
