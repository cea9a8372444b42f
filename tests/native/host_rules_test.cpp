#include "host/host_rules.h"

#include <gtest/gtest.h>

TEST(HostRules, DirectoryOfModulePath) {
    EXPECT_EQ(directoryOf("C:\\tools\\quorbel-ip.exe"), "C:\\tools");
    EXPECT_EQ(directoryOf("C:\\quorbel-ip.exe"), "C:");
    EXPECT_EQ(directoryOf("quorbel-ip.exe"), "");
    // 0x5C as the second byte of a character is no separator.
    EXPECT_EQ(directoryOf("C:\\\x95\\\\a.exe"), "C:\\\x95\\");
    EXPECT_EQ(directoryOf("C:\\\x95\\a.exe"), "C:");
}

TEST(HostRules, TempFolderEndsInOneBackslash) {
    EXPECT_EQ(withTrailingBackslash("C:\\TEMP\\"), "C:\\TEMP\\");
    EXPECT_EQ(withTrailingBackslash("C:\\TEMP"), "C:\\TEMP\\");
    EXPECT_EQ(withTrailingBackslash("C:\\\x95\\"), "C:\\\x95\\\\");
    EXPECT_EQ(withTrailingBackslash(""), "");
}

TEST(HostRules, ProfileNamesLoseLeadingBlanks) {
    EXPECT_EQ(dropLeadingBlanks(" \t\x01key "), "key ");
    EXPECT_EQ(dropLeadingBlanks("   "), "");
    EXPECT_EQ(dropLeadingBlanks("\xb1\xbe"), "\xb1\xbe");
    EXPECT_EQ(dropLeadingBlanks("!x"), "!x");
}

TEST(HostRules, OsKindAndMessageStyle) {
    EXPECT_EQ(osKindOfPlatform(0), 1);
    EXPECT_EQ(osKindOfPlatform(1), 2);
    EXPECT_EQ(osKindOfPlatform(2), 3);
    EXPECT_EQ(osKindOfPlatform(3), 0);
    EXPECT_EQ(messageBoxStyle(16), 16u | 0x2000u);
    EXPECT_EQ(messageBoxStyle(64 | 0x1000), 64u | 0x1000u);
}
