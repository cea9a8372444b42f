// The driver's handling of message boxes, tried on a box of this process so
// that it is known to work before a test relies on it with the program.
#include "driver.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

struct Shown {
    int result = 0;
};

DWORD WINAPI showBox(void* data) {
    static_cast<Shown*>(data)->result =
        MessageBoxA(nullptr, "正文", "标题", MB_OKCANCEL | MB_ICONINFORMATION);
    return 0;
}

TEST(Driver, FindsReadsAndPressesAMessageBox) {
    Shown shown;
    HANDLE thread = CreateThread(nullptr, 0, showBox, &shown, 0, nullptr);
    ASSERT_NE(thread, nullptr);
    HWND box = nullptr;
    EXPECT_TRUE(
        waitUntil([&] { return (box = findMessageBox(GetCurrentProcessId())) != nullptr; }));
    if (box) {
        MessageBoxInfo info = describeMessageBox(box);
        EXPECT_EQ(info.title, u8"标题");
        EXPECT_EQ(info.text, u8"正文");
        ASSERT_EQ(info.buttons.size(), 2u);
        // The second button is Cancel, whatever its caption in this locale.
        EXPECT_TRUE(pressMessageBoxButton(box, info.buttons[1]));
    }
    ASSERT_EQ(WaitForSingleObject(thread, 10000), WAIT_OBJECT_0);
    CloseHandle(thread);
    EXPECT_EQ(shown.result, IDCANCEL);
}

} // namespace
} // namespace e2e
