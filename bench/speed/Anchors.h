// Shared by the speed anchors: where the programs they start live, and the
// per-state names both sides of a comparison use.
#pragma once

#include <string>

namespace speed {

// build/bench (this program), build/bin (the program and cmd), build/tests.
std::string BuildFolder(const char* leaf);

// 0 normal, 1 focused, 2 hot, 3 pressed, 4 disabled.
constexpr int kStates = 5;
const char* StateName(int state);

}  // namespace speed
