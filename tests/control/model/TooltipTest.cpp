// The button's tooltip: what the control sends its tooltip window, with the
// parameters, and the container's tooltip text before, during and after,
// for enter, leave, hide, disabled and the ToolTipText setter. Driven by the
// real window messages and leave tracking, as in the input tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "control/raReruri.h"
#include "host/App.h"
#include "host/PropertyBag.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiExtensions.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"
#include "platform/user/WindowSubclass.h"

namespace control {
namespace {

using namespace win32;

constexpr POINT kInside{10, 10};
constexpr POINT kOutside{500, 500};

std::string Hex(DWORD value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", value);
    return text;
}

// Every tooltip window is wrapped, before its first message, by a procedure
// that writes down the messages a control sends it.
class TooltipRecorder : public WindowPresenter {
public:
    TooltipRecorder() { SetWindowPresenter(this); }
    ~TooltipRecorder() override {
        SetWindowPresenter(nullptr);
        for (WNDPROC thunk : thunks_) FreeWindowProcThunk(thunk);
    }
    void WindowCreated(HWND hwnd) override {
        char name[32] = {};
        GetClassNameA(hwnd, name, sizeof name);
        if (std::string(name) != TOOLTIPS_CLASSA) return;
        const LONG original = GetWindowLongA(hwnd, GWL_WNDPROC);
        const WNDPROC thunk = AllocWindowProcThunk([this, original](HWND h, UINT m, WPARAM w, LPARAM l) {
            Record(h, m, w, l);
            return CallWindowProcA(LongToWindowProc(original), h, m, w, l);
        });
        thunks_.push_back(thunk);
        SetWindowLongA(hwnd, GWL_WNDPROC, WindowProcToLong(thunk));
    }

    HWND button = nullptr;
    std::vector<std::string> log;

private:
    std::string Owner(HWND hwnd) const { return hwnd == button ? "button" : "other"; }
    std::string Tool(const TOOLINFOA& t) const {
        return "size=" + std::to_string(t.cbSize) + " flags=" + Hex(t.uFlags) + " owner=" + Owner(t.hwnd) +
               " id=" + std::to_string(t.uId);
    }
    void Record(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
        const auto* tool = reinterpret_cast<const TOOLINFOA*>(lParam);
        switch (msg) {
            case WM_NCCREATE: {
                const auto& cs = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
                log.push_back("create style=" + Hex(static_cast<DWORD>(cs.style)) +
                              " owner=" + Owner(cs.hwndParent) +
                              (cs.hInstance == host::App().hInstance() ? " instance=app" : " instance=?"));
                break;
            }
            case TTM_ADDTOOLA: {
                const RECT& r = tool->rect;
                log.push_back("TTM_ADDTOOLA " + Tool(*tool) + " rect=" + std::to_string(r.left) + "," +
                              std::to_string(r.top) + "," + std::to_string(r.right) + "," +
                              std::to_string(r.bottom) +
                              (tool->hinst == host::App().hInstance() ? " instance=app" : " instance=?") +
                              " text=" + tool->lpszText);
                break;
            }
            case TTM_DELTOOLA: log.push_back("TTM_DELTOOLA " + Tool(*tool)); break;
            case TTM_SETTITLEA:
                log.push_back("TTM_SETTITLEA icon=" + std::to_string(wParam) +
                              " title=" + reinterpret_cast<const char*>(lParam));
                break;
            case TTM_SETTIPTEXTCOLOR:
                log.push_back("TTM_SETTIPTEXTCOLOR " + Hex(static_cast<DWORD>(wParam)));
                break;
            case TTM_SETTIPBKCOLOR:
                log.push_back("TTM_SETTIPBKCOLOR " + Hex(static_cast<DWORD>(wParam)));
                break;
            case WM_DESTROY: log.push_back("destroy"); break;
            default: break;
        }
    }

    std::vector<WNDPROC> thunks_;
};

// A shown, running 107 x 27 button at the screen's top-left, loaded from a bag.
struct Button {
    explicit Button(const host::PropertyBag& bag) {
        host::ControlSite site;
        site.name = "cmdTest";
        site.width = 107 * 15;
        site.height = 27 * 15;
        control = raReruri::Create(site);
        control->Load(bag);
        ShowWindow(hwnd(), SW_SHOW);
    }
    HWND hwnd() const { return control->UserControl().hWnd(); }
    std::string ContainerText() const { return control->UserControl().Extender().ToolTipText(); }

    std::shared_ptr<raReruri> control;
};

using Step = std::function<void(Button&)>;
const Step Enter = [](Button& b) {
    NotifyPointerMoved(kInside);
    SendMessageA(b.hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(kInside.x, kInside.y));
};
const Step Leave = [](Button&) {
    NotifyPointerMoved(kOutside);
    PumpPendingMessages();
};
const Step Hide = [](Button& b) { ShowWindow(b.hwnd(), SW_HIDE); };
const Step Disable = [](Button& b) { b.control->SetEnabled(false); };
Step SetText(const char* text) {
    return [text](Button& b) { b.control->SetToolTipText(text); };
}

host::PropertyBag Bag(std::initializer_list<std::pair<const char*, host::PropertyValue>> entries) {
    host::PropertyBag bag;
    bag.WriteProperty("ToolTipText", host::PropertyValue::String("Esci"));
    bag.WriteProperty("ttForeColor", host::PropertyValue::Long(0));
    bag.WriteProperty("ttBackColor", host::PropertyValue::Long(0));
    for (const auto& [key, value] : entries) bag.WriteProperty(key, value);
    return bag;
}

class ControlTooltipTest : public ::testing::Test {
protected:
    void SetUp() override {
        ClearMessageQueue();
        NotifyPointerMoved(kOutside);
    }
    void TearDown() override { ClearMessageQueue(); }
};

const char* const kCreateBalloon = "create style=0x000043 owner=button instance=app";
const char* const kAddEsci =
    "TTM_ADDTOOLA size=44 flags=0x000010 owner=button id=0 rect=0,0,107,27 instance=app text=Esci";
const char* const kDelete = "TTM_DELTOOLA size=44 flags=0x000010 owner=button id=0";

TEST_F(ControlTooltipTest, MessagesAndTheContainersText) {
    struct Row {
        const char* name;
        host::PropertyBag bag;
        std::vector<Step> steps;
        std::vector<std::string> containerAfterEach;
        std::vector<std::string> sent;
    };
    const std::vector<Row> rows = {
        {"a balloon with the information icon",
         Bag({{"ToolTipIcon", host::PropertyValue::Long(1)}}),
         {Enter, Leave},
         {"", "Esci"},
         {kCreateBalloon, kAddEsci, "TTM_SETTITLEA icon=1 title=", kDelete, "destroy"}},
        {"rectangular, with a title",
         Bag({{"ToolTipType", host::PropertyValue::Long(0)},
              {"Tooltiptitle", host::PropertyValue::String("Titolo")}}),
         {Enter, Leave},
         {"", "Esci"},
         {"create style=0x000003 owner=button instance=app", kAddEsci, "TTM_SETTITLEA icon=0 title=Titolo",
          kDelete, "destroy"}},
        {"no title and no icon: no title message",
         Bag({}),
         {Enter, Leave},
         {"", "Esci"},
         {kCreateBalloon, kAddEsci, kDelete, "destroy"}},
        {"a text colour, and black never applied",
         Bag({{"ttForeColor", host::PropertyValue::Long(0x0000FF)}}),
         {Enter, Leave},
         {"", "Esci"},
         {kCreateBalloon, kAddEsci, "TTM_SETTIPTEXTCOLOR 0x0000FF", kDelete, "destroy"}},
        {"a background given as a system colour",
         Bag({{"ttBackColor",
               host::PropertyValue::Long(static_cast<std::int32_t>(0x80000000u | COLOR_INFOBK))}}),
         {Enter, Leave},
         {"", "Esci"},
         {kCreateBalloon, kAddEsci, "TTM_SETTIPBKCOLOR 0xE1FFFF", kDelete, "destroy"}},
        {"disabled: the text is borrowed, no tooltip",
         Bag({{"Enabled", host::PropertyValue::Boolean(false)}}),
         {Enter, Leave},
         {"", "Esci"},
         {}},
        {"hidden with the pointer on it: the text comes back at once",
         Bag({}),
         {Enter, Hide, Leave},
         {"", "Esci", "Esci"},
         {kCreateBalloon, kAddEsci, kDelete, "destroy"}},
        {"new text with the pointer on it: the tooltip is built anew",
         Bag({}),
         {Enter, SetText("Nuovo"), Leave},
         {"", "", "Nuovo"},
         {kCreateBalloon, kAddEsci, kDelete, "destroy", kCreateBalloon,
          "TTM_ADDTOOLA size=44 flags=0x000010 owner=button id=0 rect=0,0,107,27 instance=app text=Nuovo",
          "TTM_DELTOOLA size=44 flags=0x000010 owner=button id=0", "destroy"}},
        {"new text with the pointer away: the container gets it, no tooltip yet",
         Bag({}),
         {SetText("Nuovo"), Enter, Leave},
         {"Nuovo", "", "Nuovo"},
         {kCreateBalloon,
          "TTM_ADDTOOLA size=44 flags=0x000010 owner=button id=0 rect=0,0,107,27 instance=app text=Nuovo",
          kDelete, "destroy"}},
        {"an enter while disabled after a tooltip has gone acts on no window",
         Bag({}),
         {Enter, Leave, Disable, Enter, Leave},
         {"", "Esci", "Esci", "", "Esci"},
         {kCreateBalloon, kAddEsci, kDelete, "destroy"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TooltipRecorder recorder;
        Button b(row.bag);
        recorder.button = b.hwnd();
        EXPECT_EQ(b.ContainerText(), "Esci");
        std::vector<std::string> container;
        for (const Step& step : row.steps) {
            step(b);
            container.push_back(b.ContainerText());
        }
        EXPECT_EQ(container, row.containerAfterEach);
        EXPECT_EQ(recorder.log, row.sent);
        EXPECT_EQ(b.control->TooltipWindow(), nullptr);
    }
}

// The handle is never used once its window is gone, whoever destroyed it.
TEST_F(ControlTooltipTest, ATooltipDestroyedElsewhereIsLeftAlone) {
    TooltipRecorder recorder;
    Button b(Bag({}));
    recorder.button = b.hwnd();
    Enter(b);
    const HWND tooltip = b.control->TooltipWindow();
    ASSERT_TRUE(IsWindow(tooltip));
    DestroyWindow(tooltip);
    EXPECT_EQ(b.control->TooltipWindow(), nullptr);
    recorder.log.clear();
    Leave(b);
    EXPECT_TRUE(recorder.log.empty());
    EXPECT_EQ(b.ContainerText(), "Esci");
}

// A thousand hovers, each long enough for the balloon to show, leave no
// window, subclass, procedure or GDI object behind, and the button's
// window procedure is its own again after each.
TEST_F(ControlTooltipTest, AThousandHoversLeaveNothingBehind) {
    Button b(Bag({{"ToolTipIcon", host::PropertyValue::Long(1)}}));
    const LONG procedure = GetWindowLongA(b.hwnd(), GWL_WNDPROC);
    const GdiLiveCounts gdi = GetGdiLiveCounts();
    const int windows = GetLiveWindowCount();
    const int thunks = GetLiveWindowProcThunkCount();
    const int subclassed = GetLiveSubclassedWindowCount();
    int shown = 0;
    for (int i = 0; i < 1000; ++i) {
        Enter(b);
        AdvanceMessageClock(500);
        PumpPendingMessages();
        shown += IsWindowVisible(b.control->TooltipWindow());
        Leave(b);
    }
    EXPECT_EQ(shown, 1000);
    EXPECT_EQ(GetWindowLongA(b.hwnd(), GWL_WNDPROC), procedure);
    EXPECT_EQ(GetGdiLiveCounts(), gdi);
    EXPECT_EQ(GetLiveWindowCount(), windows);
    EXPECT_EQ(GetLiveWindowProcThunkCount(), thunks);
    EXPECT_EQ(GetLiveSubclassedWindowCount(), subclassed);
}

}  // namespace
}  // namespace control
