// What a form asks of whatever shows it on screen. The presenter implements
// it; headless runs (and tests) have none, and forms keep their state only.
#pragma once

namespace host {

class Form;

class FormDisplay {
public:
    virtual ~FormDisplay() = default;
    // Creates the on-screen window and the views of the form's controls.
    virtual void ShowForm(Form& form) = 0;
    // Destroys them; the form stays usable without a view.
    virtual void CloseForm(Form& form) = 0;
    // The form runs a long task on the one thread: input to it is ignored
    // until EndBusy, and only explicit repaints reach the screen.
    virtual void BeginBusy(Form& form) { (void)form; }
    virtual void EndBusy(Form& form) { (void)form; }
};

void SetFormDisplay(FormDisplay* display);
FormDisplay* GetFormDisplay();

}  // namespace host
