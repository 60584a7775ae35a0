#include "presenter/TextBoxView.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <algorithm>
#include <vector>

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

// A screen frame at 60 Hz.
constexpr int kFrameMilliseconds = 16;

// The multi-line boxes alive, for CatchUp.
std::vector<TextBoxView*>& MultiLineViews() {
    static std::vector<TextBoxView*> views;
    return views;
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
        // Program output is no edit to undo; keeping it twice would double the memory.
        multi_->document()->setUndoRedoEnabled(false);
        console_ = std::make_unique<ConsoleAppender>(multi_->document());
        QObject::connect(multi_, &QPlainTextEdit::textChanged, multi_, [this] { UserEdited(); });
        flushSoon_.setSingleShot(true);
        QObject::connect(&flushSoon_, &QTimer::timeout, multi_, [this] { Flush(); });
        MultiLineViews().push_back(this);
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
    std::erase(MultiLineViews(), this);
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
        selStartPending_ = false;
        multi_->clear();
        console_->Reset();
        console_->Append(box_.Text());
        shown_ = box_.Text().size();
        KeepEditsWhole();
    } else {
        single_->setText(FromUtf8(box_.Text()));
        single_->setCursorPosition(0);
    }
    updating_ = false;
}

void TextBoxView::TextAppended(std::string_view) {
    if (multi_) {
        // The chunk is already at the end of the box's text, after shown_.
        if (!flushSoon_.isActive()) flushSoon_.start(0);
        return;
    }
    updating_ = true;
    // Decoded whole: a character may be split between two chunks.
    single_->setText(FromUtf8(box_.Text()));
    updating_ = false;
}

void TextBoxView::SelStartChanged() {
    // The caret goes where the box says once the text it counts is shown.
    if (multi_ && Pending()) {
        selStartPending_ = true;
        return;
    }
    ApplySelStart();
}

void TextBoxView::ApplySelStart() {
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

void TextBoxView::Flush() {
    if (!Pending()) return;
    updating_ = true;
    console_->Append(std::string_view(box_.Text()).substr(shown_));
    shown_ = box_.Text().size();
    updating_ = false;
    KeepEditsWhole();
    if (selStartPending_) {
        selStartPending_ = false;
        ApplySelStart();
    }
    // While the program is busy the loop does not run: what the edit posted
    // to the box is delivered now, or the queue would grow with the output.
    QCoreApplication::sendPostedEvents(multi_, 0);
}

// An edit in a box that shows only part of its text would replace the whole
// text with that part: such a box can be read and copied, not edited.
void TextBoxView::KeepEditsWhole() { multi_->setReadOnly(!console_->ShowsAll()); }

int TextBoxView::MillisecondsUntilFrame() const {
    if (!sincePaint_.isValid()) return 0;
    return std::max<int>(0, kFrameMilliseconds - static_cast<int>(sincePaint_.elapsed()));
}

// Only this box is painted: the program is busy and the loop is not running.
void TextBoxView::Paint() {
    Flush();
    multi_->viewport()->repaint();
    multi_->verticalScrollBar()->repaint();
    sincePaint_.start();
}

void TextBoxView::RepaintNow() {
    if (!multi_) {
        single_->repaint();
        return;
    }
    // At most one paint a frame; what waits is shown by CatchUp or the loop.
    if (MillisecondsUntilFrame() == 0) Paint();
}

void TextBoxView::CatchUp(const std::function<bool(int milliseconds)>& waitForData) {
    int due = kFrameMilliseconds;
    bool anything = false;
    for (const TextBoxView* view : MultiLineViews()) {
        if (!view->Pending()) continue;
        anything = true;
        due = std::min(due, view->MillisecondsUntilFrame());
    }
    // More output before the frame is due is shown with it by RepaintNow.
    if (!anything || (due > 0 && waitForData(due))) return;
    for (TextBoxView* view : MultiLineViews()) {
        if (view->Pending()) view->Paint();
    }
}

// What the user types goes into the box's text (and raises Change).
void TextBoxView::UserEdited() {
    if (updating_) return;
    updating_ = true;
    std::string edited = (multi_ ? multi_->toPlainText() : single_->text()).toUtf8().toStdString();
    // Output not shown yet came before the edit and stays at the end; it
    // reaches the document when it is flushed.
    const std::string notShown = multi_ ? box_.Text().substr(shown_) : std::string();
    shown_ = edited.size();
    box_.SetText(edited + notShown);
    updating_ = false;
}

}  // namespace presenter
