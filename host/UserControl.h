// The host side of an embeddable control: its own child window, a persistent
// drawing surface (a memory DC over a 32-bit bitmap the size of the window),
// the container's Extender, the ambient properties, the property-changed
// notification and the life-cycle events, which the control window's own
// procedure raises from the window's messages.
//
// The control (a UserControlEvents) owns its UserControl and is itself owned
// through a shared_ptr; every message is handled with a strong reference to
// the control held, so a handler may drop the last outside reference to it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "host/Ambient.h"
#include "host/Control.h"
#include "host/DrawingSurface.h"
#include "host/Event.h"
#include "host/Extender.h"
#include "host/Font.h"
#include "host/Picture.h"
#include "host/UserControlEvents.h"
#include "platform/Win32Types.h"
#include "platform/user/ScopedWindow.h"

namespace host {

class PropertyBag;

// Where and how the container places a new control.
struct ControlSite {
    win32::HWND parent = nullptr;  // the container's window; nullptr makes a top-level window
    std::string name;
    int left = 0, top = 0, width = 1605, height = 405;  // twips
    int tabIndex = 0;
    std::string toolTipText;  // the container's tooltip for the control
    AmbientProperties ambient;
};

class UserControl {
public:
    // Creates the control's window, hidden, sized as the site says, with a
    // surface of that size in the given font.
    UserControl(const ControlSite& site, Font surfaceFont);
    ~UserControl();
    UserControl(const UserControl&) = delete;
    UserControl& operator=(const UserControl&) = delete;

    // The handlers; set once, before the first event.
    void SetEvents(std::weak_ptr<UserControlEvents> events) { events_ = std::move(events); }

    // ---- Life cycle, driven by the container ----
    void Initialize();
    void InitNew();                     // a freshly placed instance
    void Load(const PropertyBag& bag);  // an instance with saved settings
    void Save(PropertyBag& bag);
    // Raises Terminate once and destroys the window. Called by the owner
    // before it lets the control go; harmless when already done.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // ---- The drawing surface ----
    win32::HWND hWnd() const { return hwnd_.Get(); }
    win32::HDC hDC() const { return surface_.hDC(); }
    float ScaleWidth() const { return static_cast<float>(surface_.Width()); }
    float ScaleHeight() const { return static_cast<float>(surface_.Height()); }
    OLE_COLOR BackColor() const { return backColor_; }
    void SetBackColor(OLE_COLOR color);  // also clears the surface
    // Only records the colour, for a caller about to cover the whole surface.
    void AssignBackColor(OLE_COLOR color) { backColor_ = color; }
    OLE_COLOR ForeColor() const { return foreColor_; }
    void SetForeColor(OLE_COLOR color);
    void Cls();
    // Draws a bitmap or icon picture scaled to width x height at (x, y).
    void PaintPicture(const Picture& picture, float x, float y, float width, float height);
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);
    std::int16_t MousePointer() const { return mousePointer_; }
    void SetMousePointer(std::int16_t pointer) { mousePointer_ = pointer; }
    bool Enabled() const;
    void SetEnabled(bool enabled);
    // Letters that raise AccessKeyPress with Alt held down.
    const std::string& AccessKeys() const { return accessKeys_; }
    void SetAccessKeys(std::string keys) { accessKeys_ = std::move(keys); }
    // Tells whatever shows the window that the surface has new pixels.
    void Invalidate() { SurfaceUpdated.Raise(); }
    Event<> SurfaceUpdated;

    // ---- The container ----
    host::Extender& Extender() { return extender_; }
    const host::Extender& Extender() const { return extender_; }
    const AmbientProperties& Ambient() const { return ambient_; }
    // The container changes an ambient property; raises AmbientChanged.
    void SetAmbientUserMode(bool userMode);
    void SetAmbientDisplayAsDefault(bool displayAsDefault);

    // The control says a property changed, so the container saves it again.
    void PropertyChanged(std::string_view propertyName);
    bool Dirty() const { return dirty_; }
    Event<const std::string&> PropertyChangedNotification;

    // The control behind one of our windows, or nullptr.
    static UserControl* FromHwnd(win32::HWND hwnd);
    // The windows of every live user control, in the order they were made.
    static std::vector<win32::HWND> Windows();
    // The window class of every user control window.
    static constexpr const char* kWindowClass = "CorvalmireUserControl";

    // Raises an event on the control's handlers (used by the window procedure).
    void RaiseEvent(const std::function<void(UserControlEvents&)>& handler);

private:
    friend class UserControlWindow;
    void ResizeSurface(int width, int height) { surface_.Resize(width, height, backColor_); }

    std::weak_ptr<UserControlEvents> events_;
    host::Extender extender_;
    AmbientProperties ambient_;
    // Declared before the window, so the window goes first.
    DrawingSurface surface_;
    win32::ScopedWindow hwnd_;
    OLE_COLOR backColor_ = SystemColor(win32::COLOR_BTNFACE);
    OLE_COLOR foreColor_ = SystemColor(win32::COLOR_BTNTEXT);
    Font font_;
    std::int16_t mousePointer_ = 0;
    std::string accessKeys_;
    bool dirty_ = false;
    bool terminated_ = false;
    bool clickArmed_ = false;  // a left press on the window awaits its release
    bool afterDblClick_ = false;
};

}  // namespace host
