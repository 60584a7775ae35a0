#include "presenter/FormWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "host/AccessKeys.h"
#include "host/Label.h"
#include "host/TextBox.h"
#include "host/Twips.h"
#include "platform/user/Window.h"
#include "presenter/ControlWindow.h"
#include "presenter/FileDrop.h"
#include "presenter/LabelView.h"
#include "presenter/Look.h"
#include "presenter/TextBoxView.h"

namespace presenter {
namespace {

template <typename View, typename Model>
std::unique_ptr<host::ControlView> Make(host::Control& control, QWidget* parent, QWidget*& widget) {
    auto view = std::make_unique<View>(static_cast<Model&>(control), parent);
    widget = view->Widget();
    return view;
}

std::unique_ptr<host::ControlView> MakeView(host::Control& control, QWidget* parent, QWidget*& widget) {
    switch (control.Kind()) {
        case host::ControlKind::TextBox: return Make<TextBoxView, host::TextBox>(control, parent, widget);
        case host::ControlKind::Label: return Make<LabelView, host::Label>(control, parent, widget);
        case host::ControlKind::UserControl:
            return Make<ControlWindow, host::UserControlHost>(control, parent, widget);
    }
    return nullptr;
}

// A line edit lays out its empty text in the application's font before it
// takes its own, so Qt would load that font for nothing; the form's font
// stands in while the views are made.
class ApplicationFontWhile {
public:
    explicit ApplicationFontWhile(const QFont& font) : saved_(QApplication::font()) { QApplication::setFont(font); }
    ~ApplicationFontWhile() { QApplication::setFont(saved_); }
    ApplicationFontWhile(const ApplicationFontWhile&) = delete;
    ApplicationFontWhile& operator=(const ApplicationFontWhile&) = delete;

private:
    const QFont saved_;
};

}  // namespace

FormWindow::FormWindow(host::Form& form) : form_(form) {
    setObjectName(QString::fromUtf8(form.name));
    setWindowTitle(QString::fromUtf8(form.caption));
    if (form.iconId) setWindowIcon(IconFromResource(form.iconId));
    // Fixed single border: no resizing, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(host::TwipsToPixels(form.clientWidth), host::TwipsToPixels(form.clientHeight));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ToQColor(form.backColor));
    setPalette(palette);
    setFont(ToQFont(form.font));

    // Tab order follows the tab index; the first takes the focus at opening.
    std::vector<std::pair<int, QWidget*>> order;
    const ApplicationFontWhile formFont(font());
    for (const auto& control : form.Controls()) {
        QWidget* widget = nullptr;
        views_.push_back(MakeView(*control, this, widget));
        widget->installEventFilter(this);  // access keys work wherever the focus is
        if (control->tabStop) {
            widget->setFocusPolicy(Qt::StrongFocus);
            order.emplace_back(control->tabIndex, widget);
        }
    }
    std::sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1].second, order[i].second);
    if (!order.empty()) order.front().second->setFocus(Qt::OtherFocusReason);
    if (form.oleDropMode == host::OLEDropMode::Manual) fileDrop_ = std::make_unique<FileDrop>(*this, form);
}

FormWindow::~FormWindow() { Detach(); }

void FormWindow::Detach() {
    fileDrop_.reset();
    views_.clear();
    detached_ = true;
}

void FormWindow::PlaceCentred() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    move(area.left() + (area.width() - width()) / 2, area.top() + (area.height() - height()) / 2);
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && RouteAccessKey(static_cast<QKeyEvent*>(event))) return true;
    if (event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<QKeyEvent*>(event);
        lastRelease_ = {key->key(), key->timestamp()};
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    if (!RouteAccessKey(event)) QWidget::keyPressEvent(event);
}

// Alt with a letter or digit goes to the control whose caption marks it.
bool FormWindow::RouteAccessKey(const QKeyEvent* key) {
    if (detached_ || key->modifiers() != Qt::AltModifier) return false;
    const int code = key->key();
    const bool letterOrDigit =
        (code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9);
    const bool repeated =
        key->isAutoRepeat() || (lastRelease_.key == code && lastRelease_.time == key->timestamp());
    // Qt's key codes for letters and digits are the virtual-key codes.
    return letterOrDigit && host::SendAccessKey(form_, static_cast<win32::WPARAM>(code), repeated);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The form decides; when it unloads, the display deletes this window.
    event->ignore();
    if (detached_) return;
    if (form_.Busy()) {
        closeDeferred = true;
        return;
    }
    form_.Unload(host::UnloadMode::FormControlMenu);
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    SyncWindowRect();
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    SyncWindowRect();
}

// The form's window in our layer follows the real one, so dialogs placed
// relative to the owner land where the user sees it.
void FormWindow::SyncWindowRect() {
    if (detached_ || !form_.hWnd()) return;
    const QPoint topLeft = mapToGlobal(QPoint(0, 0));
    win32::MoveWindow(form_.hWnd(), topLeft.x(), topLeft.y(), width(), height(), win32::FALSE);
}

}  // namespace presenter
