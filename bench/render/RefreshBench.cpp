// One Refresh of a 107 x 27 button with its bold caption, per style and
// state, against the floor of clearing its surface with memset. Every style
// should stay near style 5's time in the same state.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/ConvertiButton.h"
#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/user/UserExtensions.h"

namespace {

using host::PropertyValue;

constexpr int kW = bench::kButtonWidth, kH = bench::kButtonHeight;

std::shared_ptr<control::raReruri> MakeButton(int style, bool custom) {
    host::PropertyBag bag = bench::ConvertiBag(style);
    bag.WriteProperty("USeCustomColors", PropertyValue::Boolean(custom));
    return bench::ShownButton(bag);
}

// state: 0 normal, 1 focused, 2 hot, 3 pressed, 4 disabled.
void BM_Refresh(benchmark::State& state) {
    auto button = MakeButton(static_cast<int>(state.range(0)), state.range(2) != 0);
    bench::Reach(*button, static_cast<int>(state.range(1)));
    for (auto _ : state) button->Refresh();
    button.reset();
    win32::ClearMessageQueue();
}
BENCHMARK(BM_Refresh)
    ->ArgNames({"style", "state", "custom"})
    ->ArgsProduct({{0, 1, 2, 3, 4, 5, 7, 8, 9, 10}, {0, 1, 2, 3, 4}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// The floor: writing every pixel of the surface once.
void BM_MemsetFloor(benchmark::State& state) {
    std::vector<std::uint32_t> pixels(size_t(kW) * kH);
    for (auto _ : state) {
        std::memset(pixels.data(), 0xC8, pixels.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemsetFloor)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
