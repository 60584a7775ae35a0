#include "platform/kernel/Modules.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/kernel/Kernel32Exports.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/LastError.h"

namespace win32 {

namespace {

struct Module {
    std::string name;  // lower case, without ".dll"
    std::map<std::string, FARPROC> exports;
    int loadCount = 0;
};

// Index 0 is the executable itself; it has no name and no exports.
constexpr std::array<std::string_view, 7> kModuleNames = {"",         "kernel32", "user32", "gdi32",
                                                          "comctl32", "uxtheme",  "shell32"};
constexpr std::uintptr_t kModuleBase = 0x400000;
constexpr std::uintptr_t kModuleStride = 0x10000;

struct ModuleTable {
    std::mutex mutex;
    std::array<Module, kModuleNames.size()> modules;

    ModuleTable() {
        for (std::size_t i = 0; i < modules.size(); ++i) modules[i].name = kModuleNames[i];
        // kernel32 is ours, so its exports are known from the start; the
        // other layers register theirs.
        for (const auto& [name, address] : kernel::Kernel32Exports()) modules[1].exports[name] = address;
    }
};

ModuleTable& Table() {
    static ModuleTable table;
    return table;
}

std::string NormalisedName(std::string_view name) {
    std::string lower(name);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (lower.size() > 4 && lower.ends_with(".dll")) lower.resize(lower.size() - 4);
    return lower;
}

HMODULE HandleOf(std::size_t index) { return reinterpret_cast<HMODULE>(kModuleBase + index * kModuleStride); }

// Index of a module by name; nullptr names the executable. -1 when unknown.
int IndexByName(LPCSTR name) {
    if (name == nullptr) return 0;
    const std::string wanted = NormalisedName(name);
    if (wanted.empty()) return -1;
    for (std::size_t i = 1; i < kModuleNames.size(); ++i) {
        if (kModuleNames[i] == wanted) return static_cast<int>(i);
    }
    return -1;
}

int IndexByHandle(HMODULE module) {
    const auto value = reinterpret_cast<std::uintptr_t>(module);
    if (value < kModuleBase || (value - kModuleBase) % kModuleStride != 0) return -1;
    const auto index = (value - kModuleBase) / kModuleStride;
    return index < kModuleNames.size() ? static_cast<int>(index) : -1;
}

// Ordinals are passed as a name pointer below 0x10000 (MAKEINTRESOURCE).
bool IsOrdinal(LPCSTR procName) { return reinterpret_cast<std::uintptr_t>(procName) < 0x10000; }

}  // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    const int index = IndexByName(moduleName);
    if (index < 0) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    return HandleOf(static_cast<std::size_t>(index));
}

HMODULE LoadLibraryA(LPCSTR libFileName) {
    const int index = libFileName == nullptr ? -1 : IndexByName(libFileName);
    if (index < 0) {
        SetLastError(libFileName == nullptr ? ERROR_INVALID_PARAMETER : ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    ++table.modules[static_cast<std::size_t>(index)].loadCount;
    return HandleOf(static_cast<std::size_t>(index));
}

BOOL FreeLibrary(HMODULE module) {
    const int index = IndexByHandle(module);
    if (index < 0) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return FALSE;
    }
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    auto& count = table.modules[static_cast<std::size_t>(index)].loadCount;
    // The process's own reference is never dropped, so extra calls are harmless.
    if (count > 0) --count;
    return TRUE;
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    const int index = IndexByHandle(module);
    if (index < 0) {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    if (procName == nullptr || IsOrdinal(procName)) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    const auto& exports = table.modules[static_cast<std::size_t>(index)].exports;
    // Export names are case-sensitive, as in a real export table.
    const auto found = exports.find(procName);
    if (found == exports.end()) {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return found->second;
}

bool RegisterModuleExport(LPCSTR moduleName, LPCSTR procName, FARPROC address) {
    const int index = moduleName == nullptr ? -1 : IndexByName(moduleName);
    if (index <= 0 || procName == nullptr || address == nullptr) return false;
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    table.modules[static_cast<std::size_t>(index)].exports[procName] = address;
    return true;
}

FARPROC RemoveModuleExport(LPCSTR moduleName, LPCSTR procName) {
    const int index = moduleName == nullptr ? -1 : IndexByName(moduleName);
    if (index <= 0 || procName == nullptr) return nullptr;
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    auto& exports = table.modules[static_cast<std::size_t>(index)].exports;
    const auto found = exports.find(procName);
    if (found == exports.end()) return nullptr;
    const FARPROC address = found->second;
    exports.erase(found);
    return address;
}

int ModuleLoadCount(HMODULE module) {
    const int index = IndexByHandle(module);
    if (index < 0) return 0;
    auto& table = Table();
    std::lock_guard lock(table.mutex);
    return table.modules[static_cast<std::size_t>(index)].loadCount;
}

}  // namespace win32
