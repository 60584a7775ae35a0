#include <gtest/gtest.h>

#include <utility>

#include "platform/kernel/KernelExtensions.h"
#include "platform/kernel/Pipes.h"
#include "platform/kernel/ScopedHandle.h"

namespace {

using namespace win32;

TEST(ScopedHandle, ClosesItsHandleOnceWhereverItEnds) {
    const std::size_t before = OpenKernelHandleCount();
    {
        ScopedHandle readEnd;
        ScopedHandle writeEnd;
        ASSERT_TRUE(CreatePipe(readEnd.Put(), writeEnd.Put(), nullptr, 0));
        EXPECT_EQ(OpenKernelHandleCount(), before + 2);
        ScopedHandle moved = std::move(writeEnd);
        EXPECT_EQ(writeEnd.Get(), nullptr);
        moved.Close();
        EXPECT_EQ(OpenKernelHandleCount(), before + 1);
    }
    EXPECT_EQ(OpenKernelHandleCount(), before);
}

}  // namespace
