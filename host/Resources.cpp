#include "host/Resources.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "host/RuntimeError.h"

namespace host {
namespace {

std::vector<std::span<const ResourceEntry>>& Tables() {
    static std::vector<std::span<const ResourceEntry>> tables;
    return tables;
}

bool SameTypeName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

}  // namespace

void AddResources(std::span<const ResourceEntry> table) {
    auto& tables = Tables();
    const bool known = std::ranges::any_of(tables, [&](const auto& t) { return t.data() == table.data(); });
    if (!known) tables.push_back(table);
}

const ResourceEntry* FindResource(int id, std::string_view type) {
    for (const auto& table : Tables()) {
        for (const auto& entry : table) {
            if (entry.id == id && SameTypeName(entry.type, type)) return &entry;
        }
    }
    return nullptr;
}

std::vector<unsigned char> LoadResData(int id, std::string_view type) {
    const ResourceEntry* entry = FindResource(id, type);
    if (!entry) {
        throw RuntimeError(errResourceNotFound,
                           "Resource with identifier " + std::to_string(id) + " not found");
    }
    return {entry->bytes.begin(), entry->bytes.end()};
}

}  // namespace host
