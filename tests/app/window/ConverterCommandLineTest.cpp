#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ConverterCommandLine.h"
#include "platform/kernel/CommandInterpreter.h"

namespace {

// What cmd makes of the line: the converter and the two paths, whatever
// blanks and quotes they hold.
TEST(ConverterCommandLine, TheInterpreterRunsTheConverterOnBothPaths) {
    const struct {
        std::string converter, source;
        std::string line;  // for source and source + ".iso"
    } cases[] = {
        {"nrg2iso", "/img/disk.nrg", "cmd /c nrg2iso /img/disk.nrg /img/disk.nrg.iso"},
        {"/opt/app/nrg2iso.exe", "/my img/d.nrg",
         R"(cmd /c /opt/app/nrg2iso.exe "/my img/d.nrg" "/my img/d.nrg.iso")"},
        {"/opt/my app/nrg2iso.exe", "/img/d.nrg",
         R"(cmd /c ""/opt/my app/nrg2iso.exe" /img/d.nrg /img/d.nrg.iso")"},
        {"/opt/my app/nrg2iso.exe", "/img/say \"hi\" & go.nrg",
         R"(cmd /c ""/opt/my app/nrg2iso.exe" "/img/say \"hi\" & go.nrg" "/img/say \"hi\" & go.nrg.iso"")"},
    };
    for (const auto& c : cases) {
        const std::string line = app::ConverterCommandLine(c.converter, c.source, c.source + ".iso");
        EXPECT_EQ(line, c.line);
        const auto request = win32::cmd::CommandAfterSwitch(line);
        ASSERT_TRUE(request) << line;
        const win32::cmd::ProgramRun run =
            win32::cmd::PrepareRun(win32::cmd::ApplyQuoteRule(*request, [](const std::string&) { return true; }));
        EXPECT_EQ(run.arguments, (std::vector<std::string>{c.converter, c.source, c.source + ".iso"}))
            << line;
    }
}

}  // namespace
