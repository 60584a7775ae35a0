// Runs every scenario on the platform's GDI and writes the record to
// standard output; "--ready" only says that the program started.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>

#include "tests/differential/Scenarios.h"

int main(int argc, char** argv) {
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc > 1 && std::strcmp(argv[1], "--ready") == 0) {
        std::fputs("ready\n", stdout);
        return 0;
    }
    const std::string bytes = corvalmire::differential::RunScenarios();
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
