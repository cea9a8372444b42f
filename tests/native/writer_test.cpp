#include "writer/apply_static.h"
#include "writer/automatic_settings.h"
#include "writer/box_check.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

const std::string scriptPath =
    "C:\\tools\\Quorbel\xb1\xbe\xb5\xd8\xc1\xac\xbd\xd3ip\xc9\xe8\xd6\xc3.VBS";
const std::string fullWidthBlank = "\xa1\xa1";
const ShownMessage success{"修改成功！请查看本地连接", 64, "成功！"};

void fillBoxes(const std::string& ip, const std::string& mask, const std::string& gateway,
               const std::string& dns1, const std::string& dns2) {
    controls.text[编辑框1] = ip;
    controls.text[编辑框2] = mask;
    controls.text[编辑框3] = gateway;
    controls.text[编辑框4] = dns1;
    controls.text[编辑框5] = dns2;
}

TEST(BoxCheck, AddressesAndMasks) {
    struct Case {
        std::string boxes[5];
        std::string error;
    } cases[] = {
        {{"192.168.1.33", "255.255.255.0", "192.168.1.1", "208.67.222.222", "208.67.220.220"}, ""},
        {{"", "", "", "8.8.8.8", ""}, ""}, // empty boxes but the preferred DNS may stay empty
        {{" 10.0.0.8 ", fullWidthBlank + "255.0.0.0", "010.0.0.1", "8.8.8.8", ""},
         ""}, // blanks, leading zeros
        {{"256.1.1.1", "", "", "8.8.8.8", ""}, "修改错误！IP地址格式不正确"},
        {{"10.0.0", "", "", "8.8.8.8", ""}, "修改错误！IP地址格式不正确"},
        {{"", "255.0.255.0", "", "8.8.8.8", ""}, "修改错误！子网掩码格式不正确"},
        {{"", "255.255.255.1", "", "8.8.8.8", ""}, "修改错误！子网掩码格式不正确"},
        {{"", "", "1.1.1.1\"", "8.8.8.8", ""}, "修改错误！默认网关格式不正确"},
        {{"", "", "", "8.8.8.8\r\nWScript.Quit", ""}, "修改错误！首选DNS服务器格式不正确"},
        {{"", "", "", " ", ""}, "修改错误！首选DNS服务器格式不正确"},
        {{"", "", "", "8.8.8.8", "\xa3\xb1.1.1.1"},
         "修改错误！备用DNS服务器格式不正确"}, // full-width digit
    };
    for (Case& c : cases)
        EXPECT_EQ(checkStaticBoxes(c.boxes), c.error) << c.boxes[0] << c.boxes[1];
    for (const char* mask : {"0.0.0.0", "128.0.0.0", "255.255.255.255", "255.255.254.0"})
        EXPECT_TRUE(isContiguousMask(mask)) << mask;
    for (const char* mask : {"0.0.0.255", "255.255.0.255", "127.0.0.0", "255.255.255"})
        EXPECT_FALSE(isContiguousMask(mask)) << mask;
}

TEST(ApplyStatic, EmptyPreferredDnsRefusesAndOpensHelp) {
    resetFakes();
    fillBoxes("1.2.3.4", "255.0.0.0", "1.2.3.1", "", "8.8.4.4");
    onApplyStaticClicked();
    EXPECT_EQ(host.messages,
              (std::vector<ShownMessage>{{"修改错误！请填写首选DNS服务器", 16, "错误！"}}));
    EXPECT_EQ(host.webPages,
              (std::vector<std::string>{"http://www.quorbel.example/thread-12518-1-1.html"}));
    EXPECT_TRUE(host.files.empty());
    EXPECT_TRUE(host.shellOpened.empty());
}

TEST(ApplyStatic, WritesTheScriptAndHasTheShellRunIt) {
    resetFakes();
    host.files[scriptPath] = std::string(5000, 'x'); // an older, longer script is replaced
    fillBoxes(" 192.168.1.33", "255.255.255.0", "192.168.1.1", "208.67.222.222", "");
    onApplyStaticClicked();
    ASSERT_EQ(host.files.count(scriptPath), 1u);
    const std::string& script = host.files[scriptPath];
    EXPECT_EQ(script.size(), 837u + 12 + 13 + 11 + 14);
    EXPECT_NE(script.find("Array(\"192.168.1.33\")"), std::string::npos);
    EXPECT_EQ(host.shellOpened, (std::vector<std::string>{scriptPath}));
    EXPECT_EQ(host.messages, (std::vector<ShownMessage>{success}));
}

TEST(ApplyStatic, FailuresAreReportedNotSuccess) {
    struct Case {
        const char* name;
        bool writeFails;
        int shellResult;
        std::string boxes[5];
        std::string error;
        bool shellAsked;
    } cases[] = {
        {"bad mask",
         false,
         42,
         {"1.2.3.4", "255.0.255.0", "", "8.8.8.8", ""},
         "修改错误！子网掩码格式不正确",
         false},
        {"write fails",
         true,
         42,
         {"1.2.3.4", "", "", "8.8.8.8", ""},
         "修改错误！无法写入设置脚本：" + scriptPath,
         false},
        {"shell fails",
         false,
         31,
         {"1.2.3.4", "", "", "8.8.8.8", ""},
         "修改错误！无法运行设置脚本：" + scriptPath,
         true},
    };
    for (const Case& c : cases) {
        resetFakes();
        host.writesFail = c.writeFails;
        host.shellResult = c.shellResult;
        fillBoxes(c.boxes[0], c.boxes[1], c.boxes[2], c.boxes[3], c.boxes[4]);
        onApplyStaticClicked();
        EXPECT_EQ(host.messages, (std::vector<ShownMessage>{{c.error, 16, "错误！"}})) << c.name;
        EXPECT_EQ(host.shellOpened.size(), c.shellAsked ? 1u : 0u) << c.name;
        if (!c.writeFails && c.shellResult > 32) {
            EXPECT_TRUE(host.files.empty()) << "no script for a refused box";
        }
    }
}

TEST(ApplyStatic, ClosingWaitsForTheScriptHostThenDeletesTheScript) {
    resetFakes();
    host.files[scriptPath] = "script";
    onMainWindowDestroying();
    EXPECT_EQ(host.shellWaits.size(), 1u);
    EXPECT_GT(host.shellWaits[0], 0u);
    EXPECT_TRUE(host.files.empty());
    onMainWindowDestroying(); // no script: nothing visible happens
    EXPECT_TRUE(host.messages.empty());
}

TEST(AutomaticSettings, RunsBothCommandsInOrderThenReports) {
    const std::string address =
        "netsh interface ip set address \"\xb1\xbe\xb5\xd8\xc1\xac\xbd\xd3\" dhcp";
    const std::string dns = "netsh interface ip set dns \"\xb1\xbe\xb5\xd8\xc1\xac\xbd\xd3\" dhcp";
    EXPECT_EQ(address.size(), 46u);
    EXPECT_EQ(dns.size(), 42u);
    struct Case {
        std::vector<std::string> failing;
        ShownMessage message;
    } cases[] = {
        {{}, success},
        {{address}, {"修改错误！无法运行命令：" + address, 16, "错误！"}},
        {{dns}, {"修改错误！无法运行命令：" + dns, 16, "错误！"}},
    };
    for (const Case& c : cases) {
        resetFakes();
        controls.text[编辑框1] = "kept";
        host.failingCommands = c.failing;
        onAutomaticSettingsClicked();
        EXPECT_EQ(host.commands,
                  (std::vector<std::string>{address, dns})); // the second runs regardless
        EXPECT_EQ(host.messages, (std::vector<ShownMessage>{c.message}));
        EXPECT_EQ(host.waitCursor, (std::vector<bool>{true, false}));
        EXPECT_EQ(controls.text[编辑框1], "kept");
    }
}

} // namespace
