// A child that prints a flood of output through the window, offscreen: every
// byte reaches the box's text, and Qt's queue of posted events stays bounded
// at every chunk (a growing queue made each post cost the queue's length).
#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QWindow>
#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>

#include "FloodText.h"
#include "app/frmDOSOutput.h"
#include "host/TextBox.h"
#include "platform/kernel/KernelExtensions.h"
#include "presenter/FormWindow.h"
#include "presenter/QtPresenter.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
constexpr bool kSanitized = __has_feature(address_sanitizer);
#else
constexpr bool kSanitized = false;
#endif
// 100 MB; a sanitized debug build runs a sixth of it in the same time.
constexpr std::size_t kFloodBytes = kSanitized ? 16'000'000 : 100'000'000;
// What the click on Converti leaves queued for the buttons and windows
// (about ten), and what a few repaints of the box add while it runs. The
// queue once grew by events for every chunk.
constexpr int kMostPendingEvents = 16;
constexpr int kMostPendingAdded = 4;

// Qt counts, for each object, the events posted to it and not yet
// delivered; the count is reachable through a subclass only.
class PostedEvents : public QObject {
public:
    static int To(const QObject& object) {
        return (object.*&PostedEvents::d_ptr)->postedEvents.loadRelaxed();
    }

    // Every object of the application: its windows, widgets and their children.
    static int Pending(const QObject& presenter) {
        int pending = To(*qApp) + To(presenter);
        auto tree = [&pending](const QObject& root) {
            pending += To(root);
            for (const QObject* child : root.findChildren<QObject*>()) pending += To(*child);
        };
        for (const QWidget* widget : QApplication::topLevelWidgets()) tree(*widget);
        for (const QWindow* window : QGuiApplication::allWindows()) tree(*window);
        return pending;
    }
};

TEST(Flood, EveryByteReachesTheBoxAndQueuedEventsStayBounded) {
    static int argc = 1;
    static char name[] = "app_flood_test";
    static char* argv[] = {name, nullptr};
    static QApplication* qt = new QApplication(argc, argv);  // never destroyed, as in the window tests
    (void)qt;
    presenter::QtPresenter presenter;
    auto window = std::make_unique<app::frmDOSOutput>();
    window->Show();
    QCoreApplication::processEvents();

    window->txtCommand().SetText("flood");
    const std::filesystem::path tests = std::filesystem::path(win32::ApplicationFolder()).parent_path();
    window->txtComando().SetText((tests / "childprog").string() + " flood " + std::to_string(kFloodBytes));
    std::size_t chunks = 0;
    int firstPending = 0, mostPending = 0;
    window->objDOS()->ReceiveOutputs.Connect([&](const std::string&) {
        const int pending = PostedEvents::Pending(presenter);
        if (++chunks == 1) firstPending = pending;
        mostPending = std::max(mostPending, pending);
    });
    QWidget* execute = presenter.WindowOf(window->Form())->findChild<QWidget*>("cmdExecute");
    QTest::mouseMove(execute, execute->rect().center());
    QTest::mouseClick(execute, Qt::LeftButton, Qt::NoModifier, execute->rect().center());

    const std::string& text = window->txtOutputs().Text();
    ASSERT_EQ(text.size(), kFloodBytes);
    std::size_t wrong = 0;
    for (std::size_t i = 0; i < text.size(); ++i) wrong += text[i] != flood::ByteAt(i);
    EXPECT_EQ(wrong, 0u);
    EXPECT_GE(chunks, kFloodBytes / 256);
    EXPECT_LE(mostPending, kMostPendingEvents);
    EXPECT_LE(mostPending - firstPending, kMostPendingAdded);
    // The box shows the end of the flood, its last line complete.
    auto* box = presenter.WindowOf(window->Form())->findChild<QPlainTextEdit*>("txtOutputs");
    const QString shown = box->toPlainText();
    const std::size_t lastLine = kFloodBytes - flood::kLineLength;
    EXPECT_TRUE(shown.endsWith(QString::fromStdString(text.substr(lastLine))));

    window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
