#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/kernel/CommandLine.h"

namespace {

TEST(QuoteCommandLineArgument, EveryPathComesBackAsOneArgument) {
    const struct {
        std::string path;
        std::string quoted;
    } cases[] = {
        {"/img/disk.nrg", "/img/disk.nrg"},            // nothing to protect: unchanged
        {"/img/a;b&c$(x).nrg", "/img/a;b&c$(x).nrg"},  // no shell reads it: unchanged
        {"/my images/disk 1.nrg", "\"/my images/disk 1.nrg\""},
        {"/img/tab\there.nrg", "\"/img/tab\there.nrg\""},
        {"/img/say \"hi\".nrg", "\"/img/say \\\"hi\\\".nrg\""},
        {"/img/back\\\\\"q .nrg", "\"/img/back\\\\\\\\\\\"q .nrg\""},  // backslashes before a quote doubled
        {"/img/ends in\\", "\"/img/ends in\\\\\""},                    // and before the closing quote
    };
    for (const auto& c : cases) {
        EXPECT_EQ(win32::QuoteCommandLineArgument(c.path), c.quoted) << c.path;
        const std::string line =
            win32::QuoteCommandLineArgument(c.path) + " " + win32::QuoteCommandLineArgument(c.path + ".iso");
        EXPECT_EQ(win32::SplitCommandLineArguments(line), (std::vector<std::string>{c.path, c.path + ".iso"}))
            << line;
    }
}

}  // namespace
