#include "tests/platform/user/MessageLog.h"

#include <algorithm>
#include <iomanip>
#include <sstream>

namespace corvalmire::test {

using namespace win32;

MessageLog& MessageLog::Instance() {
    static MessageLog log;
    return log;
}

void MessageLog::Record(HWND hwnd, UINT message) {
    if (!watched_.empty() && std::find(watched_.begin(), watched_.end(), message) == watched_.end()) return;
    const auto name = names_.find(hwnd);
    seen_.push_back({name == names_.end() ? "?" : name->second, message});
}

std::string MessageName(UINT message) {
    static const std::map<UINT, const char*> names = {
        {WM_CREATE, "WM_CREATE"},
        {WM_DESTROY, "WM_DESTROY"},
        {WM_MOVE, "WM_MOVE"},
        {WM_SIZE, "WM_SIZE"},
        {WM_SETFOCUS, "WM_SETFOCUS"},
        {WM_KILLFOCUS, "WM_KILLFOCUS"},
        {WM_ENABLE, "WM_ENABLE"},
        {WM_SETTEXT, "WM_SETTEXT"},
        {WM_PAINT, "WM_PAINT"},
        {WM_SYSCOLORCHANGE, "WM_SYSCOLORCHANGE"},
        {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
        {WM_NCCREATE, "WM_NCCREATE"},
        {WM_NCDESTROY, "WM_NCDESTROY"},
        {WM_TIMER, "WM_TIMER"},
        {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
        {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
        {WM_STYLECHANGING, "WM_STYLECHANGING"},
        {WM_STYLECHANGED, "WM_STYLECHANGED"},
        {WM_THEMECHANGED, "WM_THEMECHANGED"},
    };
    const auto found = names.find(message);
    if (found != names.end()) return found->second;
    std::ostringstream out;
    if (message >= WM_USER) {
        out << "WM_USER+" << message - WM_USER;
    } else {
        out << "0x" << std::hex << message;
    }
    return out.str();
}

::testing::AssertionResult SequenceIs(const std::vector<Seen>& actual, const std::vector<Seen>& expected) {
    const auto lines = [](const std::vector<Seen>& entries) {
        std::vector<std::string> text;
        for (const Seen& e : entries) text.push_back(e.window + " " + MessageName(e.message));
        return text;
    };
    return LinesAre(lines(actual), lines(expected));
}

namespace {

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    // Named by the creation text, so even WM_NCCREATE is attributed.
    if (msg == WM_NCCREATE) {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        MessageLog::Instance().Name(hwnd, cs->lpszName ? cs->lpszName : "");
    }
    MessageLog::Instance().Record(hwnd, msg);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

const char* RecordingClass() {
    static const bool registered = [] {
        WNDCLASSA wc;
        wc.lpfnWndProc = RecordingProc;
        wc.lpszClassName = "RecordingWindow";
        return RegisterClassA(&wc) != 0;
    }();
    return registered ? "RecordingWindow" : nullptr;
}

HWND CreateRecorded(const std::string& name, DWORD style, RECT rect, HWND parent) {
    return CreateWindowExA(0, RecordingClass(), name.c_str(), style, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
}

}  // namespace corvalmire::test
