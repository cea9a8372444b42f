#include "reader/report_parser.h"

#include "fakes.h"
#include "host/host.h"
#include "reader/capture_state.h"

#include <gtest/gtest.h>

namespace {

const std::string reportPath = "C:\\TEMP\\\\ipmac.txt";

// Lines joined with CR LF, as ipconfig writes them.
std::string report(std::initializer_list<std::string> lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::string parse(const std::string& text, bool shortLabels) {
    resetFakes();
    host.files[reportPath] = text;
    reportFile = openFile(reportPath);
    std::string record = shortLabels ? parseShortLabelReport() : parseLongLabelReport();
    EXPECT_EQ(host.files.count(reportPath), 0u) << "the report is deleted";
    EXPECT_EQ(openFileCount(), 0) << "the report is closed";
    return record;
}

const std::string longHost = "Host Name . . . . . . . . . . . . : ";
const std::string longMac = "Physical Address. . . . . . . . . : ";
const std::string longIp = "IP Address. . . . . . . . . . . . : ";
const std::string longMask = "Subnet Mask . . . . . . . . . . . : ";
const std::string longGateway = "Default Gateway . . . . . . . . . : ";
const std::string longDns = "DNS Servers . . . . . . . . . . . : ";

const std::string shortHost = "Host Name . . . . . . . . . : ";
const std::string shortDns = "DNS Servers . . . . . . . . : ";
const std::string shortMac = "Physical Address. . . . . . : ";
const std::string shortIp = "IP Address. . . . . . . . . : ";
const std::string shortMask = "Subnet Mask . . . . . . . . : ";
const std::string shortGateway = "Default Gateway . . . . . . : ";

TEST(LongLabelReport, ReadsTheFirstSectionInRecordOrder) {
    EXPECT_EQ(
        parse(report({longHost + "PC1", longMac + "00-11-22-33-44-55", longIp + "192.168.1.5",
                      longMask + "255.255.255.0", longGateway + "192.168.1.1",
                      longDns + "192.168.1.2", "192.168.1.3"}),
              false),
        "PC1|192.168.1.2|192.168.1.3|00-11-22-33-44-55|192.168.1.5|255.255.255.0|192.168.1.1");
}

TEST(LongLabelReport, RealXpReportWithIndentsEmptyValuesAndOneDnsServer) {
    const std::string pad = "        ";
    std::string text = report({
        "",
        "Windows IP Configuration",
        "",
        pad + longHost + "office-pc",
        pad + "Primary Dns Suffix  . . . . . . . : ",
        pad + "IP Routing Enabled. . . . . . . . : No",
        "",
        "Ethernet adapter 本地连接:",
        "",
        pad + "Connection-specific DNS Suffix  . : ",
        pad + "Description . . . . . . . . . . . : Realtek RTL8139 Family PCI Fast Ethernet NIC",
        pad + longMac + "00-E0-4C-12-34-56",
        pad + "Dhcp Enabled. . . . . . . . . . . : No",
        pad + longIp + "10.0.0.8",
        pad + longMask + "255.0.0.0",
        pad + longGateway,                                    // empty: passed over
        pad + "DEFAULT GATEWAY . . . . . . . . . : 10.0.0.1", // any letter case
        pad + longDns + "202.103.24.68",
        pad + "Primary WINS Server . . . . . . . : 10.0.0.2",
        pad + "Lease Obtained. . . . . . . . . . : 2007年10月23日 8:00:00",
    });
    EXPECT_EQ(parse(text, false),
              "office-pc|202.103.24.68||00-E0-4C-12-34-56|10.0.0.8|255.0.0.0|10.0.0.1");
}

TEST(LongLabelReport, AlternateDnsFromTheNextLine) {
    struct Case {
        std::string next, field;
    } cases[] = {
        {"192.168.1.3", "192.168.1.3"},
        {"010.0.0.1", "10.0.0.1"},
        {"", ""},
        {"abc. def", ""},
        {"fe80", ""},
        {".5", ""},
        {"   \xa1\xa1 8.8.4.4  ", "8.8.4.4"},
    };
    for (const Case& c : cases) {
        std::string record =
            parse(report({longHost + "h", longMac + "m", longIp + "i", longMask + "s",
                          longGateway + "g", longDns + "1.1.1.1", c.next}),
                  false);
        EXPECT_EQ(record, "h|1.1.1.1|" + c.field + "|m|i|s|g") << c.next;
    }
}

TEST(ShortLabelReport, ReadsAfterTheAdapterHeading) {
    const std::string pad = "        ";
    std::string text = report({
        "",
        "Windows 98 IP Configuration",
        "",
        pad + shortHost + "ALPHA.LAN",
        pad + shortDns + "202.103.24.68",
        pad + "                               202.103.0.68",
        pad + "Node Type . . . . . . . . . : Broadcast",
        "0 Ethernet adapter :",
        pad + shortMac + "44-45-53-54-00-00", // before the heading: passed over
        "1 Ethernet adapter :",
        pad + "Description . . . . . . . . : Realtek 8139",
        pad + shortMac + "00-E0-4C-AA-BB-CC",
        pad + shortIp + "192.168.1.97",     // the value right after the label keeps its first digit
        pad + shortMask + " 255.255.255.0", // one more blank: dropped
        pad + shortGateway + "192.168.1.1",
    });
    EXPECT_EQ(parse(text, true), "ALPHA|202.103.24.68|202.103.0.68|00-E0-4C-AA-BB-CC|192.168.1.97|"
                                 "255.255.255.0|192.168.1.1");
}

TEST(ShortLabelReport, HostNameCutAtTheFirstDot) {
    auto hostOf = [](const std::string& hostLine) {
        std::string record = parse(
            report({hostLine, shortDns + "1.1.1.1", "", "11 Ethernet adapter :", shortMac + "m",
                    shortIp + "i", shortMask + "s", shortGateway + "g"}),
            true);
        return record.substr(0, record.find('|'));
    };
    EXPECT_EQ(hostOf(shortHost + " ALPHA.LAN"), "ALPHA");
    EXPECT_EQ(hostOf(shortHost + "ALPHA.LAN"), "ALPHA");
    EXPECT_EQ(hostOf(shortHost + " ALPHA"), "");
}

TEST(ReportParser, ReportEndingEarlyStillFinishes) {
    // A layout without the sought labels, an empty report and a missing file:
    // the seeks stop at the end, the file is closed and deleted.
    EXPECT_EQ(parse(report({longHost + "PC1", longMac + "00-11"}), false), "PC1|||00-11|||");
    EXPECT_EQ(parse("", false), "||||||");
    EXPECT_EQ(parse("", true), "||||||");
    EXPECT_EQ(parse(longHost + "A" + std::string("\0junk", 5), false), "A||||||");
}

TEST(ReportParser, GbkLinesDoNotConfuseTheLabels) {
    // 0x7C and 0x5C as second bytes, and a full-width blank ending the line.
    std::string text =
        report({"以太网 \x81|\x95\\", longHost + "主机\x81|", longMac + "m", longIp + "i",
                longMask + "s", longGateway + "g\xa1\xa1", longDns + "d", ""});
    EXPECT_EQ(parse(text, false), "主机\x81||d||m|i|s|g");
}

} // namespace
