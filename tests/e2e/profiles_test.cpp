// The DNS chooser and the custom profiles: presets fill the boxes and grey
// the save button, custom entries load their profile from kavro.ini beside
// the program and enable it, the last entry opens the help page.
#include "tool_test.h"

namespace e2e {
namespace {

enum Entry { openDnsEntry, hubeiEntry, custom1Entry, custom2Entry, helpEntry };

const char* const helpPage = "http://www.quorbel.example/thread-12518-1-1.html";
const BoxTexts openDns = {"192.168.1.33", "255.255.255.0", "192.168.1.1", "208.67.222.222",
                          "208.67.220.220"};
const BoxTexts typed = {"10.1.2.3", "255.255.0.0", "10.1.0.1", "10.1.0.2", "10.1.0.3"};
const BoxTexts empty;

// Section and keys in their order, GBK as the file holds them.
const char* const typedProfile = "[1]\r\n"
                                 "IP地址=10.1.2.3\r\n"
                                 "子掩网码=255.255.0.0\r\n"
                                 "默认网关=10.1.0.1\r\n"
                                 "首选DNS=10.1.0.2\r\n"
                                 "备用DNS=10.1.0.3\r\n";

class Profiles : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        profile = inFolder("\\kavro.ini");
    }

    void typeAll(const BoxTexts& texts) {
        for (size_t i = 0; i < texts.size(); ++i)
            ASSERT_NO_FATAL_FAILURE(typeInto(editBoxes[i], texts[i]));
    }
    bool saveEnabled() const { return IsWindowEnabled(control(按钮2)) != 0; }

    std::string profile;
};

TEST_F(Profiles, FirstRunCustomProfileIsEmptyThenSavesTheTypedBoxes) {
    ASSERT_NO_FATAL_FAILURE(startTool());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, openDnsEntry));
    expectBoxes(openDns);
    EXPECT_FALSE(saveEnabled());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, custom1Entry));
    expectBoxes(empty);
    EXPECT_TRUE(saveEnabled());
    EXPECT_FALSE(fileExists(profile)) << "loading creates nothing";

    ASSERT_NO_FATAL_FAILURE(typeAll(typed));
    ASSERT_NO_FATAL_FAILURE(pressButton(按钮2));
    EXPECT_EQ(readBytes(profile), typedProfile);
    expectNoMessageBox();

    ASSERT_NO_FATAL_FAILURE(choose(组合框1, openDnsEntry));
    expectBoxes(openDns);
    EXPECT_FALSE(saveEnabled());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, custom1Entry));
    expectBoxes(typed);
    EXPECT_TRUE(saveEnabled());
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
    EXPECT_EQ(readBytes(profile), typedProfile) << "the file outlives the run";
}

TEST_F(Profiles, HelpEntryAfterACustomProfileOpensThePageAndSaveWritesNothing) {
    ASSERT_NO_FATAL_FAILURE(startTool());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, custom1Entry));
    ASSERT_NO_FATAL_FAILURE(typeAll(typed));
    ASSERT_NO_FATAL_FAILURE(pressButton(按钮2));
    ASSERT_EQ(readBytes(profile), typedProfile);

    ASSERT_NO_FATAL_FAILURE(typeInto(编辑框1, "10.9.9.9"));
    BoxTexts edited = typed;
    edited[0] = "10.9.9.9";
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, helpEntry));
    ASSERT_TRUE(log.waitFor(1)) << "the help page was not opened";
    std::vector<Record> records = log.records();
    ASSERT_EQ(records.size(), 1u) << log.arguments();
    EXPECT_EQ(records[0].argument, helpPage);
    expectBoxes(edited);
    EXPECT_TRUE(saveEnabled());

    ASSERT_NO_FATAL_FAILURE(pressButton(按钮2));
    EXPECT_EQ(readBytes(profile), typedProfile);
    expectNoMessageBox();
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
    EXPECT_EQ(readBytes(profile), typedProfile);
}

TEST_F(Profiles, RunWithoutChoosingAProfileNeverCreatesTheFile) {
    ASSERT_NO_FATAL_FAILURE(startTool());
    EXPECT_FALSE(saveEnabled());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, hubeiEntry));
    ASSERT_NO_FATAL_FAILURE(typeInto(编辑框1, "10.9.9.9"));
    // A click on the greyed button does nothing; the Esc after it is
    // handled after it.
    ASSERT_TRUE(click(control(按钮2))) << lastFailure();
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
    EXPECT_FALSE(fileExists(profile));
}

TEST_F(Profiles, OpenDnsChosenAgainRestoresAnEditedBox) {
    ASSERT_NO_FATAL_FAILURE(startTool());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, openDnsEntry));
    ASSERT_NO_FATAL_FAILURE(typeInto(编辑框4, "1.1.1.1"));
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, openDnsEntry));
    expectBoxes(openDns);
    EXPECT_FALSE(saveEnabled());
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

// A folder takes the file's name, so that nothing can be written there.
TEST_F(Profiles, SaveThatCannotBeWrittenIsReportedOnce) {
    ASSERT_TRUE(CreateDirectoryA(profile.c_str(), nullptr));
    ASSERT_NO_FATAL_FAILURE(startTool());
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, custom1Entry));
    expectBoxes(empty);
    ASSERT_NO_FATAL_FAILURE(typeInto(编辑框1, "10.1.2.3"));
    ASSERT_TRUE(click(control(按钮2))) << lastFailure();
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"错误！", "", true));
    expectNoMessageBox();
    EXPECT_TRUE(isFolder(profile));
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

} // namespace
} // namespace e2e
