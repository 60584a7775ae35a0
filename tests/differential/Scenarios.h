// The drawing scenarios, in families. Each family draws its cases with its
// own seeded generator, so adding cases to one family leaves the others as
// they were.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tests/differential/Random.h"
#include "tests/differential/Record.h"

namespace corvalmire::differential {

struct Family {
    const char* name;
    std::uint64_t seed;
    void (*run)(Record& record, Random& random);
};

void RunLineScenarios(Record& record, Random& random);
void RunFillScenarios(Record& record, Random& random);
void RunPixelScenarios(Record& record, Random& random);
void RunBltScenarios(Record& record, Random& random);
void RunEdgeScenarios(Record& record, Random& random);
void RunRegionScenarios(Record& record, Random& random);
void RunClipScenarios(Record& record, Random& random);
void RunDibScenarios(Record& record, Random& random);

const std::vector<Family>& Families();

// Sets the classic colours, runs every family and returns the finished stream.
std::string RunScenarios();

}  // namespace corvalmire::differential
