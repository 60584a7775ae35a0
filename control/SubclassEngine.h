// The subclassing engine: replaces a window's procedure with a per-window
// procedure that offers registered messages to a callback before and/or
// after the previous procedure.
//
// Per message: the before-callback (it may set handled, which skips the
// previous procedure and the after-callback, and returns its result), the
// previous procedure (counted by a nesting counter), then the
// after-callback. Removal asked for while a call is in progress takes effect
// once the outermost call of the previous procedure has returned: the
// previous procedure is put back if the window's procedure is still ours;
// otherwise (someone subclassed after us) we stay in the chain as a
// pass-through, so theirs keeps working, until it is ours again or the
// window is destroyed.
//
// Each control owns one engine. Errors go to the application event log as
// "<owner type>.<routine>: <message>"; nothing is raised to the caller.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "control/SubclassMessageTable.h"
#include "platform/user/WindowTypes.h"

namespace control {

// bit 0: offer before the previous procedure; bit 1: after it.
constexpr int MSG_BEFORE = 1;
constexpr int MSG_AFTER = 2;
constexpr int MSG_BEFORE_AND_AFTER = MSG_BEFORE | MSG_AFTER;

class SubclassCallbackSink {
public:
    virtual ~SubclassCallbackSink() = default;
    // handled starts false and result 0 on the before call; the after call
    // sees the previous procedure's result and may change it.
    virtual void SubclassCallback(bool before, bool& handled, win32::LRESULT& result, win32::HWND hWnd,
                                  win32::UINT uMsg, win32::WPARAM wParam, win32::LPARAM lParam,
                                  win32::LONG_PTR& userParam) = 0;
};

class SubclassEngine {
public:
    // control: the default owner of callbacks; typeName prefixes log entries.
    explicit SubclassEngine(SubclassCallbackSink* control, std::string typeName = "raReruri");
    // Asks for removal of every subclass (sc_UnSubclassAll).
    ~SubclassEngine();
    SubclassEngine(const SubclassEngine&) = delete;
    SubclassEngine& operator=(const SubclassEngine&) = delete;

    // callbackOrdinal 1 is the owner's SubclassCallback, the only callback a
    // sink has; owner nullptr means the control.
    bool sc_Subclass(win32::HWND hWnd, win32::LONG_PTR userParam = 0, int callbackOrdinal = 1,
                     SubclassCallbackSink* owner = nullptr);
    void sc_UnSubclass(win32::HWND hWnd);
    void sc_UnSubclassAll();
    void sc_AddMessage(win32::HWND hWnd, win32::UINT uMsg, int when = MSG_AFTER);
    void sc_RemoveMessage(win32::HWND hWnd, win32::UINT uMsg, int when = MSG_AFTER);
    win32::LRESULT sc_CallPrevWndProc(win32::HWND hWnd, win32::UINT uMsg, win32::WPARAM wParam,
                                      win32::LPARAM lParam);
    win32::LONG_PTR sc_UserParam(win32::HWND hWnd);
    void sc_UserParam(win32::HWND hWnd, win32::LONG_PTR value);

    // Whether the module exports the function; a module loaded for the
    // question is released again.
    static bool zHasExport(const char* function, const char* module);

    // Windows in the map (subclassed and not yet asked to be removed).
    int SubclassedWindowCount() const { return static_cast<int>(windowMap_.size()); }

private:
    struct Block;
    static win32::LRESULT WindowProc(const std::shared_ptr<Block>& block, win32::HWND hWnd, win32::UINT uMsg,
                                     win32::WPARAM wParam, win32::LPARAM lParam);
    static void Shutdown(Block& block);
    static void Release(Block& block);

    std::shared_ptr<Block> zMap_hWnd(win32::HWND hWnd);
    void zAddMsg(win32::UINT uMsg, SubclassMessageTable& table);
    void zDelMsg(win32::UINT uMsg, SubclassMessageTable& table);
    void zLogError(const char* routine, const std::string& message) const;

    SubclassCallbackSink* control_;
    std::string typeName_;
    bool mapExists_ = false;
    // In subclassing order; the map is walked from the last to the first.
    std::vector<std::pair<win32::HWND, std::shared_ptr<Block>>> windowMap_;
};

}  // namespace control
