// Ambient properties: what the container tells its controls about itself.
#pragma once

namespace host {

struct AmbientProperties {
    // False while the form is being designed, true when it runs.
    bool UserMode = true;
    // The container shows the control as its default button.
    bool DisplayAsDefault = false;
};

}  // namespace host
