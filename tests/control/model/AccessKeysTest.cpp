// Access keys: a caption's '&' marks the key, and Alt with it clicks the
// button wherever the focus is on the form (Qt's offscreen platform).
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "control/raReruri.h"
#include "host/AccessKeys.h"
#include "host/Form.h"
#include "host/FormDescription.h"
#include "presenter/FormWindow.h"
#include "presenter/QtPresenter.h"

namespace control {
namespace {

TEST(AccessKeysFromCaption, TheCharacterAfterASingleAmpersand) {
    const struct {
        const char* caption;
        const char* keys;
        const char* why;
    } rows[] = {
        {"&Apri", "A", "the first letter"},
        {"Con&verti", "V", "a letter inside, in upper case"},
        {"Salva && &Esci", "E", "\"&&\" is a literal '&'"},
        {"A&&B", "", "only a literal '&'"},
        {"Esci&", "", "a '&' at the end marks nothing"},
        {"&1 disco", "1", "a digit"},
        {"&\xC3\xA0 dopo", "", "no virtual key names a letter outside ASCII"},
        {"&A &B", "A", "the first mark counts"},
        {"Esci", "", "no mark"},
    };
    for (const auto& row : rows) EXPECT_EQ(host::AccessKeysFromCaption(row.caption), row.keys) << row.why;
}

class AccessKeysOnAForm : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "control_window_test";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance()) new QApplication(argc, argv);  // never destroyed, as QTest needs
        raReruri::RegisterFormKind();
    }

    void SetUp() override {
        host::LoadFormDescription(form_, R"({
          "form": {"name": "frmKeys", "caption": "Keys", "clientSize": [3000, 1500]},
          "controls": [
            {"kind": "TextBox", "name": "txtName", "rect": [100, 100, 1500, 285], "tabIndex": 0},
            {"kind": "raReruri", "name": "cmdOpen", "rect": [100, 500, 1200, 400], "tabIndex": 1,
             "settings": {"Style": 5, "Caption": "&Apri"}},
            {"kind": "raReruri", "name": "cmdExit", "rect": [1400, 500, 1200, 400], "tabIndex": 2,
             "settings": {"Style": 5, "Caption": "Salva && &Esci"}}]})");
        raReruri::OnForm(form_, "cmdOpen").Click.Connect([this] { clicks_ += "O"; });
        raReruri::OnForm(form_, "cmdExit").Click.Connect([this] { clicks_ += "X"; });
        form_.Show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        form_.Unload();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget* Widget(const char* name) const { return presenter_.WindowOf(form_)->findChild<QWidget*>(name); }
    static void AltKey(QWidget* focused, Qt::Key key, bool repeated = false,
                       QEvent::Type type = QEvent::KeyPress, quint64 time = 0) {
        QKeyEvent event(type, key, Qt::AltModifier, QString(QChar(key).toLower()), repeated);
        event.setTimestamp(time);
        QApplication::sendEvent(focused, &event);
    }

    presenter::QtPresenter presenter_;
    host::Form form_;
    std::string clicks_;
};

TEST_F(AccessKeysOnAForm, AltWithTheMarkedLetterClicksItsButtonFromAnywhere) {
    QWidget* text = Widget("txtName");
    ASSERT_NE(text, nullptr);
    text->setFocus();
    AltKey(text, Qt::Key_A);
    AltKey(text, Qt::Key_E);
    EXPECT_EQ(static_cast<QLineEdit*>(text)->text().toStdString(), "") << "a used key is not typed too";
    AltKey(text, Qt::Key_S);               // not marked: "Salva" marks nothing
    AltKey(Widget("cmdExit"), Qt::Key_A);  // from the other button
    EXPECT_EQ(clicks_, "OXO");
    EXPECT_EQ(raReruri::OnForm(form_, "cmdOpen").LastMouseButton(), 1);
}

TEST_F(AccessKeysOnAForm, FollowTheCaptionAndClickOncePerPressOfAnEnabledButton) {
    QWidget* text = Widget("txtName");
    text->setFocus();
    AltKey(text, Qt::Key_A, false, QEvent::KeyPress, 100);
    AltKey(text, Qt::Key_A, true);  // held down: the platform's repeats
    AltKey(text, Qt::Key_A, true);
    // A repeat under X11 that Qt took for a release and a new press: both
    // come at one instant.
    AltKey(text, Qt::Key_A, false, QEvent::KeyRelease, 200);
    AltKey(text, Qt::Key_A, false, QEvent::KeyPress, 200);
    EXPECT_EQ(clicks_, "O");
    raReruri& exit = raReruri::OnForm(form_, "cmdExit");
    exit.SetCaption("&Chiudi");
    AltKey(text, Qt::Key_E);
    AltKey(text, Qt::Key_C);
    EXPECT_EQ(clicks_, "OX");
    exit.SetEnabled(false);
    AltKey(text, Qt::Key_C);
    EXPECT_EQ(clicks_, "OX");
}

}  // namespace
}  // namespace control
