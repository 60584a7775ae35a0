// The model of raReruri: creation and life cycle, the properties and their
// setters, the form-description kind, and OpenLink.
#include <limits>
#include <stdexcept>

#include "control/Trap.h"
#include "control/raReruri.h"
#include "host/AccessKeys.h"
#include "host/PropertyBag.h"
#include "host/RuntimeError.h"
#include "host/UserControlHost.h"
#include "platform/shell/Shell.h"
#include "platform/user/WindowTypes.h"

namespace control {
namespace {

// The surface the control draws on uses this font until a saved one is loaded.
host::Font SurfaceFont() {
    host::Font font;
    font.name = "Verdana";
    font.size = 8.25;
    return font;
}

}  // namespace

raReruri::raReruri(Passkey, const host::ControlSite& site)
    : userControl_(std::make_unique<host::UserControl>(site, SurfaceFont())) {
    font_ = userControl_->GetFont();
    CreateAboutBox();
}

std::shared_ptr<raReruri> raReruri::Create(const host::ControlSite& site) {
    auto control = std::make_shared<raReruri>(Passkey{}, site);
    control->userControl_->SetEvents(control);
    control->userControl_->Initialize();
    return control;
}

raReruri::~raReruri() {
    if (!userControl_->Terminated()) UserControl_Terminate();
    // The About box may be a top-level window by now: it goes with us.
    m_About.reset();
    // The window goes first: its last messages still pass the subclass,
    // which then removes itself, before the engine's state is released.
    userControl_.reset();
}

void raReruri::InitNew() { userControl_->InitNew(); }
void raReruri::Load(const host::PropertyBag& bag) { userControl_->Load(bag); }
void raReruri::Save(host::PropertyBag& bag) { userControl_->Save(bag); }

void raReruri::Notify(const char* propertyName) { userControl_->PropertyChanged(propertyName); }

void raReruri::RaiseEvent(const host::Event<>& event) {
    // Owners' handlers may drop their reference to the control.
    const auto self = weak_from_this().lock();
    event.Raise();
}

// ---- Properties: store, notify, then lay out and/or repaint ----

void raReruri::SetStyle(Long value) {
    Trap([&] {
        style_ = value;
        Notify("Style");
        // Twice: a theme failure in the first pass replaces the style, and the
        // second lays out and paints the replacement with its own margin.
        UserControl_Resize();
        Refresh();
        UserControl_Resize();
        Refresh();
    });
}

void raReruri::SetCaption(const std::string& value) {
    Trap([&] {
        caption_ = value;
        userControl_->SetAccessKeys(host::AccessKeysFromCaption(caption_));
        Notify("Caption");
        UserControl_Resize();
        Refresh();
    });
}

void raReruri::SetIcon(host::PicturePtr value) {
    Trap([&] {
        icon_ = std::move(value);
        Notify("Icon");
        UserControl_Resize();
        UserControl_Paint();
    });
}

template <typename T>
void raReruri::StoreThenLayout(T& member, const T& value, const char* name) {
    Trap([&] {
        member = value;
        Notify(name);
        UserControl_Resize();
        UserControl_Paint();
    });
}

template <typename T>
void raReruri::StoreThenRefresh(T& member, const T& value, const char* name) {
    Trap([&] {
        member = value;
        Notify(name);
        Refresh();
    });
}

void raReruri::SetIconAlign(Long value) { StoreThenLayout(iconAlign_, value, "IconAlign"); }
void raReruri::SetIconSize(Integer value) { StoreThenLayout(iconSize_, value, "IconSize"); }
void raReruri::SetCaptionAlign(Long value) { StoreThenLayout(captionAlign_, value, "CaptionAlign"); }
void raReruri::SetNonThemeStyle(Long value) { StoreThenLayout(nonThemeStyle_, value, "NonThemeStyle"); }

void raReruri::SetShowFocus(bool value) { StoreThenRefresh(showFocus_, value, "ShowFocus"); }
void raReruri::SetUseCustomColors(bool value) {
    StoreThenRefresh(useCustomColors_, value, "UseCustomColors");
}
void raReruri::SetBackColor(Color value) { StoreThenRefresh(backColor_, value, "BackColor"); }
void raReruri::SetHighlightColor(Color value) { StoreThenRefresh(highlightColor_, value, "HighlightColor"); }
void raReruri::SetFontColor(Color value) { StoreThenRefresh(fontColor_, value, "FontColor"); }
void raReruri::SetFontHighlightColor(Color value) {
    StoreThenRefresh(fontHighlightColor_, value, "FontHighlightColor");
}
void raReruri::SetToolTipType(Long value) { StoreThenRefresh(toolTipType_, value, "ToolTipType"); }
void raReruri::SetToolTipBackColor(Color value) {
    StoreThenRefresh(toolTipBackColor_, value, "ToolTipBackColor");
}
void raReruri::SetToolTipForeColor(Color value) {
    StoreThenRefresh(toolTipForeColor_, value, "ToolTipForeColor");
}
void raReruri::SetButtonType(Long value) { StoreThenRefresh(buttonType_, value, "ButtonType"); }
void raReruri::SetValue(bool value) { StoreThenRefresh(value_, value, "Value"); }
void raReruri::SetMaskColor(Color value) { StoreThenRefresh(maskColor_, value, "MaskColor"); }
void raReruri::SetUseMaskColor(bool value) { StoreThenRefresh(useMaskColor_, value, "UseMaskColor"); }
void raReruri::SetRoundedBordersByTheme(bool value) {
    StoreThenRefresh(roundedBordersByTheme_, value, "RoundedBordersByTheme");
}
// These three notify under the names earlier versions used.
void raReruri::SetToolTipIcon(Long value) { StoreThenRefresh(toolTipIcon_, value, "TooltipIcon"); }
void raReruri::SetToolTipTitle(const std::string& value) {
    StoreThenRefresh(toolTipTitle_, value, "TooltipTitle");
}
void raReruri::SetRightToLeft(bool value) { StoreThenRefresh(rightToLeft_, value, "bRTLText"); }

bool raReruri::Enabled() {
    Refresh();
    return enabled_;
}

void raReruri::SetEnabled(bool value) {
    Trap([&] {
        enabled_ = value;
        currentState_ = ButtonState::Normal;
        Refresh();
        Notify("Enabled");
        userControl_->SetEnabled(value);
    });
}

host::Font raReruri::Font() const { return userControl_->GetFont(); }

void raReruri::SetFont(const host::Font& value) {
    Trap([&] {
        font_ = value;
        userControl_->SetFont(value);
        Refresh();
        Notify("Font");
    });
}

raReruri::Long raReruri::MousePointer() const { return userControl_->MousePointer(); }

void raReruri::SetMousePointer(Long value) {
    Trap([&] {
        // The surface takes a 16-bit pointer code; a wider value fails and
        // changes nothing.
        if (value < std::numeric_limits<Integer>::min() || value > std::numeric_limits<Integer>::max())
            throw host::RuntimeError(host::PropertyValue::kOverflow, "Overflow");
        userControl_->SetMousePointer(static_cast<Integer>(value));
        Notify("MousePointer");
    });
}

// raReruri as a kind of control form descriptions can name.
void raReruri::RegisterFormKind() {
    host::RegisterUserControlKind("raReruri",
                                  [](const host::ControlSite& site, const host::PropertyBag& bag) {
                                      auto control = Create(site);
                                      control->Load(bag);
                                      return host::UserControlInstance{control, &control->UserControl()};
                                  });
}

raReruri& raReruri::OnForm(const host::Form& form, const std::string& name) {
    auto* hosted = dynamic_cast<host::UserControlHost*>(form.Find(name));
    raReruri* control = hosted ? hosted->Object<raReruri>().get() : nullptr;
    if (!control) throw std::out_of_range("no such control: " + name);
    return *control;
}

// OpenLink: a document or address opened by the shell.
raReruri::Long raReruri::OpenLink(const std::string& sLink) {
    Long result = 0;
    Trap([&] {
        const win32::HINSTANCE answer =
            win32::ShellExecuteA(userControl_->hWnd(), "open", sLink.c_str(), "1", "1", win32::SW_SHOWNORMAL);
        result = static_cast<Long>(reinterpret_cast<win32::LONG_PTR>(answer));
    });
    return result;
}

// The subclass goes with the control; the window may outlive it.
void raReruri::UserControl_Terminate() {
    Trap([&] { subclass_.sc_UnSubclassAll(); });
}

}  // namespace control
