// Every other Windows-side test relies on GBK being the ANSI code page; a
// wrong locale would otherwise pass silently with garbled texts.
#include <gtest/gtest.h>

#include <windows.h>

TEST(WineSession, AnsiCodePageIsGbk) {
    EXPECT_EQ(GetACP(), 936u);
    // "本地连接" as the compiler wrote it must come back whole through the ANSI calls.
    const char text[] = "本地连接";
    ASSERT_EQ(sizeof text - 1, 8u);
    wchar_t wide[8] = {};
    ASSERT_EQ(MultiByteToWideChar(CP_ACP, 0, text, -1, wide, 8), 5);
    EXPECT_EQ(wide[0], 0x672C); // 本
    EXPECT_EQ(wide[3], 0x63A5); // 接
}
