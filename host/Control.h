// What every control on a form has: name, place in twips, tab order, colours,
// font and an optional view that shows it.
#pragma once

#include <cstdint>
#include <string>

#include "host/ControlView.h"
#include "host/Font.h"
#include "platform/gdi/SysColors.h"

namespace host {

// A colour as forms store it: 0x00BBGGRR, or 0x80000000 + index for a
// system colour.
using OLE_COLOR = std::uint32_t;
constexpr OLE_COLOR kSystemColorFlag = 0x80000000u;
// The one way to write a reference to system colour `index` (COLOR_BTNFACE ...).
constexpr OLE_COLOR SystemColor(int index) { return kSystemColorFlag | static_cast<OLE_COLOR>(index); }

enum class ControlKind { TextBox, Label, UserControl };

class Control {
public:
    explicit Control(ControlKind kind) : kind_(kind) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return kind_; }

    std::string name;
    int index = -1;                                // element of a control array, -1 when it is none
    int left = 0, top = 0, width = 0, height = 0;  // twips, relative to the client area
    int tabIndex = 0;
    bool tabStop = true;
    bool visible = true;
    Font font;
    OLE_COLOR foreColor = SystemColor(win32::COLOR_WINDOWTEXT);
    OLE_COLOR backColor = SystemColor(win32::COLOR_WINDOW);
    std::string toolTipText;

    void SetView(ControlView* view) { view_ = view; }
    ControlView* View() const { return view_; }

    // Paint now; used while the program is busy and the message loop is not running.
    void Refresh() const {
        if (view_) view_->RepaintNow();
    }

protected:
    ControlView* view_ = nullptr;

private:
    ControlKind kind_;
};

}  // namespace host
