// Shows a host::Label as a QLabel: transparent or opaque, auto-sized.
#pragma once

#include <QLabel>

#include "host/Label.h"

namespace presenter {

class LabelView : public host::ControlView {
public:
    LabelView(host::Label& label, QWidget* parent);
    ~LabelView() override;

    QLabel* Widget() const { return widget_; }
    void TextReplaced() override;
    void PropertyChanged() override;
    void RepaintNow() override { widget_->repaint(); }

private:
    host::Label& label_;
    QLabel* widget_;
};

}  // namespace presenter
