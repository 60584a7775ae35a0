// Where Wine and our layer differ on purpose: each entry names the family
// and item, decides from the case whether it applies, and says why ours is
// kept.
#pragma once

#include <vector>

#include "tests/differential/Compare.h"

namespace corvalmire::differential {

const std::vector<KnownDifference>& KnownDifferences();

}  // namespace corvalmire::differential
