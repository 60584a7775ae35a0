#include "host/Form.h"

#include <stdexcept>

#include "host/FormDisplay.h"
#include "host/Label.h"
#include "host/TextBox.h"
#include "host/Twips.h"
#include "platform/user/SystemParameters.h"
#include "platform/user/Window.h"

namespace host {
namespace {

template <typename T>
T& Expect(Control* control, ControlKind kind, const std::string& name) {
    if (!control || control->Kind() != kind) throw std::out_of_range("no such control: " + name);
    return static_cast<T&>(*control);
}

constexpr const char* kFormClass = "CorvalmireForm";

void EnsureFormClass() {
    win32::WNDCLASSA existing{};
    if (win32::GetClassInfoA(nullptr, kFormClass, &existing)) return;
    win32::WNDCLASSA cls{};
    cls.lpfnWndProc = win32::DefWindowProcA;
    cls.lpszClassName = kFormClass;
    win32::RegisterClassA(&cls);
}

FormDisplay*& InstalledDisplay() {
    static FormDisplay* display = nullptr;
    return display;
}

}  // namespace

void SetFormDisplay(FormDisplay* display) { InstalledDisplay() = display; }
FormDisplay* GetFormDisplay() { return InstalledDisplay(); }

Form::Form() = default;

Form::~Form() {
    if (shown_ && GetFormDisplay()) GetFormDisplay()->CloseForm(*this);
    hwnd_.Reset();
}

// Fixed border, no minimise or maximise box, centred in the work area.
void Form::CreateWindowHandle() {
    EnsureFormClass();
    win32::RECT area{};
    win32::SystemParametersInfoA(win32::SPI_GETWORKAREA, 0, &area, 0);
    const int w = TwipsToPixels(clientWidth);
    const int h = TwipsToPixels(clientHeight);
    const int x = area.left + (area.right - area.left - w) / 2;
    const int y = area.top + (area.bottom - area.top - h) / 2;
    hwnd_.Reset(
        win32::CreateWindowExA(0, kFormClass, caption.c_str(),
                               win32::WS_POPUP | win32::WS_CAPTION | win32::WS_SYSMENU | win32::WS_VISIBLE, x,
                               y, w, h, nullptr, nullptr, nullptr, nullptr));
}

Control* Form::Find(const std::string& controlName, int index) const {
    for (const auto& control : controls_) {
        if (control->name == controlName && control->index == index) return control.get();
    }
    return nullptr;
}

TextBox& Form::TextBoxNamed(const std::string& controlName) const {
    return Expect<TextBox>(Find(controlName), ControlKind::TextBox, controlName);
}

Label& Form::LabelNamed(const std::string& controlName, int index) const {
    return Expect<Label>(Find(controlName, index), ControlKind::Label, controlName);
}

Control* Form::FirstInTabOrder() const {
    Control* first = nullptr;
    for (const auto& control : controls_) {
        if (!control->tabStop || !control->visible) continue;
        if (!first || control->tabIndex < first->tabIndex) first = control.get();
    }
    return first;
}

void Form::Show() {
    if (!loaded_) {
        loaded_ = true;
        Load.Raise();
    }
    if (shown_) return;
    shown_ = true;
    CreateWindowHandle();
    if (GetFormDisplay()) GetFormDisplay()->ShowForm(*this);
}

bool Form::Unload(UnloadMode mode) {
    if (!loaded_) return true;
    bool cancel = false;
    QueryUnload.Raise(cancel, mode);
    if (cancel) return false;
    loaded_ = false;
    if (shown_) {
        shown_ = false;
        if (GetFormDisplay()) GetFormDisplay()->CloseForm(*this);
        hwnd_.Reset();
    }
    Unloaded.Raise();
    return true;
}

Form::BusyScope::BusyScope(Form& form) : form_(form) {
    if (form_.busy_++ == 0 && GetFormDisplay()) GetFormDisplay()->BeginBusy(form_);
}

Form::BusyScope::~BusyScope() {
    if (--form_.busy_ == 0 && GetFormDisplay()) GetFormDisplay()->EndBusy(form_);
}

}  // namespace host
