// The life-cycle events a user control receives from its host. A control
// implements the handlers it needs; the host raises them from the control
// window's messages and from loading, saving and unloading.
#pragma once

#include <cstdint>
#include <string>

namespace host {

class PropertyBag;

// Mouse buttons and shift state as the events report them.
constexpr std::int16_t vbLeftButton = 1;
constexpr std::int16_t vbRightButton = 2;
constexpr std::int16_t vbMiddleButton = 4;
constexpr std::int16_t vbShiftMask = 1;
constexpr std::int16_t vbCtrlMask = 2;
constexpr std::int16_t vbAltMask = 4;

class UserControlEvents {
public:
    virtual ~UserControlEvents() = default;

    virtual void UserControl_Initialize() {}
    virtual void UserControl_InitProperties() {}
    virtual void UserControl_ReadProperties(const PropertyBag&) {}
    virtual void UserControl_WriteProperties(PropertyBag&) {}
    virtual void UserControl_Show() {}
    virtual void UserControl_Hide() {}
    virtual void UserControl_Paint() {}
    virtual void UserControl_Resize() {}
    virtual void UserControl_EnterFocus() {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_ExitFocus() {}
    virtual void UserControl_KeyDown(std::int16_t& /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void UserControl_KeyUp(std::int16_t& /*keyCode*/, std::int16_t /*shift*/) {}
    virtual void UserControl_MouseDown(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                                       float /*y*/) {}
    virtual void UserControl_MouseUp(std::int16_t /*button*/, std::int16_t /*shift*/, float /*x*/,
                                     float /*y*/) {}
    virtual void UserControl_Click() {}
    virtual void UserControl_DblClick() {}
    virtual void UserControl_AccessKeyPress(std::int16_t /*keyAscii*/) {}
    virtual void UserControl_AmbientChanged(const std::string& /*propertyName*/) {}
    // Raised once, before the control goes away (see UserControl::Terminate).
    virtual void UserControl_Terminate() {}
};

}  // namespace host
