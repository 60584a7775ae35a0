// What a run of the scenarios observed, as a byte stream both builds write
// the same way: cases, each with a label and named items (return values,
// rectangles, region rectangles, pixels), in the order they were drawn.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace corvalmire::differential {

enum class ItemKind : char { Values = 'V', Pixels = 'P' };

struct Item {
    ItemKind kind = ItemKind::Values;
    std::string name;
    // Pixels: width, height, then 0x00RRGGBB top-down rows.
    std::vector<std::uint32_t> values;
};

struct Case {
    std::string label;
    std::vector<Item> items;
};

class Record {
public:
    Record();
    // Labels of the cases that follow start with the family's name.
    void Family(const std::string& name) { family_ = name + ": "; }
    void Case(const std::string& label);
    void Values(const char* name, std::initializer_list<long long> values);
    void Values(const char* name, const std::vector<std::uint32_t>& values);
    void Pixels(const char* name, int width, int height, const std::vector<std::uint32_t>& pixels);
    // The stream, closed with the number of cases so a cut-off run is caught.
    std::string Finish();

private:
    void Put(char kind, const std::string& name, const std::vector<std::uint32_t>& values);

    std::string bytes_;
    std::string family_;
    std::uint32_t cases_ = 0;
};

// Reads a finished stream; false (with a reason) if it is malformed or cut off.
bool ParseRecord(const std::string& bytes, std::vector<Case>& cases, std::string& error);

}  // namespace corvalmire::differential
