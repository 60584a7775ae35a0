#include "tests/support/LinesAre.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace corvalmire::test {

::testing::AssertionResult LinesAre(const std::vector<std::string>& actual,
                                    const std::vector<std::string>& expected) {
    if (actual == expected) return ::testing::AssertionSuccess();
    std::ostringstream out;
    out << "sequence differs\n     " << std::left << std::setw(34) << "expected"
        << "actual\n";
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "-";
        const std::string got = i < actual.size() ? actual[i] : "-";
        out << (want == got ? "  " : "* ") << std::setw(3) << i << std::setw(34) << want << got << "\n";
    }
    return ::testing::AssertionFailure() << out.str();
}

}  // namespace corvalmire::test
