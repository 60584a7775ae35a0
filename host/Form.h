// A window of the program: caption, fixed client size in twips, controls
// and the load and query-unload events.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/Control.h"
#include "host/Event.h"
#include "host/Font.h"
#include "platform/user/ScopedWindow.h"

namespace host {

class Label;
class TextBox;

// Whether files dropped on the form reach it: Manual raises OLEDragDrop.
enum class OLEDropMode { None = 0, Manual = 1 };

// Why a form is closing, as the query-unload event reports it.
enum class UnloadMode { FormControlMenu = 0, FormCode = 1, AppWindows = 2, TaskManager = 3 };

class Form {
public:
    Form();
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string name;
    std::string caption;
    int clientWidth = 0, clientHeight = 0;  // twips
    Font font;                              // for controls without a font of their own
    OLE_COLOR backColor = SystemColor(win32::COLOR_BTNFACE);
    int iconId = 0;  // "ICON" resource; 0 for none
    OLEDropMode oleDropMode = OLEDropMode::None;
    // The window has a fixed single border without minimise or maximise box
    // and opens centred on the screen: the only kind this program uses.

    // Takes ownership of a control and returns it.
    template <typename T>
    T& Add(std::unique_ptr<T> control) {
        T& ref = *control;
        controls_.push_back(std::move(control));
        return ref;
    }
    const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
    Control* Find(const std::string& name, int index = -1) const;
    TextBox& TextBoxNamed(const std::string& name) const;
    Label& LabelNamed(const std::string& name, int index = -1) const;
    // The control that gets the focus when the form opens: lowest tab index
    // among those that can take the focus.
    Control* FirstInTabOrder() const;

    // Raises Load the first time, then shows the form through the display.
    void Show();
    // Asks QueryUnload (a handler may cancel), then closes. False when cancelled.
    bool Unload(UnloadMode mode = UnloadMode::FormCode);
    bool Loaded() const { return loaded_; }
    bool Shown() const { return shown_; }

    // Long work on the one thread; see FormDisplay::BeginBusy.
    class BusyScope {
    public:
        explicit BusyScope(Form& form);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        Form& form_;
    };
    bool Busy() const { return busy_ > 0; }

    Event<> Load;
    Event<bool&, UnloadMode> QueryUnload;  // set the flag to keep the form open
    Event<> Unloaded;
    // Files dropped on the form, in the order the drop lists them (paths as
    // their bytes on disk).
    Event<const std::vector<std::string>&> OLEDragDrop;

    // The form's window in our layer, alive while the form is shown: owner
    // of its dialogs, and what GetWindowRect reads its place from. The
    // display keeps its rectangle in step with the screen.
    win32::HWND hWnd() const { return hwnd_.Get(); }

private:
    void CreateWindowHandle();

    std::vector<std::unique_ptr<Control>> controls_;
    win32::ScopedWindow hwnd_;
    bool loaded_ = false;
    bool shown_ = false;
    int busy_ = 0;
};

}  // namespace host
