#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/modApiCommon.h"
#include "app/modApiCommonDialog.h"
#include "host/Form.h"
#include "platform/comdlg/CommDlg.h"
#include "platform/comdlg/FileDialogProvider.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace {

using namespace win32;

// A plain top-level window of the layer at a given place.
class TestWindow {
public:
    explicit TestWindow(RECT r) {
        WNDCLASSA existing{};
        if (!GetClassInfoA(nullptr, "PositionTestWindow", &existing)) {
            WNDCLASSA cls{};
            cls.lpfnWndProc = DefWindowProcA;
            cls.lpszClassName = "PositionTestWindow";
            RegisterClassA(&cls);
        }
        hwnd_ = CreateWindowExA(0, "PositionTestWindow", "", WS_POPUP, r.left, r.top, r.right - r.left,
                                r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    }
    ~TestWindow() { DestroyWindow(hwnd_); }
    HWND get() const { return hwnd_; }

private:
    HWND hwnd_;
};

struct PositionCase {
    const char* what;
    int mode, offset;
    RECT owner;
    SIZE dialog;
    POINT cursor;
    POINT expected;
};

// Work area 0,0 - 1024,738 in every row.
const PositionCase kCases[] = {
    {"centre in the work area", 1, 0, {100, 100, 400, 300}, {400, 300}, {0, 0}, {312, 219}},
    {"centre on the owner", 2, 0, {100, 100, 500, 400}, {200, 100}, {0, 0}, {200, 200}},
    {"owner's corner moved by the offset", 3, 30, {100, 100, 500, 400}, {200, 100}, {0, 0}, {130, 70}},
    {"mode 3 above the work area is pulled down", 3, 30, {100, 10, 500, 400}, {200, 100}, {0, 0}, {130, 0}},
    {"next to the pointer", 4, 30, {0, 0, 10, 10}, {300, 200}, {200, 300}, {230, 200}},
    {"pointer near the right edge: left of it", 4, 30, {0, 0, 10, 10}, {300, 200}, {900, 300}, {570, 200}},
    {"pointer near the bottom: rests on the bottom",
     4,
     30,
     {0, 0, 10, 10},
     {300, 200},
     {200, 700},
     {230, 538}},
    {"pointer near the top: rests on the top", 4, 30, {0, 0, 10, 10}, {300, 200}, {200, 20}, {230, 0}},
    {"larger than the work area: left and top edges", 1, 0, {0, 0, 10, 10}, {1200, 900}, {0, 0}, {0, 0}},
    {"too wide for the right: owner's right edge less offset",
     2,
     10,
     {700, 100, 1000, 300},
     {400, 100},
     {0, 0},
     {590, 150}},
    {"unknown mode keeps 0,0", 7, 30, {100, 100, 200, 200}, {300, 200}, {500, 500}, {0, 0}},
};

class DialogPosition : public ::testing::TestWithParam<PositionCase> {
protected:
    void SetUp() override { SetWorkArea({0, 0, 1024, 738}); }
};

TEST_P(DialogPosition, LandsWhereTheModeSaysInsideTheWorkArea) {
    const PositionCase& c = GetParam();
    TestWindow owner(c.owner);
    TestWindow dialog({5, 5, 5 + c.dialog.cx, 5 + c.dialog.cy});
    SetCursorPos(c.cursor.x, c.cursor.y);
    int x = -1, y = -1, w = 0, h = 0;
    app::CalcDialogPosition(dialog.get(), owner.get(), c.mode, c.offset, x, y, w, h);
    EXPECT_EQ(POINT({x, y}), c.expected) << c.what << ": got " << x << "," << y;
    EXPECT_EQ(SIZE({w, h}), c.dialog) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Modes, DialogPosition, ::testing::ValuesIn(kCases));

class ShowFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetWorkArea({0, 0, 1024, 738});
        form_.clientWidth = 5595;
        form_.clientHeight = 2625;
        form_.Show();
    }
    void TearDown() override { app::SetDialogPosition(0, 0); }
    host::Form form_;
    ScriptedFileDialogs dialogs_;
};

TEST_F(ShowFileDialogTest, FillsTheRecordWithDefaults) {
    app::SetDialogPosition(0, 0);
    DWORD flags = 0;
    dialogs_.Choose("/data/disk.nrg");
    const std::string filter = app::AddFileFilter("", "Nero files (*.nrg)", "*.nrg");
    const std::string chosen =
        app::ShowFileDialog(form_, true, "Apri", "/images/old.nrg", filter, 1, ".nrg", &flags);

    EXPECT_EQ(chosen, "/data/disk.nrg");
    EXPECT_EQ(flags, 0x38200Cu);  // the default is stored back
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    const FileDialogRequest& r = dialogs_.shown[0].request;
    EXPECT_EQ(r.structSize, 88u);
    EXPECT_EQ(r.flags, 0x38200Cu);  // no hook without a position mode
    EXPECT_EQ(r.owner, form_.hWnd());
    EXPECT_EQ(app::DialogOwner(), form_.hWnd());
    EXPECT_EQ(r.initialDir, "/images/");
    EXPECT_EQ(r.fileName, "old.nrg");
    EXPECT_EQ(r.title, "Apri");
    EXPECT_EQ(r.defaultExtension, "nrg");
    ASSERT_EQ(r.filters.size(), 1u);
    EXPECT_EQ(r.filters[0], std::make_pair(std::string("Nero files (*.nrg)"), std::string("*.nrg")));

    DWORD saveFlags = 0;
    app::ShowFileDialog(form_, false, "", "", "", 1, "", &saveFlags);
    EXPECT_EQ(saveFlags, 0x28000Eu);
    EXPECT_TRUE(dialogs_.shown[1].request.save);
}

TEST_F(ShowFileDialogTest, CancelReturnsTheArgumentAndABareNameStartsInTheCurrentFolder) {
    dialogs_.Cancel();
    EXPECT_EQ(app::ShowFileDialog(form_, true, "", "DISK.NRG"), "DISK.NRG");
    EXPECT_EQ(dialogs_.shown[0].request.initialDir, std::filesystem::current_path().string());
    EXPECT_EQ(dialogs_.shown[0].request.fileName, "DISK.NRG");
    EXPECT_EQ(app::ShowFileDialog(form_), "");  // empty script: cancel
}

TEST_F(ShowFileDialogTest, AVanishedCurrentFolderStillShowsTheDialog) {
    // The current folder was deleted from under the program: the dialog
    // opens in the provider's own folder instead of failing.
    const std::filesystem::path previous = std::filesystem::current_path();
    char pattern[] = "/tmp/corvalmire-gone-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    ASSERT_EQ(::chdir(pattern), 0);
    ASSERT_EQ(::rmdir(pattern), 0);
    dialogs_.Choose("/data/disk.nrg");
    std::string chosen;
    EXPECT_NO_THROW(chosen = app::ShowFileDialog(form_, true, "", "DISK.NRG"));
    std::filesystem::current_path(previous);
    EXPECT_EQ(chosen, "/data/disk.nrg");
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].request.initialDir, "");
}

TEST_F(ShowFileDialogTest, PathsOfAnyLengthComeBackWhole) {
    const std::string path1000 = "/images/" + std::string(988, 'p') + ".nrg";
    dialogs_.Choose(path1000);
    EXPECT_EQ(app::ShowFileDialog(form_), path1000);
    EXPECT_EQ(dialogs_.shown.size(), 1u) << "any path Linux accepts fits at once";
    // Longer than that: the dialog asks for the room it needs, and is asked again.
    const std::string path5000 = "/images/" + std::string(4988, 'q') + ".nrg";
    dialogs_.Choose(path5000);
    dialogs_.Choose(path5000);
    EXPECT_EQ(app::ShowFileDialog(form_), path5000);
    EXPECT_EQ(dialogs_.shown.size(), 3u);
}

TEST_F(ShowFileDialogTest, APositionModeAddsTheHookWhichMovesTheDialog) {
    app::SetDialogPosition(4, 30);
    SetCursorPos(200, 300);
    dialogs_.Choose("/x.nrg");
    app::ShowFileDialog(form_);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    const auto& shown = dialogs_.shown[0];
    EXPECT_TRUE(shown.request.flags & OFN_ENABLEHOOK);
    // Placed right of the pointer by the offset, centred on it vertically;
    // the size stays the dialog's own.
    const int w = shown.dialogRect.right - shown.dialogRect.left;
    const int h = shown.dialogRect.bottom - shown.dialogRect.top;
    EXPECT_EQ(shown.dialogRect.left, 230);
    EXPECT_EQ(shown.dialogRect.top, 300 - h / 2);
    EXPECT_GT(w, 0);
    EXPECT_EQ(shown.dialogParent, form_.hWnd());
}

TEST(DialogHookProc, OnlyInitDialogIsHandled) {
    EXPECT_EQ(app::DialogHookProc(nullptr, WM_PAINT, 0, 0), 0u);
    app::SetDialogPosition(0, 0);
    TestWindow dialog({0, 0, 10, 10});
    EXPECT_EQ(app::DialogHookProc(dialog.get(), WM_INITDIALOG, 1, 0), 0u);  // no mode: nothing placed
}

TEST(IsWin2000OrLater, TheLayerReportsAModernSystem) { EXPECT_TRUE(app::IsWin2000OrLater()); }

}  // namespace
