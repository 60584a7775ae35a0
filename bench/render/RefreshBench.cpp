// One Refresh of a 107 x 27 button with its bold caption, per style and
// state, against the floor of clearing its surface with memset. Every style
// should stay near style 5's time in the same state.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace {

using host::PropertyValue;

constexpr int kW = 107, kH = 27;

std::shared_ptr<control::raReruri> MakeButton(int style, bool custom) {
    host::ControlSite site;
    site.name = "cmdBench";
    site.width = kW * 15;
    site.height = kH * 15;
    auto button = control::raReruri::Create(site);
    host::PropertyBag bag;
    bag.WriteProperty("Style", PropertyValue::Long(style));
    bag.WriteProperty("Caption", PropertyValue::String("Converti"));
    bag.WriteProperty("Font", PropertyValue::Font(host::Font{"Verdana", 8.25, true}));
    bag.WriteProperty("USeCustomColors", PropertyValue::Boolean(custom));
    button->Load(bag);
    win32::ShowWindow(button->UserControl().hWnd(), win32::SW_SHOW);
    return button;
}

// state: 0 normal, 1 focused, 2 hot, 3 pressed, 4 disabled.
void BM_Refresh(benchmark::State& state) {
    auto button = MakeButton(static_cast<int>(state.range(0)), state.range(2) != 0);
    const win32::HWND hwnd = button->UserControl().hWnd();
    switch (state.range(1)) {
        case 1: win32::SendMessageA(hwnd, win32::WM_SETFOCUS, 0, 0); break;
        case 2:
        case 3:
            win32::NotifyPointerMoved({kW / 2, kH / 2});
            win32::SendMessageA(hwnd, win32::WM_MOUSEMOVE, 0, win32::MAKELPARAM(kW / 2, kH / 2));
            if (state.range(1) == 3)
                win32::SendMessageA(hwnd, win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, win32::MAKELPARAM(5, 5));
            break;
        case 4: button->SetEnabled(false); break;
        default: break;
    }
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
