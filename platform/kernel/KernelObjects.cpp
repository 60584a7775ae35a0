#include "platform/kernel/KernelObjects.h"

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
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    const auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == table.objects.end()) return std::nullopt;
    return found->second;
}

std::optional<KernelObject> TakeKernelObject(HANDLE handle) {
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    const auto found = table.objects.find(reinterpret_cast<std::uintptr_t>(handle));
    if (found == table.objects.end()) return std::nullopt;
    KernelObject object = found->second;
    table.objects.erase(found);
    return object;
}

std::size_t LiveKernelHandleCount() {
    auto& table = Objects();
    std::lock_guard lock(table.mutex);
    return table.objects.size();
}

}  // namespace win32::kernel
