#include "profiles/dns_chooser.h"
#include "profiles/profile_store.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

const std::string profilePath = "C:\\tools\\kavro.ini";
using Texts = std::vector<std::string>;

Texts boxes() {
    return {controls.text[编辑框1], controls.text[编辑框2], controls.text[编辑框3],
            controls.text[编辑框4], controls.text[编辑框5]};
}

void choose(int entry) {
    controls.selected[组合框1] = entry;
    onDnsChooserSelected();
}

TEST(DnsChooser, PresetsFillTheBoxesAndGreyTheSaveButton) {
    resetFakes();
    controls.disabled[按钮2] = false;
    choose(0);
    EXPECT_EQ(boxes(), (Texts{"192.168.1.33", "255.255.255.0", "192.168.1.1", "208.67.222.222",
                              "208.67.220.220"}));
    EXPECT_TRUE(controls.disabled[按钮2]);
    controls.text[编辑框4] = "edited";
    choose(1);
    EXPECT_EQ(boxes(), (Texts{"192.168.1.33", "255.255.255.0", "192.168.1.1", "202.103.24.68",
                              "202.103.0.68"}));
    choose(0);
    EXPECT_EQ(controls.text[编辑框4], "208.67.222.222");
    EXPECT_TRUE(host.webPages.empty());
}

TEST(DnsChooser, CustomProfilesLoadAndEnableTheSaveButton) {
    resetFakes();
    choose(2); // no file yet: empty boxes
    EXPECT_EQ(boxes(), Texts(5));
    EXPECT_FALSE(controls.disabled[按钮2]);
    host.profiles[profilePath]["2"] = {{"IP地址", "10.0.0.2"},
                                       {"子掩网码", "255.0.0.0"},
                                       {"默认网关", "10.0.0.1"},
                                       {"首选DNS", "10.0.0.3"},
                                       {"备用DNS", ""}};
    host.profiles[profilePath]["1"] = {
        {"子网掩码", "255.255.0.0"}}; // the label's spelling is not the key
    choose(0);
    choose(3);
    EXPECT_EQ(boxes(), (Texts{"10.0.0.2", "255.0.0.0", "10.0.0.1", "10.0.0.3", ""}));
    EXPECT_FALSE(controls.disabled[按钮2]);
    choose(2);
    EXPECT_EQ(boxes(), Texts(5));
    EXPECT_TRUE(host.profileWrites.empty());
}

TEST(DnsChooser, HelpEntryOpensThePageAndChangesNothing) {
    for (bool disabledBefore : {true, false}) {
        resetFakes();
        controls.disabled[按钮2] = disabledBefore;
        controls.text[编辑框1] = "typed";
        choose(4);
        EXPECT_EQ(host.webPages, (Texts{"http://www.quorbel.example/thread-12518-1-1.html"}));
        EXPECT_EQ(controls.disabled[按钮2], disabledBefore);
        EXPECT_EQ(controls.text[编辑框1], "typed");
    }
    resetFakes();
    choose(-1);
    EXPECT_TRUE(host.webPages.empty());
    EXPECT_EQ(boxes(), Texts(5));
}

TEST(ProfileStore, SaveWritesTheChosenSectionInKeyOrder) {
    resetFakes();
    controls.selected[组合框1] = 2;
    controls.text[编辑框1] = "1.2.3.4";
    controls.text[编辑框4] = "本地 DNS";
    host.profiles[profilePath]["2"]["IP地址"] = "other";
    onSaveProfileClicked();
    EXPECT_EQ(host.profileWrites, (Texts{"1/IP地址=1.2.3.4", "1/子掩网码=", "1/默认网关=",
                                         "1/首选DNS=本地 DNS", "1/备用DNS="}));
    EXPECT_EQ(host.profiles[profilePath]["2"]["IP地址"], "other");
    EXPECT_TRUE(host.messages.empty()); // a good save is silent
    controls.text[编辑框1] = "";
    choose(2);
    EXPECT_EQ(boxes(), (Texts{"1.2.3.4", "", "", "本地 DNS", ""}));
}

TEST(ProfileStore, OnlyCustomEntriesSave) {
    for (int entry : {-1, 0, 1, 4}) {
        resetFakes();
        controls.selected[组合框1] = entry;
        onSaveProfileClicked();
        EXPECT_TRUE(host.profileWrites.empty()) << entry;
    }
    resetFakes();
    controls.selected[组合框1] = 3;
    onSaveProfileClicked();
    EXPECT_EQ(host.profileWrites.front(), "2/IP地址=");
}

TEST(ProfileStore, FailedSaveIsReportedOnce) {
    resetFakes();
    host.writesFail = true;
    controls.selected[组合框1] = 2;
    onSaveProfileClicked();
    EXPECT_EQ(host.messages, (std::vector<ShownMessage>{
                                 {"保存错误！无法保存自定义配置：" + profilePath, 16, "错误！"}}));
}

} // namespace
