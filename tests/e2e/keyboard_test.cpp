// The window's keyboard: Esc closes it from anywhere, Tab and Shift+Tab walk
// the buttons, Enter, F1 and Alt with a letter do nothing; and list entries
// chosen with the real mouse and arrow keys.
#include "main_window.h"

namespace e2e {
namespace {

class Keyboard : public MainWindowTest {
  protected:
    void SetUp() override { start(); }

    // A click puts the focus into a box or list; a list opened by the click is
    // closed again by a second click on its field.
    void focusByClick(Name name) {
        HWND target = control(name);
        if (className(target) == "ComboBox") {
            ASSERT_TRUE(openList(target)) << lastFailure();
            ASSERT_TRUE(click(target)) << lastFailure();
            ASSERT_TRUE(waitUntil([&] { return !listOpen(target); }, 5000));
            ASSERT_TRUE(settle(window)) << lastFailure();
        } else {
            ASSERT_TRUE(click(target)) << lastFailure();
        }
        ASSERT_TRUE(waitFocus(name)) << "focus is on " << nameOf(program->focus());
    }

    // The buttons in Tab order that the focus can take now.
    std::vector<Name> cycle() const {
        std::vector<Name> buttons = {按钮1};
        if (IsWindowEnabled(control(按钮2))) buttons.push_back(按钮2);
        buttons.push_back(按钮3);
        return buttons;
    }

    // Index in the cycle of the focused button, -1 when the focus is elsewhere.
    int focusedInCycle() const {
        std::vector<Name> buttons = cycle();
        for (size_t i = 0; i < buttons.size(); ++i)
            if (program->focus() == control(buttons[i])) return static_cast<int>(i);
        return -1;
    }

    // Presses Tab or Shift+Tab and waits for the focus on the given button.
    void step(bool backward, Name expected) {
        ASSERT_TRUE(backward ? pressKey(window, VK_TAB, {VK_SHIFT}) : pressKey(window, VK_TAB))
            << lastFailure();
        ASSERT_TRUE(waitFocus(expected))
            << (backward ? "Shift+Tab" : "Tab") << " should reach "
            << expectedControls[expected].name << ", focus is on " << nameOf(program->focus());
    }

    // Walks twice round the cycle each way from the focused button.
    void walkCycle() {
        std::vector<Name> buttons = cycle();
        int n = static_cast<int>(buttons.size());
        int at = focusedInCycle();
        ASSERT_GE(at, 0) << "focus is on " << nameOf(program->focus());
        for (int i = 0; i < 2 * n; ++i) {
            at = (at + 1) % n;
            ASSERT_NO_FATAL_FAILURE(step(false, buttons[at]));
        }
        for (int i = 0; i < 2 * n; ++i) {
            at = (at + n - 1) % n;
            ASSERT_NO_FATAL_FAILURE(step(true, buttons[at]));
        }
    }
};

struct EscCase {
    const char* label;
    Name target;
    enum { focusBox, openList, tabToButton } how;
};

void PrintTo(const EscCase& c, std::ostream* os) {
    *os << c.label;
}

class EscCloses : public Keyboard, public ::testing::WithParamInterface<EscCase> {};

TEST_P(EscCloses, EndsTheProgramWithZero) {
    const EscCase& c = GetParam();
    HWND target = control(c.target);
    switch (c.how) {
    case EscCase::focusBox:
        ASSERT_NO_FATAL_FAILURE(focusByClick(c.target));
        break;
    case EscCase::openList:
        ASSERT_TRUE(openList(target)) << lastFailure();
        break;
    case EscCase::tabToButton:
        ASSERT_NO_FATAL_FAILURE(focusByClick(c.target));
        ASSERT_TRUE(pressKey(window, VK_TAB)) << lastFailure();
        ASSERT_TRUE(waitUntil([&] { return focusedInCycle() >= 0; }, 5000));
        break;
    }
    ASSERT_TRUE(pressKey(window, VK_ESCAPE)) << lastFailure();
    expectNormalEnd();
}

INSTANTIATE_TEST_SUITE_P(Keyboard, EscCloses,
                         ::testing::Values(EscCase{"EditBox1", 编辑框1, EscCase::focusBox},
                                           EscCase{"EditBox5", 编辑框5, EscCase::focusBox},
                                           EscCase{"OpenDnsChooser", 组合框1, EscCase::openList},
                                           EscCase{"OpenAdapterList", 网卡列表, EscCase::openList},
                                           EscCase{"ClosedDnsChooser", 组合框1, EscCase::focusBox},
                                           EscCase{"Button", 编辑框1, EscCase::tabToButton}),
                         [](const ::testing::TestParamInfo<EscCase>& info) {
                             return std::string(info.param.label);
                         });

struct TabCase {
    const char* label;
    Name from;
    bool backward;
};

void PrintTo(const TabCase& c, std::ostream* os) {
    *os << c.label;
}

class TabFromBox : public Keyboard, public ::testing::WithParamInterface<TabCase> {};

// With the save button disabled the cycle is 按钮1, 按钮3.
TEST_P(TabFromBox, LandsOnACycleButtonAndWalksTheCycle) {
    const TabCase& c = GetParam();
    ASSERT_FALSE(IsWindowEnabled(control(按钮2)));
    ASSERT_NO_FATAL_FAILURE(focusByClick(c.from));
    ASSERT_TRUE(c.backward ? pressKey(window, VK_TAB, {VK_SHIFT}) : pressKey(window, VK_TAB))
        << lastFailure();
    ASSERT_TRUE(waitUntil([&] { return focusedInCycle() >= 0; }, 5000))
        << "focus is on " << nameOf(program->focus());
    ASSERT_EQ(cycle().size(), 2u);
    walkCycle();
}

INSTANTIATE_TEST_SUITE_P(Keyboard, TabFromBox,
                         ::testing::Values(TabCase{"TabFromEditBox1", 编辑框1, false},
                                           TabCase{"ShiftTabFromEditBox3", 编辑框3, true},
                                           TabCase{"TabFromEditBox5", 编辑框5, false},
                                           TabCase{"ShiftTabFromDnsChooser", 组合框1, true},
                                           TabCase{"TabFromAdapterList", 网卡列表, false}),
                         [](const ::testing::TestParamInfo<TabCase>& info) {
                             return std::string(info.param.label);
                         });

// Runs from a copy in a folder of its own: choosing a custom profile reads
// the profile file beside the program.
class InOwnFolder : public Keyboard {
  protected:
    void SetUp() override {
        exe = folder.copy(programPath());
        ASSERT_FALSE(exe.empty());
        start(exe, folder.path());
    }
    TempFolder folder;
    std::string exe;
};

TEST_F(InOwnFolder, TabIncludesTheSaveButtonOnceEnabled) {
    // Choosing a custom profile is the user's way to enable the save button.
    ASSERT_TRUE(clickListEntry(control(组合框1), 2)) << lastFailure();
    ASSERT_TRUE(waitUntil([&] { return listSelection(control(组合框1)) == 2; }, 5000));
    ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(control(按钮2)) != 0; }, 5000))
        << u8"按钮2 stays disabled after choosing 自定义1";
    ASSERT_NO_FATAL_FAILURE(focusByClick(编辑框1));
    ASSERT_TRUE(pressKey(window, VK_TAB)) << lastFailure();
    ASSERT_TRUE(waitUntil([&] { return focusedInCycle() >= 0; }, 5000));
    ASSERT_EQ(cycle().size(), 3u);
    walkCycle();
}

// Each key is followed by Tab and Shift+Tab: once their moves are seen, the
// key before them has been handled too.
TEST_F(Keyboard, EnterF1AndAltLettersDoNothing) {
    ASSERT_NO_FATAL_FAILURE(focusByClick(编辑框1));
    ASSERT_TRUE(pressKey(window, VK_TAB)) << lastFailure();
    ASSERT_TRUE(waitUntil([&] { return focusedInCycle() >= 0; }, 5000));
    // The automatic-settings button: a mistaken click there would show a
    // message box and touch nothing outside this Wine prefix.
    if (program->focus() != control(按钮3)) {
        ASSERT_NO_FATAL_FAILURE(step(false, 按钮3));
    }

    const struct {
        const char* label;
        WORD key;
        bool alt;
    } keys[] = {{"Enter", VK_RETURN, false}, {"F1", VK_F1, false}, {"Alt+I", 'I', true},
                {"Alt+U", 'U', true},        {"Alt+D", 'D', true}, {"Alt+P", 'P', true},
                {"Alt+A", 'A', true},        {"Alt+1", '1', true}};
    for (const auto& k : keys) {
        SCOPED_TRACE(k.label);
        ASSERT_TRUE(k.alt ? pressKey(window, k.key, {VK_MENU}) : pressKey(window, k.key))
            << lastFailure();
        ASSERT_NO_FATAL_FAILURE(step(false, 按钮1));
        ASSERT_NO_FATAL_FAILURE(step(true, 按钮3));
        ASSERT_TRUE(program->running());
        EXPECT_EQ(findMessageBox(program->pid()), nullptr) << windowsOf(*program);
        EXPECT_EQ(topLevelWindows(program->pid()).size(), 1u) << windowsOf(*program);
    }
    for (Name box : editBoxes)
        EXPECT_EQ(windowText(control(box)), "") << expectedControls[box].name;
    EXPECT_EQ(listSelection(control(组合框1)), -1);
    EXPECT_FALSE(IsWindowEnabled(control(按钮2)));
}

// Enter in an edit box: no default button, so nothing is pressed.
TEST_F(Keyboard, EnterInABoxDoesNothing) {
    ASSERT_NO_FATAL_FAILURE(focusByClick(编辑框4));
    ASSERT_TRUE(pressKey(window, VK_RETURN)) << lastFailure();
    ASSERT_TRUE(pressKey(window, VK_TAB)) << lastFailure();
    ASSERT_TRUE(waitUntil([&] { return focusedInCycle() >= 0; }, 5000));
    EXPECT_TRUE(program->running());
    EXPECT_EQ(findMessageBox(program->pid()), nullptr) << windowsOf(*program);
    EXPECT_EQ(windowText(control(编辑框4)), "");
}

// The chooser's selection as the user's pick leaves it. Entry 4 opens a web
// page, so only entries 0 to 3 are chosen here.
TEST_F(InOwnFolder, MouseClickOnAnEntryChoosesIt) {
    HWND chooser = control(组合框1);
    for (int index : {1, 3, 0, 2}) {
        SCOPED_TRACE(dnsChooserEntries[index]);
        ASSERT_TRUE(clickListEntry(chooser, index)) << lastFailure();
        EXPECT_TRUE(
            waitUntil([&] { return !listOpen(chooser) && listSelection(chooser) == index; }, 5000))
            << "selection " << listSelection(chooser) << ", open " << listOpen(chooser);
        EXPECT_EQ(windowText(chooser), dnsChooserEntries[index]);
    }
}

TEST_F(InOwnFolder, ArrowKeysOnTheClosedListChoose) {
    HWND chooser = control(组合框1);
    ASSERT_NO_FATAL_FAILURE(focusByClick(组合框1));
    ASSERT_EQ(listSelection(chooser), -1);
    const struct {
        WORD key;
        int expected;
    } steps[] = {{VK_DOWN, 0}, {VK_DOWN, 1}, {VK_DOWN, 2}, {VK_UP, 1}, {VK_UP, 0}};
    for (const auto& s : steps) {
        ASSERT_TRUE(pressKey(window, s.key)) << lastFailure();
        EXPECT_TRUE(waitUntil([&] { return listSelection(chooser) == s.expected; }, 5000))
            << "expected " << s.expected << ", selection " << listSelection(chooser);
        EXPECT_FALSE(listOpen(chooser));
    }
    EXPECT_EQ(windowText(chooser), dnsChooserEntries[0]);
}

TEST_F(InOwnFolder, ArrowKeysInTheOpenListThenEnterChoose) {
    HWND chooser = control(组合框1);
    ASSERT_TRUE(openList(chooser)) << lastFailure();
    for (int expected : {0, 1, 2}) {
        ASSERT_TRUE(pressKey(window, VK_DOWN)) << lastFailure();
        EXPECT_TRUE(waitUntil([&] { return listSelection(chooser) == expected; }, 5000))
            << "expected " << expected << ", selection " << listSelection(chooser);
    }
    ASSERT_TRUE(pressKey(window, VK_UP)) << lastFailure();
    ASSERT_TRUE(pressKey(window, VK_RETURN)) << lastFailure();
    EXPECT_TRUE(waitUntil([&] { return !listOpen(chooser); }, 5000));
    EXPECT_EQ(listSelection(chooser), 1);
    EXPECT_EQ(windowText(chooser), dnsChooserEntries[1]);
    EXPECT_TRUE(program->running());
}

} // namespace
} // namespace e2e
