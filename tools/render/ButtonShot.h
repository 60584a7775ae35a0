// One button as the render tool shows it: loaded in user mode from a bag,
// shown, then brought into its state by the messages a user would cause.
#pragma once

#include <memory>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "tools/render/RenderOptions.h"

namespace render_tool {

class ButtonShot {
public:
    ButtonShot(const host::PropertyBag& bag, int width, int height, PointerState state, bool focus);
    ~ButtonShot();
    ButtonShot(const ButtonShot&) = delete;
    ButtonShot& operator=(const ButtonShot&) = delete;

    control::raReruri& Control() { return *control_; }
    // The drawing surface after the last paint, and the window's region.
    win32::HDC Surface() const;
    win32::HWND Window() const;

private:
    std::shared_ptr<control::raReruri> control_;
};

}  // namespace render_tool
