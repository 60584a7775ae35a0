#include "platform/kernel/KernelObjects.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace win32::kernel {

namespace {

struct Table {
    std::mutex mutex;
    std::unordered_map<std::uintptr_t, KernelObject> objects;
    // Multiples of 4 from 4 up, as the platform hands them out; never reused,
    // so a stale handle cannot reach a newer object.
    std::uintptr_t next = 4;
};

Table& Objects() {
    static Table table;
    return table;
}

// ReadFile looks the same pipe end up for every read of a run, so each
// thread keeps its last answer, good until any handle is taken out. (Another
// thread closing the handle during a read races as it always did: the
// descriptor was looked up before the read either way.)
constinit std::atomic<std::uint64_t> takenOut{0};
struct LastFound {
    std::uintptr_t handle = 0;
    std::uint64_t takenOut = 0;
    KernelObject object{};
};
constinit thread_local LastFound lastFound;

}  // namespace

HANDLE AddKernelObject(const KernelObject& object) {
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    const std::uintptr_t value = table.next;
    table.next += 4;
    table.objects.emplace(value, object);
    return reinterpret_cast<HANDLE>(value);
}

std::optional<KernelObject> FindKernelObject(HANDLE handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if (value != 0 && lastFound.handle == value &&
        lastFound.takenOut == takenOut.load(std::memory_order_acquire))
        return lastFound.object;
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    const auto found = table.objects.find(value);
    if (found == table.objects.end()) return std::nullopt;
    lastFound = {value, takenOut.load(std::memory_order_relaxed), found->second};
    return found->second;
}

std::optional<KernelObject> TakeKernelObject(HANDLE handle) {
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    const auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == table.objects.end()) return std::nullopt;
    KernelObject object = found->second;
    table.objects.erase(found);
    takenOut.fetch_add(1, std::memory_order_release);
    return object;
}

std::size_t LiveKernelHandleCount() {
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    return table.objects.size();
}

}  // namespace win32::kernel
