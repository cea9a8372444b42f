#include "reader/text_rules.h"

#include <gtest/gtest.h>

TEST(TextRules, Trim) {
    struct Case {
        std::string in, both, start;
    } cases[] = {
        {"  a b  ", "a b", "a b  "},
        {"\xa1\xa1 x\xa1\xa1 ", "x", "x\xa1\xa1 "},
        {"\tx\r", "\tx\r", "\tx\r"}, // tabs and carriage returns stay
        {"ab\xb0", "ab", "ab\xb0"},  // a lone lead byte standing last goes
        {"ab \xb0", "ab", "ab \xb0"},
        {"\xb1\xbe ", "\xb1\xbe", "\xb1\xbe "},
        {"\xb0\xa1\xa1", "\xb0\xa1", "\xb0\xa1\xa1"}, // 0xA1 0xA1 only counts as a whole character
        {"", "", ""},
        {"   ", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(trimText(c.in), c.both) << c.in;
        EXPECT_EQ(trimStart(c.in), c.start) << c.in;
    }
}

TEST(TextRules, LabelContainment) {
    EXPECT_TRUE(containsLabel("Host Name . : PC", "host name . : "));
    EXPECT_TRUE(containsLabel("xx 11 Ethernet adapter :", "1 Ethernet adapter :"));
    EXPECT_FALSE(containsLabel("Host Name . :", "Host Name . : "));
    // "IP" inside a two-byte character is no match: 0xB0 0x49 then "P".
    EXPECT_FALSE(containsLabel("\xb0IP", "IP"));
    EXPECT_TRUE(containsLabel("\xb0\x41IP", "IP"));
    EXPECT_TRUE(containsLabel("abc", ""));
}

TEST(TextRules, DotPositionAndCuts) {
    EXPECT_EQ(dotPosition("ALPHA.LAN"), 6);
    EXPECT_EQ(dotPosition(".5"), 1);
    EXPECT_EQ(dotPosition("fe80"), -1);
    EXPECT_EQ(dotPosition("\xb0.x.y"), 4); // 0xB0 0x2E is one character
    EXPECT_EQ(firstBytes("abc", 0), "");
    EXPECT_EQ(firstBytes("abc", -2), "");
    EXPECT_EQ(firstBytes("abc", 2), "ab");
    EXPECT_EQ(firstBytes("abc", 9), "abc");
    EXPECT_EQ(lastBytes("abc", 2), "bc");
    EXPECT_EQ(lastBytes("abc", 9), "abc");
    EXPECT_EQ(lastBytes("abc", -1), "");
}

TEST(TextRules, Numbers) {
    struct Case {
        std::string in, out;
    } cases[] = {
        {"010", "10"},
        {"202", "202"},
        {"", "0"},
        {"abc", "0"},
        {" 7x", "7"},
        {"\xa3\xb1\xa3\xb9\xa3\xb2", "192"}, // full-width digits
        {"\xa1\xa1\xa3\xb5", "5"},           // full-width blank first
        {"1.5", "1.5"},
        {"12345678901234", "1.234567890123e+13"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(writeNumber(readNumber(c.in)), c.out) << c.in;
}

TEST(TextRules, DottedIPv4) {
    for (const char* yes : {"192.168.1.3", "0.0.0.0", "255.255.255.255", "010.0.0.1"})
        EXPECT_TRUE(isDottedIPv4(yes)) << yes;
    for (const char* no : {"", "0", "0. def", "0fe80", "0.5", "256.1.1.1", "1.2.3", "1.2.3.4.",
                           "1.2.3.4 ", " 1.2.3.4", "1..2.3", "1234.1.1.1", "a.b.c.d", "1.2.3.-4"})
        EXPECT_FALSE(isDottedIPv4(no)) << no;
}
