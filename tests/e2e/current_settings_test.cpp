// Choosing an adapter shows the settings that ipconfig reports, whatever
// the report's layout; a test ipconfig beside the program prints a stored
// report. Windows 98 reports are read only when the program believes it
// runs there.
#include "tool_test.h"

#include "common/scoped_env.h"

namespace e2e {
namespace {

struct ReportCase {
    const char* label;
    const char* fixture;
    bool windows98;
    BoxTexts shown;
};

void PrintTo(const ReportCase& c, std::ostream* os) {
    *os << c.label;
}

const ReportCase reportCases[] = {
    {"XpLayout",
     "xp_zh_multi.txt",
     false,
     {"192.168.1.5", "255.255.255.0", "192.168.1.1", "202.96.134.133", "202.96.128.86"}},
    {"Windows98Layout",
     "win98_en.txt",
     true,
     {"192.168.1.97", "255.255.255.0", "192.168.1.1", "61.139.2.69", "202.98.96.68"}},
    {"ModernEnglish",
     "win7_en_multi.txt",
     false,
     {"10.20.30.41", "255.255.254.0", "10.20.30.1", "10.20.0.10", "10.20.0.11"}},
    {"ModernChinese",
     "win10_zh_multi.txt",
     false,
     {"192.168.1.105", "255.255.255.0", "192.168.1.1", "114.114.114.114", "223.5.5.5"}},
};

class CurrentSettings : public ToolTest, public ::testing::WithParamInterface<ReportCase> {};

TEST_P(CurrentSettings, ShownFromTheReportWhicheverAdapterIsChosen) {
    const ReportCase& c = GetParam();
    std::unique_ptr<WindowsVersion> version;
    if (c.windows98) {
        version = std::make_unique<WindowsVersion>("win98");
        ASSERT_TRUE(version->set());
    }
    std::string report = reportFixture(c.fixture);
    ASSERT_FALSE(report.empty()) << c.fixture;
    ASSERT_NO_FATAL_FAILURE(addIpconfig(report));
    // Left over from an earlier run: both are replaced, then removed.
    const std::string batch = tempPath() + "ipmac.bat", output = tempPath() + "ipmac.txt";
    ASSERT_TRUE(writeBytes(batch, "@ECHO OFF\r\nexit\r\n"));
    ASSERT_TRUE(writeBytes(output, "stale report\r\n"));
    ASSERT_NO_FATAL_FAILURE(startTool());

    size_t adapters = listEntries(control(网卡列表)).size();
    if (adapters == 0) GTEST_SKIP() << "Wine reports no network adapter here: nothing to choose";

    ASSERT_NO_FATAL_FAILURE(choose(网卡列表, 0));
    expectBoxes(c.shown);
    EXPECT_FALSE(fileExists(batch)) << "ipmac.bat is left in " << tempPath();
    EXPECT_FALSE(fileExists(output)) << "ipmac.txt is left in " << tempPath();

    // Whatever the user typed goes before the next capture fills the boxes.
    for (size_t i = 0; i < 5; ++i)
        ASSERT_NO_FATAL_FAILURE(typeInto(editBoxes[i], std::to_string(i + 1) + ".0.0.9"));
    ASSERT_NO_FATAL_FAILURE(choose(网卡列表, adapters >= 2 ? 1 : 0));
    expectBoxes(c.shown);
    EXPECT_FALSE(fileExists(batch));
    EXPECT_FALSE(fileExists(output));
    expectNoMessageBox();
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

// cmd reads & ( ) ^ and % in a path as its own unless the path is quoted and
// every % in the batch file doubled.
TEST_F(ToolTest, CapturesWhenTheTempFolderHoldsCmdCharacters) {
    const std::string temp = inFolder(toAnsi(u8"\\临时 100% (a&b)^c;d"));
    ASSERT_TRUE(CreateDirectoryA(temp.c_str(), nullptr));
    ScopedEnv tmp("TMP", temp), tempVariable("TEMP", temp);
    ASSERT_NO_FATAL_FAILURE(addIpconfig(reportFixture("win10_zh_multi.txt")));
    ASSERT_NO_FATAL_FAILURE(startTool());
    if (listEntries(control(网卡列表)).empty())
        GTEST_SKIP() << "Wine reports no network adapter here: nothing to choose";
    ASSERT_NO_FATAL_FAILURE(choose(网卡列表, 0));
    expectBoxes({"192.168.1.105", "255.255.255.0", "192.168.1.1", "114.114.114.114", "223.5.5.5"});
    EXPECT_FALSE(fileExists(temp + "\\ipmac.bat"));
    EXPECT_FALSE(fileExists(temp + "\\ipmac.txt"));
    expectNoMessageBox();
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

INSTANTIATE_TEST_SUITE_P(Reports, CurrentSettings, ::testing::ValuesIn(reportCases),
                         [](const ::testing::TestParamInfo<ReportCase>& info) {
                             return std::string(info.param.label);
                         });

} // namespace
} // namespace e2e
