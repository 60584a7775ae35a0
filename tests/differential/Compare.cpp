#include "tests/differential/Compare.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace corvalmire::differential {
namespace {

constexpr int kReportsKept = 25;

std::string FamilyOf(const std::string& label) { return label.substr(0, label.find(':')); }

std::string Hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", v);
    return text;
}

std::string ValueList(const std::vector<std::uint32_t>& values) {
    std::ostringstream out;
    const std::size_t shown = std::min<std::size_t>(values.size(), 48);
    for (std::size_t i = 0; i < shown; ++i) out << (i ? " " : "") << int(values[i]);
    if (shown < values.size()) out << " ... (" << values.size() << " values)";
    return out.str();
}

// A map of the surface: '.' where both agree, 'x' where they differ, and
// the first differing pixels with both colours.
std::string DescribePixels(const Item& platform, const Item& ours) {
    const int w = int(platform.values[0]), h = int(platform.values[1]);
    std::ostringstream map, firsts;
    int count = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const std::size_t i = 2 + std::size_t(y) * std::size_t(w) + std::size_t(x);
            const bool same = platform.values[i] == ours.values[i];
            map << (same ? '.' : 'x');
            if (!same && count++ < 6) {
                firsts << " (" << x << "," << y << ") platform " << Hex(platform.values[i]) << " ours "
                       << Hex(ours.values[i]) << ";";
            }
        }
        map << '\n';
    }
    std::ostringstream out;
    out << count << " of " << w * h << " pixels differ:" << firsts.str() << "\n"
        << (w <= 64 ? map.str() : "");
    return out.str();
}

std::string Describe(const Case& c, const Item& platform, const Item& ours) {
    std::ostringstream out;
    out << c.label << "\n  " << platform.name << ": ";
    const bool sameShape =
        platform.kind == ItemKind::Pixels && ours.kind == ItemKind::Pixels &&
        platform.values.size() == ours.values.size() &&
        std::equal(platform.values.begin(), platform.values.begin() + 2, ours.values.begin());
    if (sameShape) {
        out << DescribePixels(platform, ours);
    } else {
        out << "platform [" << ValueList(platform.values) << "] ours [" << ValueList(ours.values) << "]\n";
    }
    return out.str();
}

int KnownIndex(const std::vector<KnownDifference>& known, const Case& c, const Item& platform,
               const Item& ours) {
    const std::string family = FamilyOf(c.label);
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (family == known[i].family && platform.name == known[i].item &&
            known[i].applies(c, platform, ours))
            return int(i);
    }
    return -1;
}

Tally& TallyFor(Comparison& comparison, const std::string& family) {
    if (comparison.tallies.empty() || comparison.tallies.back().family != family) {
        comparison.tallies.push_back({family});
    }
    return comparison.tallies.back();
}

void Count(Tally& tally, const Item& item) {
    if (item.kind == ItemKind::Pixels) {
        tally.pixels += std::int64_t(item.values.size()) - 2;
    } else {
        tally.values += std::int64_t(item.values.size());
    }
}

}  // namespace

Comparison Compare(const std::vector<Case>& platform, const std::vector<Case>& ours,
                   const std::vector<KnownDifference>& known) {
    Comparison comparison;
    comparison.knownSeen.assign(known.size(), 0);
    if (platform.size() != ours.size()) {
        comparison.reports.push_back("the runs drew " + std::to_string(platform.size()) + " and " +
                                     std::to_string(ours.size()) + " cases");
    }
    for (std::size_t n = 0; n < std::min(platform.size(), ours.size()); ++n) {
        const Case& p = platform[n];
        const Case& o = ours[n];
        if (p.label != o.label || p.items.size() != o.items.size()) {
            ++comparison.differing;
            comparison.reports.push_back("the runs went apart at case " + std::to_string(n) + ": \"" +
                                         p.label + "\" against \"" + o.label + "\"");
            break;
        }
        Tally& tally = TallyFor(comparison, FamilyOf(p.label));
        ++tally.cases;
        bool explained = false, unexplained = false;
        for (std::size_t i = 0; i < p.items.size(); ++i) {
            Count(tally, p.items[i]);
            if (p.items[i].name == o.items[i].name && p.items[i].values == o.items[i].values) continue;
            const int k = KnownIndex(known, p, p.items[i], o.items[i]);
            if (k >= 0) {
                explained = true;
                ++comparison.knownSeen[std::size_t(k)];
                continue;
            }
            if (!unexplained && int(comparison.reports.size()) < kReportsKept) {
                comparison.reports.push_back(Describe(p, p.items[i], o.items[i]));
            }
            unexplained = true;
        }
        tally.known += explained;
        comparison.differing += unexplained;
    }
    return comparison;
}

std::string Summary(const Comparison& comparison) {
    std::ostringstream out;
    Tally total{"total"};
    char line[160];
    for (const Tally& t : comparison.tallies) {
        std::snprintf(line, sizeof line, "%-10s %7d cases %10lld pixels %9lld values %5d known differences\n",
                      t.family.c_str(), t.cases, t.pixels, t.values, t.known);
        out << line;
        total.cases += t.cases;
        total.pixels += t.pixels;
        total.values += t.values;
        total.known += t.known;
    }
    std::snprintf(line, sizeof line, "%-10s %7d cases %10lld pixels %9lld values %5d known differences\n",
                  total.family.c_str(), total.cases, total.pixels, total.values, total.known);
    out << line;
    return out.str();
}

}  // namespace corvalmire::differential
