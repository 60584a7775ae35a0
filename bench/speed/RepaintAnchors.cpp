// A 107 x 27 button with its bold "Converti": Qt's Fusion style drawing a
// push button, memset of the surface, the control's repaint (its face put
// back from the face cache after the first paint) and the style painters
// alone, drawing every face from scratch as a first paint does.
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

#include "bench/speed/Anchors.h"
#include "control/raReruriStyles.h"
#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace speed {
namespace {

using host::PropertyValue;
constexpr int kW = 107, kH = 27;

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

std::shared_ptr<control::raReruri> MakeButton(int style) {
    host::ControlSite site;
    site.name = "cmdBench";
    site.width = kW * 15;
    site.height = kH * 15;
    auto button = control::raReruri::Create(site);
    host::PropertyBag bag;
    bag.WriteProperty("Style", PropertyValue::Long(style));
    bag.WriteProperty("Caption", PropertyValue::String("Converti"));
    bag.WriteProperty("Font", PropertyValue::Font(host::Font{"Verdana", 8.25, true}));
    button->Load(bag);
    win32::ShowWindow(button->UserControl().hWnd(), win32::SW_SHOW);
    return button;
}

void Reach(control::raReruri& button, int look) {
    const win32::HWND hwnd = button.UserControl().hWnd();
    switch (look) {
        case 1: win32::SendMessageA(hwnd, win32::WM_SETFOCUS, 0, 0); break;
        case 2:
        case 3:
            win32::NotifyPointerMoved({kW / 2, kH / 2});
            win32::SendMessageA(hwnd, win32::WM_MOUSEMOVE, 0, win32::MAKELPARAM(kW / 2, kH / 2));
            if (look == 3)
                win32::SendMessageA(hwnd, win32::WM_LBUTTONDOWN, win32::MK_LBUTTON, win32::MAKELPARAM(5, 5));
            break;
        case 4: button.SetEnabled(false); break;
        default: break;
    }
}

void Repaint(benchmark::State& state) {
    auto button = MakeButton(static_cast<int>(state.range(0)));
    Reach(*button, static_cast<int>(state.range(1)));
    for (auto _ : state) button->Refresh();
    button.reset();
    win32::NotifyPointerMoved({-1000, -1000});
    win32::ClearMessageQueue();
}

// What the painter of a style draws for one look, on a cleared surface, as
// the first paint of that look does (a face the cache has not seen).
void FirstPaint(benchmark::State& state) {
    const control::StylePainter& painter =
        control::StylePainterFor(static_cast<std::int32_t>(state.range(0)));
    const win32::HDC dc = win32::CreateCompatibleDC(nullptr);
    const win32::HBITMAP bitmap = win32::CreateCompatibleBitmap(dc, kW, kH);
    const win32::HGDIOBJ previous = win32::SelectObject(dc, bitmap);
    const win32::RECT all{0, 0, kW, kH};
    const auto clear = [dc, &all](control::styles::Color color) {
        const win32::HBRUSH brush = win32::CreateSolidBrush(static_cast<win32::COLORREF>(color));
        win32::FillRect(dc, &all, brush);
        win32::DeleteObject(brush);
    };
    control::styles::FaceState face;
    face.dc = dc;
    face.width = kW;
    face.height = kH;
    const int look = static_cast<int>(state.range(1));
    face.state = look == 2   ? control::ButtonState::Hot
                 : look == 3 ? control::ButtonState::Pressed
                 : look == 4 ? control::ButtonState::Disabled
                             : control::ButtonState::Normal;
    face.hasFocus = look == 1;
    face.setBackColor = clear;
    for (auto _ : state) {
        clear(static_cast<control::styles::Color>(win32::GetSysColor(win32::COLOR_BTNFACE)));
        painter.paint(face);
    }
    win32::SelectObject(dc, previous);
    win32::DeleteObject(bitmap);
    win32::DeleteDC(dc);
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
    ->ArgNames({"style", "state"})
    ->ArgsProduct({kStyles, kLooks})
    ->MinTime(0.05)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(FirstPaint)
    ->ArgNames({"style", "state"})
    ->ArgsProduct({kStyles, kLooks})
    ->MinTime(0.05)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace speed
