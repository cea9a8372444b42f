// Settings files through the private-profile calls, on real files. Each case
// uses a file of its own: Windows may cache a settings file it has read.
#include "host/host.h"

#include "win_test_util.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace wintest;

TEST(ProfileValue, RoundTripsGbkSectionKeyAndValue) {
    TempDir temp;
    std::string path = temp / "设置乗.ini";
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {
        {"本地", "连接", "乗亅 值"},
        {"1", "ip", "192.168.0.1"},
        {"2", "乗", "亅|\\"},
        {"1", "dns", "8.8.8.8 x"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(writeProfileValue(path, c.section, c.key, c.value));
    EXPECT_TRUE(exists(path));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(readProfileValue(path, c.section, c.key), c.value);
    }
    std::string raw = readAll(path);
    EXPECT_NE(raw.find("[本地]\r\n连接=乗亅 值\r\n"), std::string::npos) << raw;
}

TEST(ProfileValue, EmptyValueKeepsTheKey) {
    TempDir temp;
    std::string fresh = temp / "fresh.ini", replaced = temp / "replaced.ini";
    EXPECT_TRUE(writeProfileValue(fresh, "1", "ip", ""));
    ASSERT_TRUE(writeAll(replaced, "[1]\r\nip=10.0.0.1\r\nmask=255.0.0.0\r\n"));
    EXPECT_TRUE(writeProfileValue(replaced, "1", "ip", ""));
    EXPECT_EQ(readAll(fresh), "[1]\r\nip=\r\n");
    EXPECT_EQ(readAll(replaced), "[1]\r\nip=\r\nmask=255.0.0.0\r\n");
    EXPECT_EQ(readProfileValue(replaced, "1", "ip"), "");
    EXPECT_EQ(readProfileValue(replaced, "1", "mask"), "255.0.0.0");
}

TEST(ProfileValue, MissingFileSectionOrKeyGivesEmptyText) {
    TempDir temp;
    std::string path = temp / "kavro.ini", missing = temp / "missing.ini";
    ASSERT_TRUE(writeAll(path, "[1]\r\nip=1.2.3.4\r\n[2]\r\n"));
    EXPECT_EQ(readProfileValue(path, "1", "ip"), "1.2.3.4");
    EXPECT_EQ(readProfileValue(missing, "1", "ip"), "");
    EXPECT_FALSE(exists(missing));
    EXPECT_EQ(readProfileValue(path, "3", "ip"), "");
    EXPECT_EQ(readProfileValue(path, "2", "ip"), "");
    EXPECT_EQ(readProfileValue(path, "1", "mask"), "");
}

TEST(ProfileValue, BlankNamesGiveEmptyTextWithoutAsking) {
    TempDir temp;
    // A key with an empty name, which a blank key would find if Windows were asked.
    std::string path = temp / "blank.ini", missing = temp / "missing.ini";
    const std::string content = "[1]\r\n=leak\r\nip=1.2.3.4\r\n[\x01]\r\nip=leak\r\n";
    ASSERT_TRUE(writeAll(path, content));
    struct Case {
        std::string file, section, key;
    } cases[] = {
        {path, "1", "   "}, {path, "1", "\t\x01\x20"}, {path, "1", ""}, {path, " \x01", "ip"},
        {path, "", "ip"},   {" \t", "1", "ip"},        {"", "1", "ip"}, {missing, "1", "  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + "|" + c.section + "|" + c.key);
        EXPECT_EQ(readProfileValue(c.file, c.section, c.key), "");
    }
    EXPECT_EQ(readAll(path), content);
    EXPECT_FALSE(exists(missing));
}

TEST(ProfileValue, LeadingBlanksAndControlBytesAreDroppedOnReading) {
    TempDir temp;
    std::string path = temp / "lead.ini";
    ASSERT_TRUE(writeAll(path, "[本地]\r\n连接=v1\r\n[!s]\r\n!k=v2\r\n"));
    struct Case {
        std::string file, section, key, value;
    } cases[] = {
        {" \t\x05" + path, "本地", "连接", "v1"},
        {path, "\x01\x1f 本地", "连接", "v1"},
        {path, "本地", "\x20\x10\r\n连接", "v1"},
        {"\x01" + path, "\x02!s", "\x03!k", "v2"}, // 0x21 ends the dropping
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file + "|" + c.section + "|" + c.key);
        EXPECT_EQ(readProfileValue(c.file, c.section, c.key), c.value);
    }
}

TEST(ProfileValue, LongValueIsCut) {
    TempDir temp;
    std::string value;
    for (int i = 0; i < 12000; ++i)
        value += static_cast<char>('0' + i % 10);
    struct Case {
        const char* name;
        std::string stored, read;
    } cases[] = {
        {"exactly fits", value.substr(0, 10239), value.substr(0, 10239)},
        {"one byte over", value.substr(0, 10240), value.substr(0, 10239)},
        {"far over", value, value.substr(0, 10239)},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string path = temp / ("long" + std::to_string(++n) + ".ini");
        ASSERT_TRUE(writeProfileValue(path, "1", "ip", c.stored));
        EXPECT_EQ(readAll(path), "[1]\r\nip=" + c.stored + "\r\n");
        EXPECT_EQ(readProfileValue(path, "1", "ip"), c.read);
    }
}

TEST(ProfileValue, WritingOneKeyLeavesTheRestAlone) {
    TempDir temp;
    std::string path = temp / "kavro.ini";
    ASSERT_TRUE(writeAll(path, "[1]\r\nip=1.1.1.1\r\nmask=255.0.0.0\r\n[2]\r\nip=2.2.2.2\r\n"));
    EXPECT_TRUE(writeProfileValue(path, "1", "ip", "9.9.9.9"));
    EXPECT_TRUE(writeProfileValue(path, "3", "gw", "3.3.3.3"));  // a new section
    EXPECT_TRUE(writeProfileValue(path, "2", "dns", "4.4.4.4")); // a new key
    EXPECT_EQ(readProfileValue(path, "1", "ip"), "9.9.9.9");
    EXPECT_EQ(readProfileValue(path, "1", "mask"), "255.0.0.0");
    EXPECT_EQ(readProfileValue(path, "2", "ip"), "2.2.2.2");
    EXPECT_EQ(readProfileValue(path, "2", "dns"), "4.4.4.4");
    EXPECT_EQ(readProfileValue(path, "3", "gw"), "3.3.3.3");
    std::string raw = readAll(path);
    EXPECT_NE(raw.find("[1]\r\nip=9.9.9.9\r\nmask=255.0.0.0\r\n"), std::string::npos) << raw;
    EXPECT_NE(raw.find("[2]\r\nip=2.2.2.2\r\ndns=4.4.4.4\r\n"), std::string::npos) << raw;
}

TEST(ProfileValue, WriteFailsWhereNoFileCanBe) {
    TempDir temp;
    EXPECT_FALSE(writeProfileValue(temp / "no folder\\x.ini", "1", "ip", "1.2.3.4"));
    EXPECT_FALSE(exists(temp / "no folder"));
}
