// The main window on an X server of its own, fed by xdotool as a person's
// keyboard and pointer are: what the X11 event stream itself brings (a held
// key's auto-repeat, the pointer a press keeps) reaches the buttons as it
// should, and a name outside ASCII goes from the real file dialog through
// the boxes to the clipboard and the converter.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <string>

#include "MainWindowFixture.h"
#include "PersonAtX.h"
#include "control/raReruri.h"
#include "host/TextBox.h"
#include "presenter/QtFileDialogs.h"

namespace {

namespace fs = std::filesystem;
using fixture::ReadFile;
using x11_test::Act;
using x11_test::Words;

class X11Input : public window_test::MainWindow {
protected:
    static void SetUpTestSuite() {
        // Without a server every test skips, on the platform that needs none.
        qputenv("QT_QPA_PLATFORM", x11_test::StartOwnDisplay() ? "xcb" : "offscreen");
        MainWindow::SetUpTestSuite();
    }

    void SetUp() override {
        if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs Xvfb and xdotool";
        MainWindow::SetUp();
        Open();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
        // The crossing events of the window's appearance, before the test's own.
        QGuiApplication::sync();
    }

    // Where a control's centre is on the screen, as xdotool's words.
    Words MoveTo(const char* name) const {
        QWidget* widget = Widget<QWidget>(name);
        const QPoint at = widget->mapToGlobal(widget->rect().center());
        return {"mousemove", std::to_string(at.x()), std::to_string(at.y())};
    }
    static Words Then(Words a, const Words& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
};

// Counts the key presses a widget gets: more than one for one press of a
// finger means the server repeated the key.
class PressCounter : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) ++presses;
        return false;
    }
};

TEST_F(X11Input, SpaceHeldOnConvertiRunsTheConverterOnce) {
    const fs::path nrg = work_.path() / "disco.nrg";
    const fs::path iso = MakeImage(nrg);
    dialogs_.Choose(nrg.string());
    // With the real pointer: on X11 its own crossings reach the buttons too.
    Act(Then(MoveTo("cmdOpen"), {"click", "1"}));
    int runs = 0;
    window_->cmdExecute().Click.Connect([&] { ++runs; });
    QWidget* execute = Widget<QWidget>("cmdExecute");
    PressCounter counter;
    execute->installEventFilter(&counter);
    execute->setFocus();
    Act(Words{"keydown", "space", "sleep", "0.6", "keyup", "space"});

    EXPECT_GT(counter.presses, 5) << "the server repeated the held key";
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(ReadFile(nrg.string() + ".iso"), ReadFile(iso));
    EXPECT_TRUE(Prompts().empty()) << "no second run found the boxes emptied";
}

TEST_F(X11Input, APressCarriedOffTheWindowIsReleasedToTheButton) {
    auto& open = window_->cmdOpen();
    int clicks = 0;
    open.Click.Connect([&] { ++clicks; });
    // Pressed on Apri, carried off the whole window, let go there.
    Act(Then(MoveTo("cmdOpen"), {"mousedown", "1", "mousemove", "5", "5", "mouseup", "1"}));

    EXPECT_EQ(open.LastMouseButton(), 1);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(open.MouseInside());
    EXPECT_EQ(open.CurrentState(), control::ButtonState::Normal);
    EXPECT_TRUE(dialogs_.shown.empty());
}

TEST_F(X11Input, ANameChosenAndCopiedAsAPersonWouldIsTheNameOnDisk) {
    const fs::path nrg = work_.path() / "Immagini \xC3\xA8 pi\xC3\xB9" / "disco per\xC3\xB2.nrg";
    fs::create_directories(nrg.parent_path());
    const fs::path iso = MakeImage(nrg);
    presenter::QtFileDialogs realDialogs;
    win32::SetFileDialogProvider(&realDialogs);
    const Words click{"click", "1"}, copyAll{"click", "1", "key", "ctrl+a", "key", "ctrl+c"};
    // Apri, then in the dialog the folder and the file, as the pointer finds them.
    const Words open = Then(MoveTo("cmdOpen"), click);
    Act({[open] { return std::optional<Words>(open); },
         x11_test::DoubleClickInFileDialog(nrg.parent_path().filename().string()),
         x11_test::DoubleClickInFileDialog(nrg.filename().string())});
    Act(Then(MoveTo("txtCommand"), copyAll));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), nrg.string());
    Act(Then(MoveTo("txtOutput"), copyAll));
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), nrg.string() + ".iso");
    Act(Then(MoveTo("cmdExecute"), click));
    win32::SetFileDialogProvider(&dialogs_);

    EXPECT_EQ(ReadFile(nrg.string() + ".iso"), ReadFile(iso));
    const std::string shown = Widget<QPlainTextEdit>("txtOutputs")->toPlainText().toStdString();
    EXPECT_NE(shown.find("disco per\xC3\xB2.nrg.iso written"), std::string::npos) << shown;
    EXPECT_TRUE(Prompts().empty());
}

}  // namespace
