// The drawn state a repaint settles on, before anything is painted. Later
// rules override earlier ones, and the result stays in CurrentState.
#include "control/raReruri.h"
#include "platform/gdi/SysColors.h"

namespace control {

void raReruri::ForceState() {
    constexpr Long kRoundedGradient = 5;
    // While the form is being designed, every style but 5 shows its hot look.
    if (!userControl_->Ambient().UserMode && style_ != kRoundedGradient) currentState_ = ButtonState::Hot;
    if (buttonType_ == kToggleButton && value_) currentState_ = ButtonState::Pressed;
    if (!enabled_) {
        currentState_ = ButtonState::Disabled;
        userControl_->SetBackColor(host::SystemColor(win32::COLOR_BTNFACE));
    }
}

}  // namespace control
