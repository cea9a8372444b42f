// The apply button: it refuses an empty preferred DNS box and a malformed
// box, or writes the settings script beside the program and hands it to the
// shell, whose .VBS action is the recorder here; nothing is ever applied.
#include "tool_test.h"

namespace e2e {
namespace {

const char* const scriptName = "\\Quorbel本地连接ip设置.VBS"; // GBK at run time
const char* const helpPage = "http://www.quorbel.example/thread-12518-1-1.html";
const BoxTexts openDns = {"192.168.1.33", "255.255.255.0", "192.168.1.1", "208.67.222.222",
                          "208.67.220.220"};

// The script, line by line, with the five texts in their places.
std::string expectedScript(const BoxTexts& b) {
    const std::string lines[24] = {
        "strComputer = \".\"",
        "Set objWMIService = GetObject(\"winmgmts:\\\\\" & strComputer & \"\\root\\cimv2\")",
        "",
        "Set colNetAdapters = objWMIService.ExecQuery _",
        "    (\"Select * from Win32_NetworkAdapterConfiguration Where IPEnabled=True\")",
        "",
        "strIPAddress = Array(\"" + b[0] + "\")",
        "strSubnetMask = Array(\"" + b[1] + "\")",
        "",
        "For Each objNetAdapter in colNetAdapters",
        "    errEnable = objNetAdapter.EnableStatic(strIPAddress, strSubnetMask)",
        "Next",
        "Const STR_GATEWAY = \"" + b[2] + "\"",
        "Const STR_NEWDNS1 = \"" + b[3] + "\"",
        "Const STR_NEWDNS2 = \"" + b[4] + "\" ",
        "Set fs=CreateObject(\"Scripting.FileSystemObject\")",
        "strWinMgmt=\"winmgmts:{impersonationLevel=impersonate}\"",
        "Set objNICs = GetObject( strWinMgmt ).InstancesOf(\"Win32_NetworkAdapterConfiguration\")",
        "For Each objNIC In objNICs",
        "If objNIC.IPEnabled Then",
        "objNIC.SetDNSServerSearchOrder Array(STR_NEWDNS1,STR_NEWDNS2)",
        "objNIC.SetGateways Array(STR_GATEWAY)",
        "End If",
        "Next",
    };
    std::string script;
    for (const std::string& line : lines)
        script += (script.empty() ? "" : "\r\n") + line;
    return script;
}

class Apply : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startTool());
    }
    std::string scriptPath() const { return inFolder(scriptName); }
    void pressApply() { ASSERT_TRUE(click(control(按钮1))) << lastFailure(); }
};

TEST(ApplyScript, ExpectedTextHasTheFixedLength) {
    BoxTexts empty;
    EXPECT_EQ(expectedScript(empty).size(), 837u);
    EXPECT_EQ(expectedScript(openDns).size(), 837u + 12 + 13 + 11 + 14 + 14);
}

TEST_F(Apply, EmptyPreferredDnsIsRefusedThenTheHelpPageOpens) {
    ASSERT_NO_FATAL_FAILURE(pressApply());
    HWND box = program->waitMessageBox();
    ASSERT_NE(box, nullptr) << windowsOf(*program);
    EXPECT_TRUE(log.records().empty()) << "opened before the box was answered:" << log.arguments();
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"错误！", u8"修改错误！请填写首选DNS服务器"));
    ASSERT_TRUE(log.waitFor(1)) << "the help page was not opened";
    std::vector<Record> records = log.records();
    ASSERT_EQ(records.size(), 1u) << log.arguments();
    EXPECT_EQ(records[0].argument, helpPage);
    EXPECT_FALSE(fileExists(scriptPath()));
    expectNoMessageBox();
}

TEST_F(Apply, OpenDnsValuesAreWrittenAndHandedToTheShell) {
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, 0));
    expectBoxes(openDns);
    ASSERT_NO_FATAL_FAILURE(pressApply());
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"成功！", u8"修改成功！请查看本地连接"));
    EXPECT_EQ(readBytes(scriptPath()), expectedScript(openDns));
    ASSERT_TRUE(log.waitFor(1)) << "the script was not handed to the shell";
    std::vector<Record> records = log.records();
    ASSERT_EQ(records.size(), 1u) << log.arguments();
    EXPECT_EQ(toUtf8(records[0].argument), toUtf8(scriptPath()));
    ASSERT_TRUE(records[0].hasScript);
    EXPECT_EQ(records[0].script, expectedScript(openDns)) << "what the script host would run";
    expectNoMessageBox();

    // The script goes with the window.
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
    EXPECT_FALSE(fileExists(scriptPath()));
}

TEST_F(Apply, MalformedMaskIsRefused) {
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, 0));
    ASSERT_NO_FATAL_FAILURE(typeInto(编辑框2, "255.0.255.0"));
    ASSERT_NO_FATAL_FAILURE(pressApply());
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"错误！", u8"修改错误！子网掩码格式不正确"));
    EXPECT_FALSE(fileExists(scriptPath()));
    EXPECT_TRUE(log.records().empty()) << log.arguments();
    expectNoMessageBox();
}

// Files cannot be made read-only here (root, and Wine maps the attribute to
// Unix permissions), so a folder takes the script's name.
TEST_F(Apply, ScriptThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(CreateDirectoryA(scriptPath().c_str(), nullptr));
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, 0));
    ASSERT_NO_FATAL_FAILURE(pressApply());
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"错误！", u8"修改错误！无法写入设置脚本", true));
    expectNoMessageBox();
    EXPECT_TRUE(isFolder(scriptPath()));
    EXPECT_TRUE(log.records().empty()) << log.arguments();
}

} // namespace
} // namespace e2e
