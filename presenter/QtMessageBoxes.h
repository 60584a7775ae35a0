// Message boxes on screen: one OK button or Yes and No, with their icon.
#pragma once

#include "host/MsgBox.h"

namespace presenter {

class QtMessageBoxes : public host::MessageBoxProvider {
public:
    int Show(const std::string& prompt, int buttons, const std::string& title) override;
};

}  // namespace presenter
