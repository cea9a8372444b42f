#include "reader/modern_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::string fixtureBytes(const std::string& name) {
    std::ifstream in(std::string(QUORBEL_REPORT_FIXTURES) + "/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Lines without their CR LF ends, as the report reader hands them over.
std::vector<std::string> fixtureLines(const std::string& name) {
    std::string bytes = fixtureBytes(name);
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

struct FixtureCase {
    const char* file;
    const char* record;
};

const FixtureCase fixtureCases[] = {
    // Tunnels and a wireless section with a gateway come first; the connected Ethernet
    // section after a disconnected one wins.
    {"win7_en_multi.txt",
     "WIN7-OFFICE|10.20.0.10|10.20.0.11|00-1E-C9-3A-5B-7C|10.20.30.41|255.255.254.0|10.20.30.1"},
    // VirtualBox host-only Ethernet first has no gateway; IPv6 gateway and DNS come first.
    {"win10_zh_multi.txt", "DESKTOP-7H3K2QF|114.114.114.114|223.5.5.5|70-85-C2-4D-9E-01|"
                           "192.168.1.105|255.255.255.0|192.168.1.1"},
    // No Ethernet section is connected: the first section with address and gateway;
    // two IPv6 DNS servers on the lines before the IPv4 ones.
    {"win10_en_wifi_only.txt", "LAPTOP-Q8M2V1RS|192.168.50.1|1.1.1.1|3C-A6-F6-11-22-33|"
                               "192.168.50.87|255.255.255.0|192.168.50.1"},
    // No gateway anywhere, and the first section only has an autoconfiguration address.
    {"win10_zh_no_gateway.txt",
     "LAB-PC07|10.0.8.2|10.0.8.3|00-0E-C6-8A-7B-6C|10.0.8.27|255.255.255.0|"},
    // A VPN section with a gateway comes first; one DNS server only.
    {"vista_en_single_dns.txt",
     "vista-home|192.168.2.1||00-1B-FC-A1-B2-C3|192.168.2.100|255.255.255.0|192.168.2.1"},
    // 2000/XP layout, English labels, Chinese adapter names, IPv6 values after IPv4 ones.
    {"xp_zh_multi.txt", "zhangsan-b2c3d4|202.96.134.133|202.96.128.86|00-E0-4C-12-34-56|"
                        "192.168.1.5|255.255.255.0|192.168.1.1"},
    // Names holding GBK characters whose second byte is '\' or '|', stray blanks.
    {"win10_zh_odd_names.txt",
     "ODD-NAMES|192.168.3.1|8.8.4.4|00-1A-2B-3C-4D-5E|192.168.3.7|255.255.255.0|192.168.3.1"},
    {"empty.txt", "||||||"},
};

TEST(ModernReport, ReadsFixtureReports) {
    for (const FixtureCase& c : fixtureCases) {
        std::string record = parseModernReport(fixtureLines(c.file));
        EXPECT_EQ(record, c.record) << c.file;
        EXPECT_EQ(std::count(record.begin(), record.end(), '|'), 6) << c.file;
    }
}

TEST(ModernReport, FixturesAreStoredAsIpconfigWritesThem) {
    for (const FixtureCase& c : fixtureCases) {
        std::string bytes = fixtureBytes(c.file);
        if (bytes.empty()) continue;
        EXPECT_EQ(bytes.substr(0, 2), "\r\n") << c.file << ": an empty first line";
        std::size_t lineFeeds = std::count(bytes.begin(), bytes.end(), '\n');
        std::size_t crLfs = 0;
        for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
             at = bytes.find("\r\n", at + 2))
            ++crLfs;
        EXPECT_EQ(crLfs, lineFeeds) << c.file << ": every line ends in CR LF";
    }
    // The Chinese reports are GBK on disk: the literal below is GBK at run time.
    EXPECT_NE(fixtureBytes("win10_zh_multi.txt").find("以太网适配器 以太网:"), std::string::npos);
    EXPECT_NE(fixtureBytes("win10_zh_odd_names.txt").find("運:"), std::string::npos);
}

using Lines = std::vector<std::string>;

const std::string head = "Windows IP Configuration";
const std::string host = "   Host Name . . . . . . . . . . . . : PC1";
const std::string lan = "Ethernet adapter Local Area Connection:";
const std::string wifi = "Wireless LAN adapter Wi-Fi:";
const std::string ip = "   IPv4 Address. . . . . . . . . . . : ";
const std::string mask = "   Subnet Mask . . . . . . . . . . . : ";
const std::string gateway = "   Default Gateway . . . . . . . . . : ";
const std::string dns = "   DNS Servers . . . . . . . . . . . : ";
const std::string more = std::string(39, ' ');

TEST(ModernReport, PicksOneSection) {
    struct Case {
        const char* name;
        Lines lines;
        const char* record;
    } cases[] = {
        {"no adapter: the host name only", {"", head, "", host + " "}, "PC1||||||"},
        {"an IPv6 gateway alone is no gateway",
         {"", head, "", host, "", lan, "", ip + "10.0.0.2(Preferred) ", gateway + "fe80::1%4", "",
          wifi, "", ip + "10.1.0.2", gateway + "10.1.0.1"},
         "PC1||||10.1.0.2||10.1.0.1"},
        {"an address without a gateway still counts, last",
         {"", head, "", host, "", "Tunnel adapter isatap.{1}:", "", ip, gateway, "", lan, "",
          ip + "10.0.0.2", mask + "255.0.0.0"},
         "PC1||||10.0.0.2|255.0.0.0|"},
        {"look-alike labels are not read",
         {"", head, "", host, "", lan, "",
          "   Autoconfiguration IPv4 Address. . : 169.254.1.2(Preferred) ",
          "   Link-local IPv6 Address . . . . . : fe80::1%4(Preferred) ",
          "   DHCP Server . . . . . . . . . . . : 10.0.0.1", mask + "255.255.0.0"},
         "PC1||||||"},
        {"the first of repeated addresses, any suffix cut",
         {"", head, "", host, "", lan, "", ip + "10.0.0.7(Deprecated) ",
          ip + "10.0.0.8(Preferred) ", mask + "255.255.255.0", mask + "255.255.0.0",
          gateway + "10.0.0.1", dns + "10.0.0.53(Duplicate)"},
         "PC1|10.0.0.53|||10.0.0.7|255.255.255.0|10.0.0.1"},
        {"Chinese suffixes",
         {"", "Windows IP 配置", "", "   主机名  . . . . . . . . . . . . . : PC2", "",
          "以太网适配器 以太网:", "", "   IPv4 地址 . . . . . . . . . . . . : 10.0.0.9(复制) ",
          "   默认网关. . . . . . . . . . . . . : 10.0.0.1(已弃用) "},
         "PC2||||10.0.0.9||10.0.0.1"},
        {"a continuation line after an empty line belongs to nothing",
         {"", head, "", host, "", lan, "", ip + "10.0.0.2", gateway + "10.0.0.1", dns + "10.0.0.53",
          "", more + "10.0.0.54"},
         "PC1|10.0.0.53|||10.0.0.2||10.0.0.1"},
        {"values under another label are not taken",
         {"", head, "", host, "", lan, "", ip + "10.0.0.2", gateway + "10.0.0.1",
          "   Primary WINS Server . . . . . . . : 10.0.0.60", more + "10.0.0.61"},
         "PC1||||10.0.0.2||10.0.0.1"},
        {"CRs left on the lines",
         {"\r", head + "\r", host + "\r", lan + "\r", ip + "1.2.3.4\r"},
         "PC1||||1.2.3.4||"},
        {"labels in another letter case",
         {head, host, lan, "   IPV4 ADDRESS. . . . : 1.2.3.4"},
         "PC1||||1.2.3.4||"},
        {"only a title", {"", head, ""}, "||||||"},
        {"no lines", {}, "||||||"},
    };
    for (const Case& c : cases) {
        std::string record = parseModernReport(c.lines);
        EXPECT_EQ(record, c.record) << c.name;
        EXPECT_EQ(std::count(record.begin(), record.end(), '|'), 6) << c.name;
    }
}

TEST(ModernReport, KeepsGbkNamesAndBlanksApart) {
    struct Case {
        const char* name;
        Lines lines;
        std::string record;
        int barsInValues;
    } cases[] = {
        {"'\\' and '|' as second bytes in headings and descriptions",
         {"", head, "", host, "", "以太网适配器 運營質:", "",
          "   描述. . . . . . . . . . . . . . . : 質|運\\ (x)", ip + "1.2.3.4", "",
          "以太网适配器 錦觸|:", "", ip + "5.6.7.8", gateway + "5.6.7.1"},
         "PC1||||5.6.7.8||5.6.7.1",
         0},
        {"full-width blanks around values and as the indent",
         {"", head, "", host + "\xa1\xa1", "", lan + " \xa1\xa1", "",
          std::string("\xa1\xa1 IPv4 Address. . . . . . . . . . : \xa1\xa1") +
              "10.0.0.2\xa1\xa1(Preferred)",
          dns + "10.0.0.53 ", "\xa1\xa1\xa1\xa1" + more + "10.0.0.54\xa1\xa1  "},
         "PC1|10.0.0.53|10.0.0.54||10.0.0.2||",
         0},
        // The host name's own '|' (second byte of 質) is the only one beyond the six.
        {"a host name holding a '|' byte",
         {"", head, "", "   Host Name . . . : 質", lan, ip + "1.2.3.4"},
         "質||||1.2.3.4||",
         1},
    };
    for (const Case& c : cases) {
        std::string record = parseModernReport(c.lines);
        EXPECT_EQ(record, c.record) << c.name;
        EXPECT_EQ(std::count(record.begin(), record.end(), '|'), 6 + c.barsInValues) << c.name;
    }
    EXPECT_EQ(std::string("質").size(), 2u);
    EXPECT_EQ(std::string("質")[1], '|');
}

} // namespace
