// A 107 x 27 button with its bold "Converti": Qt's Fusion style drawing a
// push button, memset of the surface, and the control's repaint in every
// style, look and colour source, with its face put back from the face cache
// (every repaint after a look's first) and drawn by the painter.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/ConvertiButton.h"
#include "bench/speed/Anchors.h"
#include "control/FaceCache.h"
#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace speed {
namespace {

using host::PropertyValue;
constexpr int kW = bench::kButtonWidth, kH = bench::kButtonHeight;

void QtFusionPushButton(benchmark::State& state) {
    QStyle* fusion = QStyleFactory::create("Fusion");
    QPushButton button("Converti");
    button.setStyle(fusion);
    button.resize(kW, kH);
    QFont font("Verdana");
    font.setPixelSize(11);
    font.setBold(true);
    button.setFont(font);
    QImage surface(kW, kH, QImage::Format_RGB32);
    QPainter painter(&surface);
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.rect = QRect(0, 0, kW, kH);
    switch (state.range(0)) {
        case 1: option.state |= QStyle::State_HasFocus; break;
        case 2: option.state |= QStyle::State_MouseOver; break;
        case 3: option.state |= QStyle::State_Sunken; break;
        case 4: option.state &= ~QStyle::State_Enabled; break;
        default: break;
    }
    for (auto _ : state) fusion->drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    painter.end();
    delete fusion;
}

void SurfaceMemset(benchmark::State& state) {
    std::vector<std::uint32_t> pixels(std::size_t(kW) * kH);
    for (auto _ : state) {
        std::memset(pixels.data(), 0xC8, pixels.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(pixels.data());
        benchmark::ClobberMemory();
    }
}

std::shared_ptr<control::raReruri> MakeButton(int style, bool customColors) {
    host::PropertyBag bag = bench::ConvertiBag(style);
    if (customColors) {
        bag.WriteProperty("UseCustomColors", PropertyValue::Boolean(true));
        bag.WriteProperty("BackColor", PropertyValue::Long(0x9A7B5C));
        bag.WriteProperty("HighlightColor", PropertyValue::Long(0x2060C0));
        bag.WriteProperty("FontColor", PropertyValue::Long(0x202020));
        bag.WriteProperty("FontHighlightColor", PropertyValue::Long(0xF0F0F0));
    }
    return bench::ShownButton(bag);
}

// The control's whole repaint (clear, face, caption) of one look. With the
// face cache on, what every repaint after a look's first costs; with it off,
// what the painters draw each time, as a look's first paint does.
void Repaint(benchmark::State& state) {
    const bool customColors = state.range(2) != 0, cached = state.range(3) != 0;
    control::FaceCache::SetEnabled(cached);
    auto button = MakeButton(static_cast<int>(state.range(0)), customColors);
    bench::Reach(*button, static_cast<int>(state.range(1)));
    for (auto _ : state) button->Refresh();
    button.reset();
    control::FaceCache::SetEnabled(true);
    win32::NotifyPointerMoved({-1000, -1000});
    win32::ClearMessageQueue();
}

const std::vector<std::int64_t> kStyles = {0, 1, 2, 3, 4, 5, 7, 8, 9, 10};
const std::vector<std::int64_t> kLooks = {0, 1, 2, 3, 4};

BENCHMARK(QtFusionPushButton)
    ->ArgName("state")
    ->DenseRange(0, 4)
    ->MinTime(0.1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(SurfaceMemset)->MinTime(0.1)->Unit(benchmark::kMicrosecond);
BENCHMARK(Repaint)
    ->ArgNames({"style", "state", "custom", "cached"})
    ->ArgsProduct({kStyles, kLooks, {0, 1}, {1, 0}})
    ->MinTime(0.05)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace speed
