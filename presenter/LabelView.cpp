#include "presenter/LabelView.h"

#include "host/Twips.h"
#include "presenter/Look.h"

namespace presenter {

LabelView::LabelView(host::Label& label, QWidget* parent) : label_(label), widget_(new QLabel(parent)) {
    const std::string suffix = label.index >= 0 ? std::to_string(label.index) : "";
    widget_->setObjectName(QString::fromUtf8(label.name + suffix));
    widget_->setTextFormat(Qt::PlainText);
    widget_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget_->setContentsMargins(0, 0, 0, 0);
    widget_->setIndent(0);
    widget_->setGeometry(host::TwipsToPixels(label.left), host::TwipsToPixels(label.top),
                         host::TwipsToPixels(label.width), host::TwipsToPixels(label.height));
    PropertyChanged();
    TextReplaced();
    label_.SetView(this);
}

LabelView::~LabelView() {
    if (label_.View() == this) label_.SetView(nullptr);
}

void LabelView::TextReplaced() {
    widget_->setText(QString::fromUtf8(label_.Caption()));
    if (label_.autoSize) widget_->resize(widget_->sizeHint());
}

void LabelView::PropertyChanged() {
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(label_.foreColor));
    palette.setColor(QPalette::Window, ToQColor(label_.backColor));
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(label_.backStyle == host::BackStyle::Opaque);
    widget_->setFont(ToQFont(label_.font));
    widget_->setToolTip(QString::fromUtf8(label_.toolTipText));
    if (label_.mouseIcon) widget_->setCursor(CursorFromResource(label_.mouseIcon));
    widget_->setVisible(label_.visible);
}

}  // namespace presenter
