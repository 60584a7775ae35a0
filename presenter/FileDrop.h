// Files dropped on a form's window, or on any control in it, reach the form
// as its OLEDragDrop event. Other drags (text onto a text box) pass on.
#pragma once

#include <QObject>

class QWidget;

namespace host {
class Form;
}

namespace presenter {

class FileDrop : public QObject {
public:
    FileDrop(QWidget& window, host::Form& form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    host::Form& form_;
};

}  // namespace presenter
