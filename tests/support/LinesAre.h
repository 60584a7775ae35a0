// Sequence tests compare what was recorded with an expected table.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvalmire::test {

// Two lists of lines; on a mismatch both are printed side by side, the
// differing rows marked.
::testing::AssertionResult LinesAre(const std::vector<std::string>& actual,
                                    const std::vector<std::string>& expected);

}  // namespace corvalmire::test
