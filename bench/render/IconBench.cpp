// One Refresh of the 107 x 27 style-5 button with its caption and a 16 x 16
// icon, normal and disabled, drawn as it is or through the mask colour,
// next to the same repaint without an icon: the difference is what the
// icon costs, to be set against the face it sits on.
#include <benchmark/benchmark.h>

#include <memory>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "host/Resources.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "resources/Resources.h"

namespace {

using host::PropertyValue;

constexpr int kW = 107, kH = 27;
enum Picture { kNone, kIcon, kIconThroughMaskColour };

host::PicturePtr ConvertIcon() {
    host::AddResources(corvalmire::EmbeddedResources());
    const host::ResourceEntry* icon = host::FindResource(corvalmire::kResConvertIcon, "ICON");
    return icon ? host::Picture::FromIconFile(icon->bytes) : nullptr;
}

void BM_RefreshWithIcon(benchmark::State& state) {
    host::ControlSite site;
    site.name = "cmdBench";
    site.width = kW * 15;
    site.height = kH * 15;
    auto button = control::raReruri::Create(site);
    host::PropertyBag bag;
    bag.WriteProperty("Style", PropertyValue::Long(5));
    bag.WriteProperty("Caption", PropertyValue::String("Converti"));
    bag.WriteProperty("Font", PropertyValue::Font(host::Font{"Verdana", 8.25, true}));
    if (state.range(1) != kNone) bag.WriteProperty("Icon", PropertyValue::Picture(ConvertIcon()));
    bag.WriteProperty("UseMaskColor", PropertyValue::Boolean(state.range(1) == kIconThroughMaskColour));
    bag.WriteProperty("Enabled", PropertyValue::Boolean(state.range(0) == 0));
    button->Load(bag);
    win32::ShowWindow(button->UserControl().hWnd(), win32::SW_SHOW);
    for (auto _ : state) button->Refresh();
    button.reset();
    win32::ClearMessageQueue();
}
BENCHMARK(BM_RefreshWithIcon)
    ->ArgNames({"disabled", "picture"})
    ->ArgsProduct({{0, 1}, {kNone, kIcon, kIconThroughMaskColour}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
