// The on-screen boxes, answered the way a user answers them: Enter takes the
// default button, Escape says No, a click takes the button clicked.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "host/MsgBox.h"
#include "presenter/QtMessageBoxes.h"

namespace {

// Shows a box and, once it is up, does `act` to it.
int Answer(int buttons, std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] { act(qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); });
    presenter::QtMessageBoxes boxes;
    return boxes.Show("Il file a.iso esiste gi\xC3\xA0. Sovrascriverlo?", buttons, "Corvalmire");
}

TEST(QtMessageBoxes, QuestionsAnswerYesOrNo) {
    int argc = 1;
    char name[] = "presenter_message_box_test";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    const int question = host::vbYesNo | host::vbQuestion | host::vbDefaultButton2;
    const auto press = [](Qt::Key key) { return [key](QMessageBox* box) { QTest::keyClick(box, key); }; };
    EXPECT_EQ(Answer(question, press(Qt::Key_Return)), host::vbNo);
    EXPECT_EQ(Answer(host::vbYesNo | host::vbQuestion, press(Qt::Key_Return)), host::vbYes);
    EXPECT_EQ(Answer(host::vbYesNo, press(Qt::Key_Escape)), host::vbNo);
    EXPECT_EQ(Answer(question, [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }),
              host::vbYes);
    EXPECT_EQ(Answer(host::vbOKOnly, press(Qt::Key_Return)), host::vbOK);
    // The text is UTF-8, shown as such, and the icon is the question mark.
    EXPECT_EQ(Answer(question,
                     [](QMessageBox* box) {
                         EXPECT_EQ(box->text(),
                                   QString::fromUtf8("Il file a.iso esiste gi\xC3\xA0. Sovrascriverlo?"));
                         EXPECT_EQ(box->icon(), QMessageBox::Question);
                         EXPECT_EQ(box->windowTitle(), "Corvalmire");
                         box->reject();
                     }),
              host::vbNo);
}

}  // namespace
