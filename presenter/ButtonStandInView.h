// Shows a host::ButtonStandIn as a plain QPushButton with its saved caption,
// font, icon and tool tip; a click raises the stand-in's Click.
#pragma once

#include <QPushButton>

#include "host/ButtonStandIn.h"

namespace presenter {

class ButtonStandInView : public host::ControlView {
public:
    ButtonStandInView(host::ButtonStandIn& button, QWidget* parent);
    ~ButtonStandInView() override;

    QPushButton* Widget() const { return widget_; }
    void RepaintNow() override { widget_->repaint(); }

private:
    host::ButtonStandIn& button_;
    QPushButton* widget_;
};

}  // namespace presenter
