// Compares the platform's record of the scenarios with ours, case by case
// and item by item, exactly; describes each difference so it can be read.
#pragma once

#include <string>
#include <vector>

#include "tests/differential/Record.h"

namespace corvalmire::differential {

// A difference we keep on purpose: an item of a family's cases that differs
// where `applies` says so, with the reason.
struct KnownDifference {
    const char* family;
    const char* item;
    bool (*applies)(const Case& platformCase, const Item& platform, const Item& ours);
    const char* reason;
};

struct Tally {
    std::string family;
    int cases = 0;
    long long pixels = 0;
    long long values = 0;
    int known = 0;
};

struct Comparison {
    std::vector<Tally> tallies;        // one per family, in order of the run
    std::vector<int> knownSeen;        // cases each known difference explained
    int differing = 0;                 // cases with an unexplained difference
    std::vector<std::string> reports;  // the first few of them, described
};

Comparison Compare(const std::vector<Case>& platform, const std::vector<Case>& ours,
                   const std::vector<KnownDifference>& known);

// One line per family and a total: cases, pixels and values compared.
std::string Summary(const Comparison& comparison);

}  // namespace corvalmire::differential
