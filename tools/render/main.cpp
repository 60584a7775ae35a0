// corvalmire-render: draws one raReruri button, or a gallery of them, to an
// image file. See the README for examples.
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "tools/render/ButtonShot.h"
#include "tools/render/Gallery.h"
#include "tools/render/RenderOptions.h"
#include "tools/render/SettingsBag.h"

namespace {

bool EndsWith(const std::string& text, const char* suffix) {
    const std::string end(suffix);
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

void ApplySysColors(const render_tool::RenderOptions& options) {
    for (const auto& [index, color] : options.sysColors) win32::SetSysColors(1, &index, &color);
}

int RenderOne(const render_tool::RenderOptions& options) {
    if (!EndsWith(options.out, ".ppm") && !EndsWith(options.out, ".png")) {
        std::fprintf(stderr, "corvalmire-render: --out must end in .ppm or .png\n");
        return 2;
    }
    const host::PropertyBag bag = render_tool::BagFromSettings(options.settings);
    render_tool::ButtonShot shot(bag, options.width, options.height, options.state, options.focus);
    if (!win32::WriteBitmapImage(shot.Surface(), options.out)) {
        std::fprintf(stderr, "corvalmire-render: cannot write %s\n", options.out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const render_tool::ParseResult parsed = render_tool::ParseRenderOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "corvalmire-render: %s\n%s", parsed.error.c_str(), render_tool::kUsage);
        return 2;
    }
    try {
        ApplySysColors(*parsed.options);
        if (!parsed.options->gallery.empty()) {
            if (render_tool::WriteGallery(parsed.options->gallery)) return 0;
            std::fprintf(stderr, "corvalmire-render: cannot write %s\n", parsed.options->gallery.c_str());
            return 1;
        }
        return RenderOne(*parsed.options);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "corvalmire-render: %s\n", error.what());
        return 2;
    }
}
