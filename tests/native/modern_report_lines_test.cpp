#include "reader/modern_report.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = ReportLineKind;

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::Empty:
        return "Empty";
    case Kind::Title:
        return "Title";
    case Kind::Heading:
        return "Heading";
    case Kind::Field:
        return "Field";
    case Kind::Continuation:
        return "Continuation";
    }
    return "?";
}

TEST(ModernReportLines, SortsLines) {
    struct Case {
        std::string line;
        Kind kind;
        std::string label, value;
    } cases[] = {
        // Nothing but blanks.
        {"", Kind::Empty, "", ""},
        {"    ", Kind::Empty, "", ""},
        {"\xa1\xa1 ", Kind::Empty, "", ""},
        {"\r", Kind::Empty, "", ""},
        // Column 0.
        {"Windows IP Configuration", Kind::Title, "Windows IP Configuration", ""},
        {"Windows IP 配置", Kind::Title, "Windows IP 配置", ""},
        {"Ethernet adapter 本地连接:", Kind::Heading, "Ethernet adapter 本地连接:", ""},
        {"以太网适配器 以太网: ", Kind::Heading, "以太网适配器 以太网:", ""},
        {"Tunnel adapter isatap.{4F2C1E8A-7B3D-4C55-9A10-2E6B8F0D1C22}:", Kind::Heading,
         "Tunnel adapter isatap.{4F2C1E8A-7B3D-4C55-9A10-2E6B8F0D1C22}:", ""},
        {"以太网适配器 運:", Kind::Heading, "以太网适配器 運:", ""}, // 運 ends in '\'
        {"以太网适配器 質:", Kind::Heading, "以太网适配器 質:", ""}, // 質 ends in '|'
        // Fields of both families; the value loses its suffix and blanks.
        {"   IPv4 Address. . . . . . . . . . . : 192.168.1.5(Preferred) ", Kind::Field,
         "IPv4 Address", "192.168.1.5"},
        {"   IPv4 地址 . . . . . . . . . . . . : 192.168.1.5(首选) ", Kind::Field, "IPv4 地址",
         "192.168.1.5"},
        {"        IP Address. . . . . . . . . . . . : 192.168.1.5", Kind::Field, "IP Address",
         "192.168.1.5"},
        {"   Connection-specific DNS Suffix  . : ", Kind::Field, "Connection-specific DNS Suffix",
         ""},
        {"   Default Gateway . . . . . . . . . : fe80::1%11", Kind::Field, "Default Gateway",
         "fe80::1%11"},
        {"   Autoconfiguration IPv4 Address. . : 169.254.1.2(Preferred) ", Kind::Field,
         "Autoconfiguration IPv4 Address", "169.254.1.2"},
        {"   Media State . . . . . . . . . . . : Media disconnected", Kind::Field, "Media State",
         "Media disconnected"},
        {"   媒体状态  . . . . . . . . . . . . : 媒体已断开连接", Kind::Field, "媒体状态",
         "媒体已断开连接"},
        // The value's own colons do not move the label's end.
        {"   获得租约的时间  . . . . . . . . . : 2023年5月8日 8:30:12", Kind::Field,
         "获得租约的时间", "2023年5月8日 8:30:12"},
        {"   Description . . . . . . . . . . . : Intel(R) PRO/1000", Kind::Field, "Description",
         "Intel"},
        // Continuation lines, IPv6 ones holding colons of their own.
        {std::string(39, ' ') + "192.168.1.2", Kind::Continuation, "", "192.168.1.2"},
        {std::string(39, ' ') + "fe80::1%11", Kind::Continuation, "", "fe80::1%11"},
        {std::string(39, ' ') + "fec0:0:0:ffff::1%1 ", Kind::Continuation, "",
         "fec0:0:0:ffff::1%1"},
        {std::string(39, ' ') + "::1", Kind::Continuation, "", "::1"},
        {std::string(44, ' ') + "2001:db8::5(Preferred) ", Kind::Continuation, "", "2001:db8::5"},
        {"\xa1\xa1"
         "192.168.1.3\xa1\xa1",
         Kind::Continuation, "", "192.168.1.3"},
    };
    for (const Case& c : cases) {
        ReportLine line = classifyReportLine(c.line);
        EXPECT_STREQ(kindName(line.kind), kindName(c.kind)) << c.line;
        EXPECT_EQ(line.label, c.label) << c.line;
        EXPECT_EQ(line.value, c.value) << c.line;
    }
}

TEST(ModernReportLines, StepsOverTwoByteCharacters) {
    // 0xB0 0x3A and 0xB0 0x28 are single characters: neither a colon nor a "(" begins there.
    ReportLine line = classifyReportLine("   a\xb0: . . : b");
    EXPECT_EQ(line.kind, Kind::Field);
    EXPECT_EQ(line.label, "a\xb0:");
    EXPECT_EQ(line.value, "b");
    line = classifyReportLine("   Name . . : a\xb0(b(c)");
    EXPECT_EQ(line.kind, Kind::Field);
    EXPECT_EQ(line.label, "Name");
    EXPECT_EQ(line.value, "a\xb0(b");
    EXPECT_EQ(classifyReportLine("Ethernet adapter \xb0:").kind, Kind::Title);
}

} // namespace
