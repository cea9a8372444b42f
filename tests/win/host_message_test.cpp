// Message boxes: shown on a thread of their own, found and closed from here.
#include "host/host.h"

#include "win_test_util.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace wintest;

namespace {

struct BoxThread {
    unsigned flags;
    HWND sibling = nullptr; // a window of the box's thread, made before the box
    HANDLE ready = nullptr;
    int result = -1;
};

DWORD WINAPI showBox(void* parameter) {
    auto* box = static_cast<BoxThread*>(parameter);
    box->sibling = CreateWindowExA(0, "STATIC", "sibling", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                   nullptr, nullptr, nullptr);
    SetEvent(box->ready);
    box->result = showMessage("修改成功！请查看本地连接", box->flags, "成功！");
    DestroyWindow(box->sibling);
    return 0;
}

BOOL CALLBACK findDialog(HWND window, LPARAM found) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    char name[16] = {};
    GetClassNameA(child, name, sizeof name);
    if (_stricmp(name, "Static") != 0 ||
        (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
        return TRUE;
    *reinterpret_cast<HWND*>(found) = child;
    return FALSE;
}

std::string textOf(HWND window) {
    char text[256] = {};
    int n = GetWindowTextA(window, text, sizeof text);
    return std::string(text, n > 0 ? n : 0);
}

} // namespace

TEST(ShowMessage, ShowsTheBoxAsAskedAndReturnsTheButton) {
    struct Case {
        unsigned flags;
        LPCSTR icon;
        bool taskModal; // the thread's other windows are disabled
        bool topmost;
    } cases[] = {
        {16, IDI_HAND, true, false},
        {64, IDI_ASTERISK, true, false},
        {64 | 0x1000, IDI_ASTERISK, false, true}, // system-modal: no task-modal added
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.flags);
        BoxThread box{c.flags};
        box.ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        DWORD threadId = 0;
        HANDLE thread = CreateThread(nullptr, 0, showBox, &box, 0, &threadId);
        ASSERT_NE(thread, nullptr);
        ASSERT_EQ(WaitForSingleObject(box.ready, 10000), WAIT_OBJECT_0);

        HWND dialog = nullptr;
        bool shown = waitFor([&] {
            dialog = nullptr;
            EnumThreadWindows(threadId, findDialog, reinterpret_cast<LPARAM>(&dialog));
            return dialog && IsWindowVisible(dialog);
        });
        if (!shown) { // leave nothing behind: the box loop ends on WM_QUIT
            PostThreadMessageA(threadId, WM_QUIT, 0, 0);
            WaitForSingleObject(thread, 10000);
            CloseHandle(thread);
            FAIL() << "no message box appeared";
        }
        EXPECT_EQ(textOf(dialog), "成功！");
        EXPECT_EQ(textOf(GetDlgItem(dialog, 0xFFFF)), "修改成功！请查看本地连接");
        EXPECT_EQ(GetWindow(dialog, GW_OWNER), nullptr);
        EXPECT_NE(GetDlgItem(dialog, IDOK), nullptr);
        EXPECT_EQ(GetDlgItem(dialog, IDCANCEL), nullptr);
        HWND icon = nullptr;
        EnumChildWindows(dialog, findIcon, reinterpret_cast<LPARAM>(&icon));
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(icon, STM_GETICON, 0, 0)),
                  LoadIconA(nullptr, c.icon));
        EXPECT_EQ(IsWindowEnabled(box.sibling) == FALSE, c.taskModal);
        EXPECT_EQ((GetWindowLongA(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, c.topmost);

        PostMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
        CloseHandle(thread);
        CloseHandle(box.ready);
        EXPECT_EQ(box.result, IDOK);
    }
}
