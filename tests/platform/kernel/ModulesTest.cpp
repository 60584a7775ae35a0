#include <gtest/gtest.h>

#include <filesystem>

#include "platform/kernel/CurrentProcess.h"
#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/LastError.h"
#include "platform/kernel/Modules.h"

namespace win32 {
namespace {

LONG_PTR FortyTwo() { return 42; }

TEST(Modules, NamesAreCaseInsensitiveWithOptionalDllSuffix) {
    const HMODULE user32 = GetModuleHandleA("user32");
    ASSERT_NE(user32, nullptr);
    for (const char* name : {"USER32", "User32.dll", "user32.DLL"}) {
        EXPECT_EQ(GetModuleHandleA(name), user32) << name;
    }
    for (const char* name : {"kernel32", "gdi32", "comctl32", "uxtheme", "shell32"}) {
        const HMODULE module = GetModuleHandleA(name);
        EXPECT_NE(module, nullptr) << name;
        EXPECT_NE(module, user32) << name;
    }
    EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(GetModuleHandleA(nullptr), user32);
}

TEST(Modules, UnknownModuleIsNotFound) {
    for (const char* name : {"ntdll", "user", "user32.dll.dll", ".dll", ""}) {
        SetLastError(0);
        EXPECT_EQ(LoadLibraryA(name), nullptr) << name;
        EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND) << name;
        SetLastError(0);
        EXPECT_EQ(GetModuleHandleA(name), nullptr) << name;
        EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND) << name;
    }
}

TEST(Modules, LoadLibraryIsReferenceCounted) {
    const HMODULE shell32 = GetModuleHandleA("shell32");
    const int before = ModuleLoadCount(shell32);
    EXPECT_EQ(LoadLibraryA("shell32.dll"), shell32);
    EXPECT_EQ(LoadLibraryA("SHELL32"), shell32);
    EXPECT_EQ(ModuleLoadCount(shell32), before + 2);
    EXPECT_TRUE(FreeLibrary(shell32));
    EXPECT_EQ(ModuleLoadCount(shell32), before + 1);
    EXPECT_TRUE(FreeLibrary(shell32));
    EXPECT_EQ(ModuleLoadCount(shell32), before);
    // The module stays usable: it lives as long as the process.
    EXPECT_EQ(GetModuleHandleA("shell32"), shell32);

    SetLastError(0);
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(0x1234)));
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

TEST(Modules, ExportsCanBeRegisteredRemovedAndRestored) {
    const HMODULE uxtheme = GetModuleHandleA("uxtheme");
    ASSERT_TRUE(RegisterModuleExport("UxTheme.dll", "TestOnlyExport", &FortyTwo));

    const FARPROC found = GetProcAddress(uxtheme, "TestOnlyExport");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found(), 42);

    SetLastError(0);
    EXPECT_EQ(GetProcAddress(uxtheme, "testonlyexport"), nullptr) << "export names keep their case";
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA("user32"), "TestOnlyExport"), nullptr);

    const FARPROC removed = RemoveModuleExport("uxtheme", "TestOnlyExport");
    EXPECT_EQ(removed, found);
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(uxtheme, "TestOnlyExport"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    EXPECT_EQ(RemoveModuleExport("uxtheme", "TestOnlyExport"), nullptr);

    ASSERT_TRUE(RegisterModuleExport("uxtheme", "TestOnlyExport", removed));
    EXPECT_EQ(GetProcAddress(uxtheme, "TestOnlyExport"), found);
    RemoveModuleExport("uxtheme", "TestOnlyExport");

    EXPECT_FALSE(RegisterModuleExport("ntdll", "TestOnlyExport", &FortyTwo));
    EXPECT_FALSE(RegisterModuleExport(nullptr, "TestOnlyExport", &FortyTwo));
}

TEST(Modules, GetProcAddressRejectsOrdinalsAndBadHandles) {
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(GetModuleHandleA("kernel32"), reinterpret_cast<LPCSTR>(1)), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_PROC_NOT_FOUND);
    SetLastError(0);
    EXPECT_EQ(GetProcAddress(nullptr, "GetLastError"), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_MOD_NOT_FOUND);
}

}  // namespace
}  // namespace win32

namespace win32 {
namespace {

TEST(Modules, Kernel32ExportsItsOwnFunctions) {
    const HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
    const auto getPid = FromFarProc<DWORD()>(GetProcAddress(kernel32, "GetCurrentProcessId"));
    ASSERT_NE(getPid, nullptr);
    EXPECT_EQ(getPid(), GetCurrentProcessId());
    for (const char* name :
         {"CreatePipe", "CreateProcessA", "ReadFile", "CloseHandle", "GetShortPathNameA", "GetVersionExA",
          "GetModuleHandleA", "GetProcAddress", "LoadLibraryA", "FreeLibrary"}) {
        EXPECT_NE(GetProcAddress(kernel32, name), nullptr) << name;
    }
}

TEST(ApplicationFolder, IsTheFolderOfTheRunningProgram) {
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe");
    EXPECT_EQ(ApplicationFolder(), exe.parent_path().string());
    EXPECT_TRUE(ApplicationFolder().ends_with("/tests")) << ApplicationFolder();
}

}  // namespace
}  // namespace win32
