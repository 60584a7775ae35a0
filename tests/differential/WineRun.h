// Runs a Windows program under Wine, in a prefix made for the run inside a
// fresh folder and removed afterwards. The prefix is a minimal one (Wine's
// own DLLs linked into system32, no first-start set-up), made in
// milliseconds; a full `wineboot --init` prefix is the fallback.
#pragma once

#include <string>

namespace corvalmire::differential {

struct WineRun {
    bool started = false;  // false: Wine could not start any program here
    int exitCode = -1;
    std::string output;  // standard output, byte for byte
    std::string notes;   // how the prefix was made, or what went wrong
};

// `exe --ready` must print "ready"; that is how a prefix is judged usable.
WineRun RunUnderWine(const std::string& exe, const std::string& parentFolder);

}  // namespace corvalmire::differential
