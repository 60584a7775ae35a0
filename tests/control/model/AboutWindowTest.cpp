// The About box on screen (Qt's offscreen platform): a decorated top-level
// window that stays on top, shows the box as painted and hides on a click.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "control/raReruri.h"
#include "control/raReruriAboutBox.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "presenter/QtPresenter.h"

namespace control {
namespace {

using namespace win32;

class AboutWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "about_window_test";
        static char* argv[] = {name, nullptr};
        // Never destroyed: at exit Qt's own globals are already gone.
        if (!qApp) new QApplication(argc, argv);
    }
    void SetUp() override {
        ClearMessageQueue();
        presenter_ = std::make_unique<presenter::QtPresenter>();
        host::ControlSite site;
        site.name = "cmdAbout";
        control_ = raReruri::Create(site);
        control_->InitNew();
    }
    void TearDown() override {
        control_.reset();
        QCoreApplication::processEvents();
        presenter_.reset();
        ClearMessageQueue();
    }
    HWND Box() const { return control_->AboutBox().hWnd(); }
    presenter::FloatingWindow* Shown() const { return presenter_->FloatingWindowOf(Box()); }

    std::unique_ptr<presenter::QtPresenter> presenter_;
    std::shared_ptr<raReruri> control_;
};

TEST_F(AboutWindowTest, AboutShowsADecoratedWindowOnTopThatAClickHides) {
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(), nullptr) << "a hidden child has no window of its own";
    control_->About();
    QCoreApplication::processEvents();
    presenter::FloatingWindow* window = Shown();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "About raReruri 3.7.0");
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowTitleHint);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & Qt::WindowCloseButtonHint) << "no system menu, so no boxes";
    EXPECT_EQ(window->size(), QSize(about::kBoxWidth, about::kBoxHeight));
    // What the window shows is the box's surface, as painted.
    const QImage shown = window->grab().toImage();
    for (const QPoint p : {QPoint(5, 5), QPoint(295, 81), QPoint(292, 80), QPoint(30, 25)}) {
        const COLORREF c = GetPixel(control_->AboutBox().hDC(), p.x(), p.y());
        EXPECT_EQ(shown.pixel(p) & 0xFFFFFF, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)) & 0xFFFFFF)
            << p.x() << "," << p.y();
    }

    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(325, 93));
    QCoreApplication::processEvents();
    EXPECT_FALSE(control_->AboutBox().Visible());
    EXPECT_FALSE(window->isVisible());

    control_->About();
    QCoreApplication::processEvents();
    EXPECT_EQ(Shown(), window) << "the same window comes back";
    EXPECT_TRUE(window->isVisible());
    window->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(control_->AboutBox().Visible()) << "closing it hides the box";
}

// Only a full caption (border and dialog frame) gives a title bar.
TEST_F(AboutWindowTest, ATitleBarNeedsTheWholeCaption) {
    control_->About();
    const DWORD style = static_cast<DWORD>(GetWindowLongA(Box(), GWL_STYLE));
    const struct {
        DWORD style;
        bool title;
    } rows[] = {{style & ~WS_DLGFRAME, false}, {style & ~WS_CAPTION, false}, {style | WS_CAPTION, true}};
    for (const auto& row : rows) {
        SetWindowLongA(Box(), GWL_STYLE, static_cast<LONG>(row.style));
        SetWindowPos(Box(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        QCoreApplication::processEvents();
        ASSERT_NE(Shown(), nullptr);
        EXPECT_EQ(bool(Shown()->windowFlags() & Qt::WindowTitleHint), row.title) << std::hex << row.style;
        EXPECT_EQ(bool(Shown()->windowFlags() & Qt::FramelessWindowHint), !row.title)
            << std::hex << row.style;
    }
}

TEST_F(AboutWindowTest, TheWindowGoesWithTheControl) {
    control_->About();
    QCoreApplication::processEvents();
    ASSERT_NE(Shown(), nullptr);
    const HWND box = Box();
    control_.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(presenter_->FloatingWindowOf(box), nullptr);
}

}  // namespace
}  // namespace control
