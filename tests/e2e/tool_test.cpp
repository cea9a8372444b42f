#include "tool_test.h"

namespace e2e {

namespace {

// All dialogs of the process, hidden ones too: a box that is being made.
bool hasDialog(DWORD pid) {
    struct Search {
        DWORD pid;
        bool found;
    } search{pid, false};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && className(window) == "#32770") s->found = true;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

void ToolTest::SetUp() {
    ASSERT_TRUE(associations.set()) << "cannot register the recorder in the prefix";
    ASSERT_FALSE(folder->path().empty());
    exe = folder->copy(programPath());
    ASSERT_FALSE(exe.empty());
}

void ToolTest::TearDown() {
    MainWindowTest::TearDown();
    folder.reset();
}

void ToolTest::addIpconfig(const std::string& report) {
    std::string dir = inFolder("\\ipconfig");
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    ASSERT_TRUE(CopyFileA(fakeIpconfigPath().c_str(), (dir + "\\all.exe").c_str(), FALSE))
        << fakeIpconfigPath();
    ASSERT_TRUE(writeBytes(dir + "\\report.txt", report));
}

void ToolTest::addNetsh() {
    ASSERT_TRUE(CopyFileA(recorderPath().c_str(), inFolder("\\netsh.exe").c_str(), FALSE))
        << recorderPath();
}

void ToolTest::choose(Name list, int index) {
    HWND combo = control(list);
    ASSERT_TRUE(clickListEntry(combo, index))
        << expectedControls[list].name << " entry " << index << ": " << lastFailure();
    ASSERT_TRUE(waitUntil([&] { return listSelection(combo) == index; }, 5000))
        << expectedControls[list].name << " shows entry " << listSelection(combo) << ", not "
        << index;
    ASSERT_TRUE(settle(window)) << lastFailure();
}

void ToolTest::typeInto(Name box, const std::string& utf8) {
    ASSERT_TRUE(replaceText(control(box), utf8))
        << expectedControls[box].name << " holds \"" << windowText(control(box))
        << "\" instead of \"" << utf8 << "\" " << lastFailure();
}

void ToolTest::pressButton(Name button) {
    HWND target = control(button);
    ASSERT_TRUE(click(target)) << lastFailure();
    // Input is handled after the messages that settle sends: first wait
    // until the button has seen the release of the mouse button.
    ASSERT_TRUE(waitUntil(
        [&] {
            return program->focus() == target &&
                   !(SendMessageA(target, BM_GETSTATE, 0, 0) & BST_PUSHED);
        },
        5000))
        << expectedControls[button].name << " was not clicked; focus on "
        << nameOf(program->focus());
    ASSERT_TRUE(settle(window)) << lastFailure();
}

BoxTexts ToolTest::boxTexts() const {
    BoxTexts texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = windowText(control(editBoxes[i]));
    return texts;
}

void ToolTest::expectBoxes(const BoxTexts& expected) const {
    waitUntil([&] { return boxTexts() == expected; }, 5000);
    BoxTexts seen = boxTexts();
    for (size_t i = 0; i < seen.size(); ++i)
        EXPECT_EQ(seen[i], expected[i]) << expectedControls[editBoxes[i]].name;
}

void ToolTest::answerMessage(const std::string& title, const std::string& text, bool prefix) {
    HWND box = program->waitMessageBox();
    ASSERT_NE(box, nullptr) << "no message box; " << windowsOf(*program);
    MessageBoxInfo info = describeMessageBox(box);
    EXPECT_EQ(info.title, title);
    if (prefix)
        EXPECT_EQ(info.text.substr(0, text.size()), text) << info.text;
    else
        EXPECT_EQ(info.text, text);
    ASSERT_EQ(info.buttons.size(), 1u);
    ASSERT_TRUE(pressMessageBoxButton(box, info.buttons[0]));
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }, 5000)) << "the box stays";
    ASSERT_TRUE(settle(window)) << lastFailure();
}

void ToolTest::expectNoMessageBox() const {
    EXPECT_FALSE(hasDialog(program->pid())) << windowsOf(*program);
}

void ToolTest::exitByEsc() {
    ASSERT_TRUE(pressKey(window, VK_ESCAPE)) << lastFailure();
    expectNormalEnd();
}

} // namespace e2e
