#include "control/SubclassEngine.h"

#include <algorithm>
#include <cstdio>
#include <ranges>

#include "control/SubclassBlock.h"
#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/EventLog.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Modules.h"
#include "platform/user/User32.h"

namespace control {

using namespace win32;

SubclassEngine::SubclassEngine(SubclassCallbackSink* control, std::string typeName)
    : control_(control), typeName_(std::move(typeName)) {}

SubclassEngine::~SubclassEngine() { sc_UnSubclassAll(); }

bool SubclassEngine::sc_Subclass(HWND hWnd, LONG_PTR userParam, int callbackOrdinal,
                                 SubclassCallbackSink* owner) {
    if (!IsWindow(hWnd)) {
        zLogError("sc_Subclass", "Invalid window handle");
        return false;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(hWnd, &process);
    if (process != GetCurrentProcessId()) {
        zLogError("sc_Subclass", "Window handle belongs to another process");
        return false;
    }
    if (owner == nullptr) owner = control_;
    if (owner == nullptr || callbackOrdinal != 1) {
        zLogError("sc_Subclass", "Callback method not found");
        return false;
    }
    mapExists_ = true;

    auto block = std::make_shared<Block>();
    // The closure shares the block, so a running call outlives any removal.
    block->thunk = AllocWindowProcThunk(
        [block](HWND h, UINT m, WPARAM w, LPARAM l) { return WindowProc(block, h, m, w, l); });
    if (block->thunk == nullptr) {
        zLogError("sc_Subclass", "VirtualAlloc failed, error: " + std::to_string(GetLastError()));
        return false;
    }
    const auto known = std::ranges::find(windowMap_, hWnd, &decltype(windowMap_)::value_type::first);
    if (known != windowMap_.end()) {
        FreeWindowProcThunk(block->thunk);
        zLogError("sc_Subclass", "Window handle is already subclassed");
        return false;
    }
    windowMap_.emplace_back(hWnd, block);
    block->hWnd = hWnd;
    block->owner = owner;
    block->userParam = userParam;

    SetLastError(ERROR_SUCCESS);
    const LONG previous = SetWindowLongA(hWnd, GWL_WNDPROC, WindowProcToLong(block->thunk));
    if (previous == 0 && GetLastError() != ERROR_SUCCESS) {
        const DWORD error = GetLastError();
        windowMap_.pop_back();
        FreeWindowProcThunk(block->thunk);
        zLogError("sc_Subclass", "SetWindowLong failed, error #" + std::to_string(error));
        return false;
    }
    block->previous = previous;
    return true;
}

void SubclassEngine::sc_UnSubclass(HWND hWnd) {
    if (!mapExists_) {
        zLogError("sc_UnSubclass", "Window handle isn't subclassed");
        return;
    }
    if (const auto block = zMap_hWnd(hWnd); block && block->IsValid()) {
        block->shutdown = true;
        zDelMsg(ALL_MESSAGES, block->before);
        zDelMsg(ALL_MESSAGES, block->after);
        // The owner may be gone before the window's next message passes.
        block->owner = nullptr;
    }
    std::erase_if(windowMap_, [hWnd](const auto& entry) { return entry.first == hWnd; });
}

void SubclassEngine::sc_UnSubclassAll() {
    if (!mapExists_) return;
    const auto entries = windowMap_;
    // Last subclassed first; reverse iterators rather than a view, which
    // clang 14 cannot build with libstdc++ 12.
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        if (entry->second->IsValid()) sc_UnSubclass(entry->second->hWnd);
    }
    windowMap_.clear();
    mapExists_ = false;
}

void SubclassEngine::sc_AddMessage(HWND hWnd, UINT uMsg, int when) {
    const auto block = zMap_hWnd(hWnd);
    if (!block || !block->IsValid()) return;
    if (when & MSG_BEFORE) zAddMsg(uMsg, block->before);
    if (when & MSG_AFTER) zAddMsg(uMsg, block->after);
}

void SubclassEngine::sc_RemoveMessage(HWND hWnd, UINT uMsg, int when) {
    const auto block = zMap_hWnd(hWnd);
    if (!block || !block->IsValid()) return;
    if (when & MSG_BEFORE) zDelMsg(uMsg, block->before);
    if (when & MSG_AFTER) zDelMsg(uMsg, block->after);
}

LRESULT SubclassEngine::sc_CallPrevWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const auto block = zMap_hWnd(hWnd);
    if (!block || !block->IsValid()) return 0;
    return CallWindowProcA(LongToWindowProc(block->previous), hWnd, uMsg, wParam, lParam);
}

LONG_PTR SubclassEngine::sc_UserParam(HWND hWnd) {
    const auto block = zMap_hWnd(hWnd);
    return block && block->IsValid() ? block->userParam : 0;
}

void SubclassEngine::sc_UserParam(HWND hWnd, LONG_PTR value) {
    if (const auto block = zMap_hWnd(hWnd); block && block->IsValid()) block->userParam = value;
}

bool SubclassEngine::zHasExport(const char* function, const char* module) {
    HMODULE handle = GetModuleHandleA(module);
    const bool loadedHere = handle == nullptr;
    if (loadedHere) handle = LoadLibraryA(module);
    if (handle == nullptr) return false;
    const bool found = GetProcAddress(handle, function) != nullptr;
    if (loadedHere) FreeLibrary(handle);
    return found;
}

std::shared_ptr<SubclassEngine::Block> SubclassEngine::zMap_hWnd(HWND hWnd) {
    if (!mapExists_) {
        zLogError("zMap_hWnd", "Subclassing hasn't been started");
        return nullptr;
    }
    const auto found = std::ranges::find(windowMap_, hWnd, &decltype(windowMap_)::value_type::first);
    if (found == windowMap_.end()) {
        zLogError("zMap_hWnd", "Window handle isn't subclassed");
        return nullptr;
    }
    return found->second;
}

void SubclassEngine::zAddMsg(UINT uMsg, SubclassMessageTable& table) {
    if (!table.Add(uMsg)) {
        zLogError(
            "zAddMsg",
            "Message table overflow. Either increase the value of Const MSG_ENTRIES or use ALL_MESSAGES "
            "instead of specific message values");
    }
}

void SubclassEngine::zDelMsg(UINT uMsg, SubclassMessageTable& table) {
    if (table.Remove(uMsg)) return;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", uMsg);
    zLogError("zDelMsg", std::string("Message &H") + hex + " not found in table");
}

void SubclassEngine::zLogError(const char* routine, const std::string& message) const {
    ReportApplicationEvent(typeName_ + "." + routine + ": " + message, EVENTLOG_ERROR_TYPE);
}

}  // namespace control
