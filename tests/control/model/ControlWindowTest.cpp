// The control's window on screen (Qt's offscreen platform): the surface as
// painted, the window region, the pointer and the container's tooltip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QTest>
#include <QToolTip>
#include <set>
#include <utility>
#include <vector>

#include "control/raReruri.h"
#include "host/PropertyBag.h"
#include "host/UserControlHost.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/WindowProcThunk.h"
#include "presenter/ControlWindow.h"

namespace control {
namespace {

using namespace win32;

class ControlWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "control_window_test";
        static char* argv[] = {name, nullptr};
        // Never destroyed: at exit Qt's own globals are already gone.
        if (!QCoreApplication::instance()) new QApplication(argc, argv);
    }

    void SetUp() override {
        ClearMessageQueue();
        host::PropertyBag bag;
        bag.WriteProperty("Style", host::PropertyValue::Long(5));
        bag.WriteProperty("Caption", host::PropertyValue::String(""));
        bag.WriteProperty("ToolTipText", host::PropertyValue::String("Chiudi il programma"));
        host::ControlSite site;
        site.name = "cmdExit";
        site.width = 60 * 15;
        site.height = 20 * 15;
        site.toolTipText = "Chiudi il programma";
        auto control = raReruri::Create(site);
        control->Load(bag);
        button_ = control.get();
        hosted_ = std::make_unique<host::UserControlHost>(
            "raReruri", host::UserControlInstance{control, &control->UserControl()});
        hosted_->name = "cmdExit";
        hosted_->width = 60 * 15;
        hosted_->height = 20 * 15;
        parent_ = std::make_unique<QWidget>();
        parent_->resize(100, 40);
        view_ = std::make_unique<presenter::ControlWindow>(*hosted_, parent_.get());
        parent_->show();
        QCoreApplication::processEvents();
    }

    void TearDown() override {
        view_.reset();
        parent_.reset();
        hosted_.reset();
        QCoreApplication::processEvents();
        ClearMessageQueue();
    }

    // What the form shows at a point of the button (placed at the form's top-left).
    QRgb Shown(int x, int y) const { return parent_->grab().toImage().pixel(x, y) & 0xFFFFFF; }
    QRgb Surface(int x, int y) const {
        const COLORREF c = GetPixel(button_->UserControl().hDC(), x, y);
        return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)) & 0xFFFFFF;
    }

    // What Qt sends a widget when the real pointer leaves it; the leave
    // message it causes is posted, and the loop runs it.
    void LeaveButton() const {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(view_->Widget(), &leave);
        PumpPendingMessages();
    }

    raReruri* button_ = nullptr;
    std::unique_ptr<host::UserControlHost> hosted_;
    std::unique_ptr<QWidget> parent_;
    std::unique_ptr<presenter::ControlWindow> view_;
};

TEST_F(ControlWindowTest, ShowsTheSurfaceAsPainted) {
    ASSERT_TRUE(button_->IsShown());
    EXPECT_EQ(view_->Widget()->size(), QSize(60, 20));
    SetWindowRgn(button_->UserControl().hWnd(), nullptr, TRUE);
    view_->Widget()->repaint();
    const std::vector<QPoint> points = {{0, 0}, {59, 19}, {30, 1}, {30, 10}, {30, 18}, {3, 10}};
    std::set<QRgb> colours;
    for (QPoint p : points) {
        SCOPED_TRACE(p.x() * 100 + p.y());
        EXPECT_EQ(Shown(p.x(), p.y()), Surface(p.x(), p.y()));
        colours.insert(Surface(p.x(), p.y()));
    }
    EXPECT_GT(colours.size(), 2u) << "the comparison saw a painted face, not a plain fill";
}

TEST_F(ControlWindowTest, PaintingIsClippedToTheWindowRegion) {
    const QRgb background = parent_->palette().color(QPalette::Window).rgb() & 0xFFFFFF;
    SetWindowRgn(button_->UserControl().hWnd(), CreateRectRgn(0, 0, 30, 20), TRUE);
    view_->Widget()->repaint();
    EXPECT_EQ(Shown(0, 0), Surface(0, 0));
    EXPECT_EQ(Shown(29, 10), Surface(29, 10));
    EXPECT_EQ(Shown(45, 10), background);
    SetWindowRgn(button_->UserControl().hWnd(), nullptr, TRUE);
}

TEST_F(ControlWindowTest, PointerClicksAndLeavesThroughTheRealMessages) {
    // Start with the pointer off the button (the form may have opened under it).
    LeaveButton();
    ASSERT_FALSE(button_->MouseInside());
    int clicks = 0, enters = 0, leaves = 0;
    button_->Click.Connect([&] { ++clicks; });
    button_->MouseEnter.Connect([&] { ++enters; });
    button_->MouseLeave.Connect([&] { ++leaves; });
    QWidget* widget = view_->Widget();
    QTest::mouseMove(widget, QPoint(10, 10));
    EXPECT_EQ(button_->CurrentState(), ButtonState::Hot);
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(button_->CurrentState(), ButtonState::Pressed);
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(enters, 1);
    LeaveButton();
    EXPECT_EQ(leaves, 1);
    EXPECT_EQ(button_->CurrentState(), ButtonState::Normal);
}

TEST_F(ControlWindowTest, ThePointerOutsideTheWindowRegionIsOverTheFormBehind) {
    LeaveButton();
    SetWindowRgn(button_->UserControl().hWnd(), CreateRectRgn(0, 0, 30, 20), TRUE);
    int clicks = 0, enters = 0;
    button_->Click.Connect([&] { ++clicks; });
    button_->MouseEnter.Connect([&] { ++enters; });
    QWidget* widget = view_->Widget();
    QTest::mouseMove(widget, QPoint(45, 10));
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(45, 10));
    EXPECT_EQ(enters, 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(button_->CurrentState(), ButtonState::Normal);
    QTest::mouseMove(widget, QPoint(10, 10));
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(clicks, 1);
    SetWindowRgn(button_->UserControl().hWnd(), nullptr, TRUE);
}

TEST_F(ControlWindowTest, SpaceHeldDownClicksOnceWhenLetGo) {
    int clicks = 0, pressedKeyDowns = 0;
    button_->Click.Connect([&] { ++clicks; });
    QWidget* widget = view_->Widget();
    const auto send = [&](QEvent::Type type, bool repeat) {
        QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, " ", repeat);
        QApplication::sendEvent(widget, &key);
    };
    send(QEvent::KeyPress, false);
    // What Qt delivers while the key is held: release and press pairs.
    for (int i = 0; i < 20; ++i) {
        send(QEvent::KeyRelease, true);
        send(QEvent::KeyPress, true);
        if (button_->CurrentState() == ButtonState::Pressed) ++pressedKeyDowns;
    }
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(pressedKeyDowns, 20) << "each repeated key-down reaches the control";
    send(QEvent::KeyRelease, false);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button_->CurrentState(), ButtonState::Normal);
}

LONG controlProc = 0;
std::vector<std::pair<UINT, LPARAM>> keyMessages;

LRESULT RecordKeys(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_KEYDOWN || msg == WM_KEYUP) keyMessages.emplace_back(msg, lParam);
    return CallWindowProcA(LongToWindowProc(controlProc), hwnd, msg, wParam, lParam);
}

// Repeat count 1; bit 30 when the key was already down (a repeat, every
// release); bit 31 for a release.
TEST_F(ControlWindowTest, KeyMessagesCarryThePreviousKeyState) {
    const HWND hwnd = button_->UserControl().hWnd();
    controlProc = SetWindowLongA(hwnd, GWL_WNDPROC, WindowProcToLong(RecordKeys));
    keyMessages.clear();
    for (const auto& [type, repeat] : {std::pair{QEvent::KeyPress, false}, std::pair{QEvent::KeyPress, true},
                                       std::pair{QEvent::KeyRelease, false}}) {
        QKeyEvent key(type, Qt::Key_Space, Qt::NoModifier, " ", repeat);
        QApplication::sendEvent(view_->Widget(), &key);
    }
    SetWindowLongA(hwnd, GWL_WNDPROC, controlProc);
    const std::vector<std::pair<UINT, LPARAM>> expected = {
        {WM_KEYDOWN, 1}, {WM_KEYDOWN, 0x40000001}, {WM_KEYUP, 0xC0000001}};
    EXPECT_EQ(keyMessages, expected);
}

TEST_F(ControlWindowTest, APressDraggedOffTheButtonIsReleasedToIt) {
    LeaveButton();
    int clicks = 0, leaves = 0;
    button_->Click.Connect([&] { ++clicks; });
    button_->MouseLeave.Connect([&] { ++leaves; });
    QWidget* widget = view_->Widget();
    // Away from where earlier tests clicked, so that this is no double click.
    QTest::mouseMove(widget, QPoint(40, 12));
    QTest::mousePress(widget, Qt::LeftButton, Qt::NoModifier, QPoint(40, 12));
    // Qt sends the release to the pressed widget, here far off it.
    QTest::mouseMove(widget, QPoint(90, 35));
    QTest::mouseRelease(widget, Qt::LeftButton, Qt::NoModifier, QPoint(90, 35));
    PumpPendingMessages();
    EXPECT_EQ(button_->LastMouseButton(), 1);
    EXPECT_EQ(clicks, 0);
    // Once as the pointer went, once more for the tracking the release asks
    // for with the pointer already outside.
    EXPECT_EQ(leaves, 2);
    EXPECT_FALSE(button_->MouseInside());
    EXPECT_EQ(button_->CurrentState(), ButtonState::Normal);
}

TEST_F(ControlWindowTest, ThePointerShapeFollowsMousePointer) {
    EXPECT_EQ(view_->Widget()->cursor().shape(), Qt::ArrowCursor);
    button_->SetMousePointer(11);  // hourglass
    EXPECT_EQ(view_->Widget()->cursor().shape(), Qt::WaitCursor);
}

TEST_F(ControlWindowTest, TheContainersTooltipComesFromTheExtender) {
    QWidget* widget = view_->Widget();
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
    LeaveButton();
    QApplication::sendEvent(widget, &help);
    EXPECT_EQ(QToolTip::text(), "Chiudi il programma");
    button_->UserControl().Extender().SetToolTipText("altro");
    QApplication::sendEvent(widget, &help);
    EXPECT_EQ(QToolTip::text(), "altro");
    // With the pointer on the button its own tooltip stands in for the container's.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(widget, &enter);
    EXPECT_EQ(button_->UserControl().Extender().ToolTipText(), "");
    EXPECT_NE(button_->TooltipWindow(), nullptr);
    QToolTip::hideText();
}

}  // namespace
}  // namespace control
