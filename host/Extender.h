// The container's wrapper around a user control: the name the form knows it
// by, its tooltip and its place on the form in twips.
#pragma once

#include <string>

namespace host {

class UserControl;

class Extender {
public:
    Extender(UserControl& control, std::string name) : control_(control), name_(std::move(name)) {}
    Extender(const Extender&) = delete;
    Extender& operator=(const Extender&) = delete;

    const std::string& Name() const { return name_; }

    // The container's own tooltip for the control; whatever shows the form
    // reads it each time a tooltip is due.
    const std::string& ToolTipText() const { return toolTipText_; }
    void SetToolTipText(std::string text) { toolTipText_ = std::move(text); }

    // Place and size in twips, relative to the container's client area.
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetWidth(int twips);
    void SetHeight(int twips);
    void Move(int left, int top, int width, int height);

    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int index) { tabIndex_ = index; }

private:
    UserControl& control_;
    std::string name_;
    std::string toolTipText_;
    int tabIndex_ = 0;
};

}  // namespace host
