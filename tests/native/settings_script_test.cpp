#include "writer/settings_script.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> linesOf(const std::string& script) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = script.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(script.substr(start, end - start));
    lines.push_back(script.substr(start));
    return lines;
}

// The script line by line with the byte count of each line's fixed text.
struct Line {
    const char* text;
    std::size_t fixedBytes;
};

TEST(SettingsScript, EveryLineAndItsBytes) {
    std::string script = buildSettingsScript("IP", "MASK", "GW", "DNS1", "DNS2");
    const Line expected[] = {
        {R"(strComputer = ".")", 17},
        {R"(Set objWMIService = GetObject("winmgmts:\\" & strComputer & "\root\cimv2"))", 74},
        {"", 0},
        {"Set colNetAdapters = objWMIService.ExecQuery _", 46},
        {R"(    ("Select * from Win32_NetworkAdapterConfiguration Where IPEnabled=True"))", 76},
        {"", 0},
        {R"(strIPAddress = Array("IP"))", 24},
        {R"(strSubnetMask = Array("MASK"))", 25},
        {"", 0},
        {"For Each objNetAdapter in colNetAdapters", 40},
        {"    errEnable = objNetAdapter.EnableStatic(strIPAddress, strSubnetMask)", 71},
        {"Next", 4},
        {R"(Const STR_GATEWAY = "GW")", 22},
        {R"(Const STR_NEWDNS1 = "DNS1")", 22},
        {R"(Const STR_NEWDNS2 = "DNS2" )", 23},
        {R"(Set fs=CreateObject("Scripting.FileSystemObject"))", 49},
        {R"(strWinMgmt="winmgmts:{impersonationLevel=impersonate}")", 54},
        {R"(Set objNICs = GetObject( strWinMgmt ).InstancesOf("Win32_NetworkAdapterConfiguration"))",
         86},
        {"For Each objNIC In objNICs", 26},
        {"If objNIC.IPEnabled Then", 24},
        {"objNIC.SetDNSServerSearchOrder Array(STR_NEWDNS1,STR_NEWDNS2)", 61},
        {"objNIC.SetGateways Array(STR_GATEWAY)", 37},
        {"End If", 6},
        {"Next", 4},
    };
    const std::size_t inserted[] = {0, 0, 0, 0, 0, 0, 2, 4, 0, 0, 0, 0,
                                    2, 4, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::vector<std::string> lines = linesOf(script);
    ASSERT_EQ(lines.size(), 24u);
    for (std::size_t i = 0; i < 24; ++i) {
        EXPECT_EQ(lines[i], expected[i].text) << "line " << i + 1;
        EXPECT_EQ(lines[i].size() - inserted[i], expected[i].fixedBytes) << "line " << i + 1;
    }
    EXPECT_EQ(script.size(), 837u + 2 + 4 + 2 + 4 + 4);
    EXPECT_EQ(script.substr(script.size() - 6), "\r\nNext"); // no line end after the last line
}

TEST(SettingsScript, BoxTextsGoInByteForByte) {
    // Only the preferred DNS: 837 bytes plus its length, empty quotes elsewhere.
    std::string script = buildSettingsScript("", "", "", "202.103.24.68", "");
    EXPECT_EQ(script.size(), 837u + 13);
    std::vector<std::string> lines = linesOf(script);
    EXPECT_EQ(lines[6], R"(strIPAddress = Array(""))");
    EXPECT_EQ(lines[14], R"(Const STR_NEWDNS2 = "" )");
    // GBK bytes, no byte-order mark, nothing converted.
    std::string gbk = buildSettingsScript("\xb1\xbe", "", "", "x", "");
    EXPECT_EQ(gbk.substr(0, 3), "str");
    EXPECT_NE(gbk.find("Array(\"\xb1\xbe\")"), std::string::npos);
    EXPECT_EQ(std::string(settingsScriptName),
              "\\Quorbel\xb1\xbe\xb5\xd8\xc1\xac\xbd\xd3ip\xc9\xe8\xd6\xc3.VBS");
}

} // namespace
