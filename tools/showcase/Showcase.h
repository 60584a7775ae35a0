// The showcase of the raReruri control: a window with a live button of
// every style, each with its icon and tooltip; switches that disable them,
// make them toggle buttons, give them custom colours or change the system
// colours; and a button that opens the About box of the style button that
// had the focus last (the first one when none had it yet).
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "control/raReruri.h"
#include "host/Form.h"
#include "tools/showcase/FocusWatch.h"

namespace showcase {

class Showcase {
public:
    static constexpr int kStyleCount = 11;
    static constexpr int kSwitchCount = 4;

    Showcase();
    ~Showcase();
    Showcase(const Showcase&) = delete;
    Showcase& operator=(const Showcase&) = delete;

    host::Form& Form() { return form_; }
    control::raReruri& StyleButton(int style) const;
    control::raReruri& Switch(
        const std::string& name) const;  // "swDisabled", "swToggle", "swCustom", "swScheme"
    control::raReruri& AboutButton() const;
    // The style button whose About box the About button opens now.
    control::raReruri& Chosen() const;

private:
    control::raReruri& Add(const std::string& name, int left, int top, int width, int height,
                           const std::string& toolTip, host::PropertyBag bag);
    void AddStyleButtons();
    void AddSwitches();
    void AddLabel(const std::string& caption, int left, int top, int width);

    // Declared after the form, so the watch lets go of the buttons' windows
    // while they still live.
    host::Form form_;
    FocusWatch focus_;
    std::vector<control::raReruri*> styleButtons_;
    std::array<bool, kSwitchCount> switchOn_{};
    int nextTabIndex_ = 0;
};

}  // namespace showcase
