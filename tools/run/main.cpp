// Runs one command line through DOSOutputs and prints each chunk as it
// arrives. Exit code 0, or 1 when the runner showed a failure message.
#include <cstdio>
#include <string>

#include "app/DOSOutputs.h"
#include "host/MsgBox.h"

namespace {

// Prints failure boxes on standard error and remembers that one was shown.
class FailureBoxes : public host::MessageBoxProvider {
public:
    int Show(const std::string& prompt, int, const std::string& title) override {
        std::fprintf(stderr, "[%s] %s\n", title.c_str(), prompt.c_str());
        shown = true;
        return host::vbOK;
    }
    bool shown = false;
};

}  // namespace

int main(int argc, char** argv) {
    std::string commandLine;
    for (int i = 1; i < argc; ++i) commandLine += (i > 1 ? " " : "") + std::string(argv[i]);

    FailureBoxes boxes;
    host::SetMessageBoxProvider(&boxes);
    app::DOSOutputs runner;
    runner.ReceiveOutputs.Connect([](const std::string& chunk) {
        std::fwrite(chunk.data(), 1, chunk.size(), stdout);
        std::fflush(stdout);
    });
    runner.ExecuteCommand(commandLine);
    host::SetMessageBoxProvider(nullptr);
    return boxes.shown ? 1 : 0;
}
