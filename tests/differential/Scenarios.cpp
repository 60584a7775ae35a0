#include "tests/differential/Scenarios.h"

#include "tests/differential/Kit.h"

namespace corvalmire::differential {

const std::vector<Family>& Families() {
    static const std::vector<Family> families = {
        {"lines", 1, RunLineScenarios},    {"fills", 2, RunFillScenarios}, {"pixels", 3, RunPixelScenarios},
        {"blits", 4, RunBltScenarios},     {"edges", 5, RunEdgeScenarios}, {"regions", 6, RunRegionScenarios},
        {"clipping", 7, RunClipScenarios}, {"dibs", 8, RunDibScenarios},
    };
    return families;
}

std::string RunScenarios() {
    UseClassicColors();
    Record record;
    for (const Family& family : Families()) {
        Random random(family.seed);
        record.Family(family.name);
        family.run(record, random);
    }
    return record.Finish();
}

}  // namespace corvalmire::differential
