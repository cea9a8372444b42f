// The pop-up menu on the version label: it opens as the pointer comes onto
// the label, 3 pixels right of and below it; its items open the update and
// about pages (the browser is the recorder here) or end the program.
#include "display_pointer.h"
#include "tool_test.h"

namespace e2e {
namespace {

const char* const updatePage = "http://www.quorbel.example/thread-12519-1-1.html";
const char* const aboutPage = "http://www.quorbel.example/thread-9282-1-1.html";
enum Item { exitItem, updateItem, aboutItem, itemCount };

HWND popupOf(DWORD pid) {
    for (HWND window : topLevelWindows(pid))
        if (className(window) == "#32768") return window;
    return nullptr;
}

class PopupMenu : public ToolTest {
  protected:
    void SetUp() override {
        if (!displayPointerAvailable()) GTEST_SKIP() << "xdotool is needed to move the pointer";
        ToolTest::SetUp();
        ASSERT_NO_FATAL_FAILURE(startTool());
        // The label reaches above the client area; only its visible part
        // takes the pointer.
        RECT label, client, frame;
        GetWindowRect(control(标签7), &label);
        GetClientRect(window, &client);
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
        RECT visible;
        ASSERT_TRUE(IntersectRect(&visible, &label, &client));
        onLabel = centreOf(visible);
        // Beside the window, on the desktop: from there the pointer crosses
        // nothing of the program on its way to the label.
        GetWindowRect(window, &frame);
        offLabel = {frame.right + 20, onLabel.y};
    }

    void TearDown() override {
        if (program && program->running() && popupOf(program->pid())) {
            pressKey(window, VK_ESCAPE);
            waitUntil([&] { return popupOf(program->pid()) == nullptr; }, 5000);
        }
        if (offLabel.x) movePointerOnDisplay(offLabel);
        ToolTest::TearDown();
    }

    HWND openPopup() {
        HWND popup = nullptr;
        EXPECT_EQ(popupOf(program->pid()), nullptr);
        if (!movePointerOnDisplay(offLabel) || !movePointerOnDisplay(onLabel)) {
            ADD_FAILURE() << lastFailure();
            return nullptr;
        }
        if (!waitUntil([&] { return (popup = popupOf(program->pid())) != nullptr; }, 5000)) {
            ADD_FAILURE() << "no pop-up menu; " << windowsOf(*program);
            return nullptr;
        }
        RECT r;
        GetWindowRect(popup, &r);
        EXPECT_EQ(r.left, onLabel.x + 3);
        EXPECT_EQ(r.top, onLabel.y + 3);
        return popup;
    }

    // Items are of equal height, in menu order, without separators.
    void chooseItem(HWND popup, Item item) {
        RECT r;
        GetWindowRect(popup, &r);
        LONG height = (r.bottom - r.top) / itemCount;
        POINT at{(r.left + r.right) / 2, r.top + height * item + height / 2};
        ASSERT_TRUE(clickOnDisplay(at)) << lastFailure();
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, 5000))
            << "the pop-up stays open";
    }

    void expectPages(const std::vector<std::string>& pages) {
        ASSERT_TRUE(log.waitFor(pages.size())) << log.arguments();
        std::vector<Record> records = log.records();
        ASSERT_EQ(records.size(), pages.size()) << log.arguments();
        for (size_t i = 0; i < pages.size(); ++i)
            EXPECT_EQ(records[i].argument, pages[i]);
    }

    POINT onLabel{}, offLabel{};
};

TEST_F(PopupMenu, PageItemsOpenTheirPagesEachTimeAndTheWindowStays) {
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, 0));
    BoxTexts boxes = boxTexts();
    const Item choices[] = {updateItem, aboutItem, aboutItem};
    std::vector<std::string> expected;
    for (Item item : choices) {
        HWND popup = openPopup();
        ASSERT_NE(popup, nullptr);
        ASSERT_NO_FATAL_FAILURE(chooseItem(popup, item));
        expected.push_back(item == updateItem ? updatePage : aboutPage);
        ASSERT_NO_FATAL_FAILURE(expectPages(expected));
        ASSERT_TRUE(settle(window)) << lastFailure();
        EXPECT_TRUE(program->running());
        EXPECT_TRUE(IsWindowVisible(window));
        EXPECT_EQ(popupOf(program->pid()), nullptr);
        EXPECT_EQ(boxTexts(), boxes);
        expectNoMessageBox();
    }
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

TEST_F(PopupMenu, EscClosesOnlyThePopup) {
    for (int round = 0; round < 2; ++round) {
        HWND popup = openPopup();
        ASSERT_NE(popup, nullptr);
        ASSERT_TRUE(pressKey(window, VK_ESCAPE)) << lastFailure();
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, 5000));
        ASSERT_TRUE(settle(window)) << lastFailure();
        EXPECT_TRUE(program->running());
        EXPECT_TRUE(IsWindowVisible(window));
    }
    EXPECT_TRUE(log.records().empty()) << log.arguments();
    ASSERT_TRUE(movePointerOnDisplay(offLabel)) << lastFailure();
    ASSERT_NO_FATAL_FAILURE(exitByEsc());
}

TEST_F(PopupMenu, ExitEndsWithZeroAndRemovesTheScript) {
    const std::string script = inFolder("\\Quorbel本地连接ip设置.VBS");
    ASSERT_NO_FATAL_FAILURE(choose(组合框1, 0));
    ASSERT_TRUE(click(control(按钮1))) << lastFailure();
    ASSERT_NO_FATAL_FAILURE(answerMessage(u8"成功！", u8"修改成功！请查看本地连接"));
    ASSERT_TRUE(fileExists(script));
    HWND popup = openPopup();
    ASSERT_NE(popup, nullptr);
    ASSERT_NO_FATAL_FAILURE(chooseItem(popup, exitItem));
    expectNormalEnd();
    EXPECT_FALSE(fileExists(script)) << "the settings script outlives the program";
}

} // namespace
} // namespace e2e
