#include "platform/user/WindowSubclass.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

#include "platform/user/UserExtensions.h"
#include "platform/user/Window.h"
#include "platform/user/WindowInternals.h"
#include "platform/user/WindowProcThunk.h"

namespace win32 {
namespace {

struct Subclass {
    SUBCLASSPROC proc;
    UINT_PTR id;
    DWORD_PTR refData;
    bool removed = false;  // taken out of the list; dropped once no call runs
};

// One per window: its subclasses, oldest first, behind one procedure.
struct SubclassList {
    HWND hwnd = nullptr;
    WNDPROC thunk = nullptr;
    LONG previous = 0;
    std::vector<std::shared_ptr<Subclass>> entries;
    int running = 0;           // calls of the list's procedure in progress
    std::ptrdiff_t next = -1;  // the entry DefSubclassProc calls next; -1: the previous procedure
};

using ListPtr = std::shared_ptr<SubclassList>;

std::map<HWND, ListPtr>& Lists() {
    static std::map<HWND, ListPtr> lists;
    return lists;
}

ListPtr Find(HWND hwnd) {
    const auto it = Lists().find(hwnd);
    return it == Lists().end() ? nullptr : it->second;
}

std::shared_ptr<Subclass> FindEntry(const SubclassList& list, SUBCLASSPROC proc, UINT_PTR id) {
    for (const auto& entry : list.entries)
        if (!entry->removed && entry->proc == proc && entry->id == id) return entry;
    return nullptr;
}

void Forget(const ListPtr& list) {
    FreeWindowProcThunk(list->thunk);
    const auto it = Lists().find(list->hwnd);
    if (it != Lists().end() && it->second == list) Lists().erase(it);
}

// With no call running: drops removed entries, and with none left takes the
// list's procedure out of the chain, but only while it is on top of it.
void Tidy(const ListPtr& list) {
    if (list->running > 0) return;
    std::erase_if(list->entries, [](const auto& entry) { return entry->removed; });
    if (!list->entries.empty()) return;
    if (IsWindow(list->hwnd)) {
        if (GetWindowLongA(list->hwnd, GWL_WNDPROC) != WindowProcToLong(list->thunk)) return;
        SetWindowLongA(list->hwnd, GWL_WNDPROC, list->previous);
    }
    Forget(list);
}

LRESULT CallNext(SubclassList& list, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    std::ptrdiff_t at = list.next;
    while (at >= 0 && list.entries[static_cast<std::size_t>(at)]->removed) --at;
    if (at < 0) return CallWindowProcA(LongToWindowProc(list.previous), hwnd, msg, wParam, lParam);
    const std::shared_ptr<Subclass> entry = list.entries[static_cast<std::size_t>(at)];
    const std::ptrdiff_t saved = list.next;
    list.next = at - 1;
    const LRESULT result = entry->proc(hwnd, msg, wParam, lParam, entry->id, entry->refData);
    list.next = saved;
    return result;
}

LRESULT Dispatch(const ListPtr& list, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    ++list->running;
    const std::ptrdiff_t saved = list->next;
    list->next = static_cast<std::ptrdiff_t>(list->entries.size()) - 1;
    const LRESULT result = CallNext(*list, hwnd, msg, wParam, lParam);
    list->next = saved;
    --list->running;
    // The window's last message: every subclass goes with it.
    if (msg == WM_NCDESTROY)
        for (const auto& entry : list->entries) entry->removed = true;
    Tidy(list);
    return result;
}

ListPtr Install(HWND hwnd) {
    auto list = std::make_shared<SubclassList>();
    list->hwnd = hwnd;
    list->thunk = AllocWindowProcThunk([list](HWND h, UINT msg, WPARAM wParam, LPARAM lParam) {
        return Dispatch(list, h, msg, wParam, lParam);
    });
    if (list->thunk == nullptr) return nullptr;
    list->previous = SetWindowLongA(hwnd, GWL_WNDPROC, WindowProcToLong(list->thunk));
    if (list->previous == 0) {
        FreeWindowProcThunk(list->thunk);
        return nullptr;
    }
    Lists()[hwnd] = list;
    return list;
}

}  // namespace

namespace user {

// A window destroyed without its last message reaching the list's
// procedure (a procedure above did not pass it on) still frees the list.
void ForgetWindowSubclasses(HWND hwnd) {
    if (const ListPtr list = Find(hwnd)) {
        for (const auto& entry : list->entries) entry->removed = true;
        Forget(list);
    }
}

}  // namespace user

BOOL SetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR refData) {
    if (!IsWindow(hwnd) || proc == nullptr) return FALSE;
    ListPtr list = Find(hwnd);
    if (list) {
        if (const auto entry = FindEntry(*list, proc, id)) {
            entry->refData = refData;
            return TRUE;
        }
    } else if (!(list = Install(hwnd))) {
        return FALSE;
    }
    list->entries.push_back(std::make_shared<Subclass>(Subclass{proc, id, refData}));
    return TRUE;
}

BOOL GetWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR* refData) {
    const ListPtr list = Find(hwnd);
    const auto entry = list ? FindEntry(*list, proc, id) : nullptr;
    if (refData) *refData = entry ? entry->refData : 0;
    return entry ? TRUE : FALSE;
}

BOOL RemoveWindowSubclass(HWND hwnd, SUBCLASSPROC proc, UINT_PTR id) {
    const ListPtr list = Find(hwnd);
    const auto entry = list ? FindEntry(*list, proc, id) : nullptr;
    if (!entry) return FALSE;
    entry->removed = true;
    Tidy(list);
    return TRUE;
}

LRESULT DefSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const ListPtr list = Find(hwnd);
    if (!list) return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (list->running == 0)
        return CallWindowProcA(LongToWindowProc(list->previous), hwnd, msg, wParam, lParam);
    return CallNext(*list, hwnd, msg, wParam, lParam);
}

int GetLiveSubclassedWindowCount() { return static_cast<int>(Lists().size()); }

}  // namespace win32
