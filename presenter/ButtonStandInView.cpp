#include "presenter/ButtonStandInView.h"

#include <QCursor>

#include "host/Twips.h"
#include "platform/user/Input.h"
#include "platform/user/UserExtensions.h"
#include "presenter/Look.h"

namespace presenter {
namespace {

int IconResource(const nlohmann::json& settings) {
    const auto icon = settings.find("Icon");
    if (icon == settings.end() || !icon->is_object() || !icon->contains("resource")) return 0;
    return icon->at("resource").at(1).get<int>();
}

}  // namespace

ButtonStandInView::ButtonStandInView(host::ButtonStandIn& button, QWidget* parent)
    : button_(button), widget_(new QPushButton(parent)) {
    widget_->setObjectName(QString::fromStdString(button.name));
    widget_->setGeometry(host::TwipsToPixels(button.left), host::TwipsToPixels(button.top),
                         host::TwipsToPixels(button.width), host::TwipsToPixels(button.height));
    widget_->setText(QString::fromStdString(button.Caption()));
    widget_->setFont(ToQFont(button.font));
    widget_->setToolTip(QString::fromStdString(button.toolTipText));
    if (const int icon = IconResource(button.settings)) widget_->setIcon(IconFromResource(icon));
    QObject::connect(widget_, &QPushButton::clicked, widget_, [&stand = button_] {
        // Handlers may place dialogs by the pointer: tell the layer where it is.
        const QPoint where = QCursor::pos();
        win32::NotifyPointerMoved({where.x(), where.y()});
        stand.Click.Raise();
    });
    button_.SetView(this);
}

ButtonStandInView::~ButtonStandInView() {
    if (button_.View() == this) button_.SetView(nullptr);
}

}  // namespace presenter
