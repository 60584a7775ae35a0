// A plain push button standing in for a kind of control the form names but
// the runtime cannot create yet. It shows the saved caption and raises Click;
// the saved settings are kept as the form described them, for the real
// control to load when it exists.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

#include "host/Control.h"
#include "host/Event.h"

namespace host {

class ButtonStandIn : public Control {
public:
    ButtonStandIn() : Control(ControlKind::Button) {}

    // The kind the form asked for (e.g. "raReruri").
    std::string kindName;
    // The control's saved settings, keyed as its property bag stores them.
    nlohmann::json settings = nlohmann::json::object();

    std::string Caption() const { return settings.value("Caption", std::string()); }

    bool Value() const { return value_; }
    // Stored only; a plain button has no look for it.
    void SetValue(bool value) { value_ = value; }

    // Raised by the view on a click (or by tests and keyboard handling).
    Event<> Click;

private:
    bool value_ = false;
};

}  // namespace host
