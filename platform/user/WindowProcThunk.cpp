#include "platform/user/WindowProcThunk.h"

#include <map>
#include <memory>
#include <unordered_map>

#include "platform/user/WindowProcCall.h"

namespace win32 {
namespace {

// Handles live in 0x80000000 .. 0xFFFFFFFF, where no code of a 64-bit
// process is mapped, and are never reused, so a freed thunk stays invalid.
constexpr std::uintptr_t kHandleBase = 0x80000000u;
constexpr std::uintptr_t kHandleLimit = 0x100000000u;

struct Entry {
    WNDPROC plain = nullptr;
    WindowProcClosure closure;
};

struct ProcTable {
    std::unordered_map<std::uintptr_t, std::shared_ptr<Entry>> entries;
    std::map<WNDPROC, std::uintptr_t> interned;
    std::uintptr_t next = kHandleBase + 0x10;
    int thunks = 0;
};

ProcTable& Table() {
    static ProcTable table;
    return table;
}

// Accepts the handle zero-extended (as stored) or sign-extended (a LONG cast
// straight to a pointer-sized value).
bool DecodeHandle(std::uintptr_t raw, std::uintptr_t& handle) {
    const std::uintptr_t high = raw >> 32;
    const std::uintptr_t low = raw & 0xFFFFFFFFu;
    if ((high != 0 && high != 0xFFFFFFFFu) || low < kHandleBase) return false;
    handle = low;
    return true;
}

std::shared_ptr<Entry> Find(WNDPROC proc) {
    std::uintptr_t handle = 0;
    if (!DecodeHandle(reinterpret_cast<std::uintptr_t>(proc), handle)) return nullptr;
    auto& entries = Table().entries;
    const auto it = entries.find(handle);
    return it == entries.end() ? nullptr : it->second;
}

std::uintptr_t Issue(std::shared_ptr<Entry> entry) {
    ProcTable& table = Table();
    if (table.next >= kHandleLimit) return 0;
    const std::uintptr_t handle = table.next;
    table.next += 4;
    table.entries.emplace(handle, std::move(entry));
    return handle;
}

}  // namespace

WNDPROC AllocWindowProcThunk(WindowProcClosure closure) {
    if (!closure) return nullptr;
    auto entry = std::make_shared<Entry>();
    entry->closure = std::move(closure);
    const std::uintptr_t handle = Issue(std::move(entry));
    if (handle == 0) return nullptr;
    ++Table().thunks;
    return reinterpret_cast<WNDPROC>(handle);
}

bool FreeWindowProcThunk(WNDPROC thunk) {
    std::uintptr_t handle = 0;
    if (!DecodeHandle(reinterpret_cast<std::uintptr_t>(thunk), handle)) return false;
    ProcTable& table = Table();
    const auto it = table.entries.find(handle);
    if (it == table.entries.end() || !it->second->closure) return false;
    // Moved out first: destroying the closure may free other thunks.
    std::shared_ptr<Entry> doomed = std::move(it->second);
    table.entries.erase(it);
    --table.thunks;
    return true;
}

bool IsWindowProcThunk(WNDPROC thunk) {
    const auto entry = Find(thunk);
    return entry && entry->closure;
}

int GetLiveWindowProcThunkCount() { return Table().thunks; }

LONG WindowProcToLong(WNDPROC proc) {
    if (proc == nullptr) return 0;
    std::uintptr_t handle = 0;
    if (!DecodeHandle(reinterpret_cast<std::uintptr_t>(proc), handle)) {
        ProcTable& table = Table();
        const auto found = table.interned.find(proc);
        if (found != table.interned.end()) {
            handle = found->second;
        } else {
            auto entry = std::make_shared<Entry>();
            entry->plain = proc;
            handle = Issue(std::move(entry));
            if (handle == 0) return 0;
            table.interned.emplace(proc, handle);
        }
    }
    return static_cast<LONG>(static_cast<DWORD>(handle));
}

WNDPROC LongToWindowProc(LONG value) {
    return reinterpret_cast<WNDPROC>(static_cast<std::uintptr_t>(static_cast<DWORD>(value)));
}

namespace user {

LRESULT InvokeWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (proc == nullptr) return 0;
    std::uintptr_t handle = 0;
    if (!DecodeHandle(reinterpret_cast<std::uintptr_t>(proc), handle)) return proc(hwnd, msg, wParam, lParam);
    // The shared pointer keeps the closure alive even if it frees its thunk.
    const std::shared_ptr<Entry> entry = Find(proc);
    if (!entry) return 0;
    if (entry->plain) return entry->plain(hwnd, msg, wParam, lParam);
    return entry->closure(hwnd, msg, wParam, lParam);
}

LONG AcceptWindowProcValue(LONG_PTR value, bool allowPlain) {
    const auto raw = static_cast<std::uintptr_t>(value);
    std::uintptr_t handle = 0;
    if (DecodeHandle(raw, handle)) {
        return Table().entries.contains(handle) ? static_cast<LONG>(static_cast<DWORD>(handle)) : 0;
    }
    return allowPlain ? WindowProcToLong(reinterpret_cast<WNDPROC>(raw)) : 0;
}

}  // namespace user
}  // namespace win32
