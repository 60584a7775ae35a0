// One Refresh of the 107 x 27 style-5 button with its caption and a 16 x 16
// icon, normal and disabled, drawn as it is or through the mask colour,
// next to the same repaint without an icon: the difference is what the
// icon costs, to be set against the face it sits on.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/ConvertiButton.h"
#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "host/Resources.h"
#include "platform/user/UserExtensions.h"
#include "resources/Resources.h"

namespace {

using host::PropertyValue;

enum Picture { kNone, kIcon, kIconThroughMaskColour };

host::PicturePtr ConvertIcon() {
    host::AddResources(corvalmire::EmbeddedResources());
    const host::ResourceEntry* icon = host::FindResource(corvalmire::kResConvertIcon, "ICON");
    return icon ? host::Picture::FromIconFile(icon->bytes) : nullptr;
}

void BM_RefreshWithIcon(benchmark::State& state) {
    host::PropertyBag bag = bench::ConvertiBag(5);
    if (state.range(1) != kNone) bag.WriteProperty("Icon", PropertyValue::Picture(ConvertIcon()));
    bag.WriteProperty("UseMaskColor", PropertyValue::Boolean(state.range(1) == kIconThroughMaskColour));
    bag.WriteProperty("Enabled", PropertyValue::Boolean(state.range(0) == 0));
    auto button = bench::ShownButton(bag);
    for (auto _ : state) button->Refresh();
    button.reset();
    win32::ClearMessageQueue();
}
BENCHMARK(BM_RefreshWithIcon)
    ->ArgNames({"disabled", "picture"})
    ->ArgsProduct({{0, 1}, {kNone, kIcon, kIconThroughMaskColour}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
