// Resources embedded in the program at build time: one table of
// (type, id, bytes), searched with the type matched without regard to case.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace host {

struct ResourceEntry {
    std::string_view type;
    int id;
    std::span<const unsigned char> bytes;
};

// Adds a table of resources; a later table is searched after the earlier ones.
// Adding the same table twice has no effect.
void AddResources(std::span<const ResourceEntry> table);

// The resource's bytes, or nullptr when there is none.
const ResourceEntry* FindResource(int id, std::string_view type);

// The resource's bytes; raises errResourceNotFound when there is none.
std::vector<unsigned char> LoadResData(int id, std::string_view type);

}  // namespace host
