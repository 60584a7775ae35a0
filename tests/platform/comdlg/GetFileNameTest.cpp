#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/comdlg/CommDlg.h"
#include "platform/comdlg/FileDialogProvider.h"
#include "platform/user/User32.h"
#include "platform/user/UserExtensions.h"

namespace {

using namespace win32;

struct HookSeen {
    int calls = 0;
    HWND hwnd = nullptr;
    UINT msg = 0;
    WPARAM wParam = 99;
    LPARAM lParam = 0;
    HWND parent = nullptr;
};
HookSeen g_hook;

UINT_PTR RecordingHook(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    g_hook = {g_hook.calls + 1, hwnd, msg, wParam, lParam, GetParent(hwnd)};
    MoveWindow(GetParent(hwnd), 40, 50, 300, 200, FALSE);
    return 1;
}

class GetFileName : public ::testing::Test {
protected:
    OPENFILENAMEA Record(DWORD size) {
        OPENFILENAMEA ofn{};
        ofn.lStructSize = size;
        ofn.lpstrFile = file_;
        ofn.nMaxFile = sizeof file_;
        ofn.lpstrFileTitle = title_;
        ofn.nMaxFileTitle = sizeof title_;
        ofn.lpstrFilter = "Nero files (*.nrg)\0*.nrg\0All\0*.*\0";
        ofn.nFilterIndex = 2;
        ofn.Flags = OFN_NOCHANGEDIR;
        return ofn;
    }
    char file_[64] = {};
    char title_[16] = {};
    ScriptedFileDialogs dialogs_;
};

TEST_F(GetFileName, BothRecordSizesAreAcceptedAndOthersRefused) {
    for (const DWORD size : {76u, 88u, static_cast<DWORD>(sizeof(OPENFILENAMEA))}) {
        dialogs_.Choose("/tmp/a.nrg");
        OPENFILENAMEA ofn = Record(size);
        EXPECT_EQ(GetOpenFileNameA(&ofn), TRUE) << size;
        EXPECT_STREQ(file_, "/tmp/a.nrg");
    }
    OPENFILENAMEA bad = Record(60);
    EXPECT_EQ(GetOpenFileNameA(&bad), FALSE);
    EXPECT_EQ(CommDlgExtendedError(), CDERR_STRUCTSIZE);
    EXPECT_EQ(dialogs_.shown.size(), 3u);  // the bad record never showed a dialog
}

TEST_F(GetFileName, FillsNameOffsetsTitleAndParsesTheFilter) {
    dialogs_.Choose("/tmp/images/disk.nrg");
    OPENFILENAMEA ofn = Record(88);
    ASSERT_EQ(GetSaveFileNameA(&ofn), TRUE);
    EXPECT_STREQ(file_ + ofn.nFileOffset, "disk.nrg");
    EXPECT_STREQ(file_ + ofn.nFileExtension, "nrg");
    EXPECT_STREQ(title_, "disk.nrg");
    const FileDialogRequest& r = dialogs_.shown.at(0).request;
    EXPECT_TRUE(r.save);
    EXPECT_EQ(r.filterIndex, 2);
    ASSERT_EQ(r.filters.size(), 2u);
    EXPECT_EQ(r.filters[1].first, "All");
    EXPECT_EQ(r.filters[1].second, "*.*");
}

TEST_F(GetFileName, CancelTooSmallBufferAndDefaultExtension) {
    dialogs_.Cancel();
    OPENFILENAMEA ofn = Record(88);
    EXPECT_EQ(GetOpenFileNameA(&ofn), FALSE);
    EXPECT_EQ(CommDlgExtendedError(), 0u);

    dialogs_.Choose("/tmp/" + std::string(80, 'x') + ".nrg");
    EXPECT_EQ(GetOpenFileNameA(&ofn), FALSE);
    EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
    WORD needed = 0;
    std::memcpy(&needed, file_, sizeof needed);
    EXPECT_EQ(needed, 5 + 80 + 4 + 1);

    // A typed name without an extension gets the default one (its dot optional).
    dialogs_.Choose("/nonexistent-folder/image");
    ofn.lpstrDefExt = ".nrg";
    ASSERT_EQ(GetOpenFileNameA(&ofn), TRUE);
    EXPECT_STREQ(file_, "/nonexistent-folder/image.nrg");
}

TEST_F(GetFileName, HookGetsTheChildDialogAndMovesTheDialog) {
    g_hook = {};
    const int windowsBefore = GetLiveWindowCount();
    dialogs_.Choose("/tmp/a.nrg");
    OPENFILENAMEA ofn = Record(88);
    ofn.Flags |= OFN_ENABLEHOOK;
    ofn.lpfnHook = RecordingHook;
    ASSERT_EQ(GetOpenFileNameA(&ofn), TRUE);

    EXPECT_EQ(g_hook.calls, 1);
    EXPECT_EQ(g_hook.msg, WM_INITDIALOG);
    EXPECT_EQ(g_hook.wParam, 0u);
    EXPECT_EQ(g_hook.lParam, reinterpret_cast<LPARAM>(&ofn));
    const auto& shown = dialogs_.shown.at(0);
    EXPECT_EQ(shown.request.dialog, g_hook.parent) << "the hook's window is the dialog's child";
    EXPECT_NE(g_hook.hwnd, g_hook.parent);
    EXPECT_EQ(shown.dialogRect, (RECT{40, 50, 340, 250}));
    EXPECT_EQ(GetLiveWindowCount(), windowsBefore) << "the dialog's windows are destroyed";
}

TEST(GetFileNameHeadless, WithoutAProviderEveryDialogCancels) {
    char file[32] = "keep";
    OPENFILENAMEA ofn{};
    ofn.lStructSize = 88;
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    EXPECT_EQ(GetOpenFileNameA(&ofn), FALSE);
    EXPECT_STREQ(file, "keep");
}

}  // namespace
