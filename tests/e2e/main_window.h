// What the end-to-end tests know of the main window: its title, its controls
// as the user sees them, and a fixture that runs one instance of the program.
#pragma once

#include "driver.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {

const char* const windowTitle = u8"Quorbel本地连接ip设置V2.3";

// Definition order, which is also the stacking order, first on top. The
// control id of each is its index plus firstControlId.
enum Name {
    按钮3,
    网卡列表,
    选择标签,
    按钮2,
    标签7,
    按钮1,
    标签6,
    组合框1,
    标签3,
    编辑框4,
    编辑框5,
    标签5,
    标签1,
    编辑框1,
    标签2,
    编辑框2,
    标签4,
    编辑框3,
    controlCount
};

const int firstControlId = 1000;

struct ExpectedControl {
    const char* name;
    const char* kind;
    int left, top, width, height;
    const char* text;
    bool enabled;
};

// Heights of drop-down lists are those of the open list and field together.
const ExpectedControl expectedControls[controlCount] = {
    {u8"按钮3", "Button", 268, 233, 93, 23, u8"自动获取IP/DNS", true},
    {u8"网卡列表", "ComboBox", 133, 23, 233, 160, u8"", true},
    {u8"选择标签", "Static", 32, 23, 113, 23, u8"网卡名称：", true},
    {u8"按钮2", "Button", 153, 233, 93, 23, u8"保存自定义配置", false},
    {u8"标签7", "Static", 333, -3, 53, 23, u8"V2.3", true},
    {u8"按钮1", "Button", 33, 233, 93, 23, u8"设置网络设置", true},
    {u8"标签6", "Static", 33, 143, 113, 23, u8"DNS服务器选择：", true},
    {u8"组合框1", "ComboBox", 183, 143, 133, 160, u8"", true},
    {u8"标签3", "Static", 33, 173, 113, 22, u8"首选 DNS 服务器(P):", true},
    {u8"编辑框4", "Edit", 183, 173, 133, 23, u8"", true},
    {u8"编辑框5", "Edit", 183, 203, 133, 23, u8"", true},
    {u8"标签5", "Static", 33, 203, 113, 22, u8"备用 DNS 服务器(A):", true},
    {u8"标签1", "Static", 33, 53, 113, 23, u8"IP地址(I)：", true},
    {u8"编辑框1", "Edit", 183, 53, 133, 23, u8"", true},
    {u8"标签2", "Static", 33, 83, 113, 23, u8"子网掩码(U)：", true},
    {u8"编辑框2", "Edit", 183, 83, 133, 23, u8"", true},
    {u8"标签4", "Static", 33, 113, 113, 23, u8"默认网关(D)：", true},
    {u8"编辑框3", "Edit", 183, 113, 133, 23, u8"", true},
};

const std::vector<std::string> dnsChooserEntries = {u8"OpenDNS", u8"湖北", u8"自定义1", u8"自定义2",
                                                    u8"申请添加当地DNS"};

const Name editBoxes[] = {编辑框1, 编辑框2, 编辑框3, 编辑框4, 编辑框5};

inline const char* nameOf(HWND control) {
    int index = GetDlgCtrlID(control) - firstControlId;
    return index >= 0 && index < controlCount ? expectedControls[index].name : u8"(other window)";
}

// What the process shows, for failure messages.
inline std::string windowsOf(const Program& program) {
    std::string seen = "windows of the process:";
    for (HWND window : topLevelWindows(program.pid())) {
        char title[512] = {};
        GetWindowTextA(window, title, sizeof title);
        seen += " [" + className(window) + " \"" + toUtf8(title) + "\"]";
    }
    if (!program.running()) {
        DWORD code = 0;
        GetExitCodeProcess(program.process(), &code);
        seen += " (the process has ended with exit code " + std::to_string(code) + ")";
    }
    return seen;
}

// One instance of the program, started fresh for each test, its window found.
class MainWindowTest : public ::testing::Test {
  protected:
    void start(const std::string& exe = programPath(), const std::string& folder = {}) {
        program = std::make_unique<Program>(exe, folder);
        ASSERT_TRUE(program->started())
            << "cannot start " << exe << ", error " << program->startError();
        window = program->waitWindow(windowTitle);
        ASSERT_NE(window, nullptr)
            << "no window titled " << windowTitle << "; " << windowsOf(*program);
        ASSERT_TRUE(settle(window)) << lastFailure();
    }

    // Before the members of derived fixtures go, such as a folder holding the copy.
    void TearDown() override { program.reset(); }

    HWND control(Name name) const { return program->control(firstControlId + name); }

    bool waitFocus(Name name, DWORD timeoutMs = 5000) const {
        HWND target = control(name);
        return waitUntil([&] { return program->focus() == target; }, timeoutMs);
    }

    // Ends the run with Esc or a close request and expects a normal end.
    void expectNormalEnd(DWORD timeoutMs = 10000) {
        DWORD code = 0xDEAD;
        ASSERT_TRUE(program->waitExit(&code, timeoutMs))
            << "the program did not end; " << windowsOf(*program);
        EXPECT_EQ(code, 0u);
    }

    std::unique_ptr<Program> program;
    HWND window = nullptr;
};

} // namespace e2e
