// What a control tells whatever shows it on screen. The presenter implements
// it; without one (headless) the controls simply keep their state.
#pragma once

#include <string_view>

namespace host {

class ControlView {
public:
    virtual ~ControlView() = default;
    // Text or caption replaced as a whole.
    virtual void TextReplaced() {}
    // Text grown at its end by `chunk`; costs time in the chunk only.
    virtual void TextAppended(std::string_view chunk) { (void)chunk; }
    virtual void SelStartChanged() {}
    // Paint now, even while the program is busy and the loop does not run.
    virtual void RepaintNow() {}
    // Another property (colour, value, enabled...) changed.
    virtual void PropertyChanged() {}
};

}  // namespace host
