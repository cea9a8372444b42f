// The end of a run whose window cannot be made: the process reports it in
// its exit code instead of waiting for messages that never come.
#include "app/program.h"
#include "app/window.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

TEST(StartProgram, EndsWithMinusOneWhenTheWindowCannotBeMade) {
    // The program's window class taken first: registering it fails.
    WNDCLASSA taken{};
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "QuorbelIpMainWindow";
    ASSERT_NE(RegisterClassA(&taken), 0);
    DWORD start = GetTickCount();
    EXPECT_EQ(startProgram(), -1);
    EXPECT_LT(GetTickCount() - start, 5000u); // no loop was entered
    EXPECT_EQ(mainWindow(), nullptr);
    EXPECT_EQ(FindWindowA("QuorbelIpMainWindow", nullptr), nullptr);
    UnregisterClassA("QuorbelIpMainWindow", GetModuleHandleA(nullptr));
}

} // namespace
