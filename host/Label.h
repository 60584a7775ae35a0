// A label: a caption drawn on the form, never focused.
#pragma once

#include <string>

#include "host/Control.h"

namespace host {

enum class BackStyle { Transparent = 0, Opaque = 1 };

class Label : public Control {
public:
    Label() : Control(ControlKind::Label) { tabStop = false; }

    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) {
        caption_ = std::move(caption);
        if (view_) view_->TextReplaced();
    }

    bool autoSize = false;
    BackStyle backStyle = BackStyle::Opaque;
    // A custom mouse pointer: the id of a "CURSOR" resource, 0 for the default arrow.
    int mouseIcon = 0;

private:
    std::string caption_;
};

}  // namespace host
