#include "presenter/TextBoxView.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>

#include "host/Twips.h"
#include "presenter/Look.h"

namespace presenter {
namespace {

// The box's text is UTF-8. A file name that is not valid UTF-8 is kept in
// the box byte for byte; only what is shown of it has replacement characters.
QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool Has(host::ScrollBars bars, host::ScrollBars which) {
    return bars == which || bars == host::ScrollBars::Both;
}

}  // namespace

TextBoxView::TextBoxView(host::TextBox& box, QWidget* parent) : box_(box) {
    if (box.multiLine) {
        multi_ = new QPlainTextEdit(parent);
        const bool horizontal = Has(box.scrollBars, host::ScrollBars::Horizontal);
        multi_->setVerticalScrollBarPolicy(
            Has(box.scrollBars, host::ScrollBars::Vertical) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        multi_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        // Without a horizontal scroll bar long lines wrap, as in the platform's box.
        multi_->setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        console_ = std::make_unique<ConsoleAppender>(multi_->document());
        QObject::connect(multi_, &QPlainTextEdit::textChanged, multi_, [this] { UserEdited(); });
    } else {
        single_ = new QLineEdit(parent);
        QObject::connect(single_, &QLineEdit::textEdited, single_, [this] { UserEdited(); });
    }
    Widget()->setObjectName(QString::fromUtf8(box.name));
    Widget()->setGeometry(host::TwipsToPixels(box.left), host::TwipsToPixels(box.top),
                          host::TwipsToPixels(box.width), host::TwipsToPixels(box.height));
    ApplyLook();
    TextReplaced();
    box_.SetView(this);
}

TextBoxView::~TextBoxView() {
    if (box_.View() == this) box_.SetView(nullptr);
}

QWidget* TextBoxView::Widget() const { return multi_ ? static_cast<QWidget*>(multi_) : single_; }

void TextBoxView::ApplyLook() {
    QPalette palette = Widget()->palette();
    palette.setColor(QPalette::Base, ToQColor(box_.backColor));
    palette.setColor(QPalette::Text, ToQColor(box_.foreColor));
    Widget()->setPalette(palette);
    Widget()->setFont(ToQFont(box_.font));
    Widget()->setToolTip(QString::fromUtf8(box_.toolTipText));
}

void TextBoxView::TextReplaced() {
    if (updating_) return;  // the user's own edit coming back
    updating_ = true;
    if (multi_) {
        multi_->clear();
        console_->Reset();
        console_->Append(box_.Text());
    } else {
        single_->setText(FromUtf8(box_.Text()));
        single_->setCursorPosition(0);
    }
    updating_ = false;
}

void TextBoxView::TextAppended(std::string_view chunk) {
    updating_ = true;
    if (multi_) {
        console_->Append(chunk);
    } else {
        // Decoded whole: a character may be split between two chunks.
        single_->setText(FromUtf8(box_.Text()));
    }
    updating_ = false;
}

void TextBoxView::SelStartChanged() {
    const bool atEnd = box_.SelStart() >= box_.Text().size();
    if (multi_) {
        QTextCursor cursor = multi_->textCursor();
        if (atEnd) {
            cursor.movePosition(QTextCursor::End);
        } else {
            const int last = multi_->document()->characterCount() - 1;
            cursor.setPosition(std::min(static_cast<int>(box_.SelStart()), last));
        }
        multi_->setTextCursor(cursor);
        multi_->ensureCursorVisible();
    } else {
        // The box counts bytes, the widget characters.
        const QString before = FromUtf8(std::string_view(box_.Text()).substr(0, box_.SelStart()));
        single_->setCursorPosition(static_cast<int>(atEnd ? single_->text().size() : before.size()));
    }
}

void TextBoxView::RepaintNow() {
    // Only this box is painted: the program is busy and the loop is not running.
    if (multi_) {
        multi_->viewport()->repaint();
        multi_->verticalScrollBar()->repaint();
    } else {
        single_->repaint();
    }
}

// What the user types goes into the box's text (and raises Change).
void TextBoxView::UserEdited() {
    if (updating_) return;
    updating_ = true;
    box_.SetText((multi_ ? multi_->toPlainText() : single_->text()).toUtf8().toStdString());
    updating_ = false;
}

}  // namespace presenter
