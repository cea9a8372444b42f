// Start and end of the program: a close request from outside, two instances
// side by side, and the current folder whatever folder it was started from.
#include "main_window.h"

namespace e2e {
namespace {

class Lifecycle : public MainWindowTest {};

TEST_F(Lifecycle, CloseRequestFromOutsideEndsWithZero) {
    ASSERT_NO_FATAL_FAILURE(start());
    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    expectNormalEnd();
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(Lifecycle, TwoInstancesRunSideBySide) {
    ASSERT_NO_FATAL_FAILURE(start());
    Program second;
    ASSERT_TRUE(second.started());
    HWND secondWindow = second.waitWindow(windowTitle);
    ASSERT_NE(secondWindow, nullptr) << windowsOf(second);
    ASSERT_TRUE(settle(secondWindow)) << lastFailure();
    EXPECT_NE(second.pid(), program->pid());
    EXPECT_NE(secondWindow, window);
    EXPECT_TRUE(program->running());
    EXPECT_EQ(topLevelWindows(program->pid()).size(), 1u) << windowsOf(*program);
    EXPECT_EQ(topLevelWindows(second.pid()).size(), 1u) << windowsOf(second);
    RECT first, other;
    GetWindowRect(window, &first);
    GetWindowRect(secondWindow, &other);
    EXPECT_TRUE(EqualRect(&first, &other)) << "both are centred";

    // The second goes by a close request, the first by Esc afterwards.
    ASSERT_TRUE(PostMessageA(secondWindow, WM_CLOSE, 0, 0));
    DWORD code = 0xDEAD;
    ASSERT_TRUE(second.waitExit(&code, 10000)) << windowsOf(second);
    EXPECT_EQ(code, 0u);
    ASSERT_TRUE(program->running());
    ASSERT_TRUE(IsWindowVisible(window));
    ASSERT_TRUE(pressKey(window, VK_ESCAPE)) << lastFailure();
    expectNormalEnd();
}

struct FolderCase {
    const char* label;
    const char* copyFolder; // empty: the program as built
    enum { programFolder, tempFolder, windowsFolder } startIn;
};

void PrintTo(const FolderCase& c, std::ostream* os) {
    *os << c.label;
}

class CurrentFolder : public MainWindowTest, public ::testing::WithParamInterface<FolderCase> {
  protected:
    void TearDown() override {
        MainWindowTest::TearDown();
        copy.reset();
    }
    std::unique_ptr<TempFolder> copy;
};

TEST_P(CurrentFolder, IsTheProgramsFolder) {
    const FolderCase& c = GetParam();
    std::string exe = programPath();
    if (*c.copyFolder) {
        copy = std::make_unique<TempFolder>(c.copyFolder);
        exe = copy->copy(exe);
        ASSERT_FALSE(exe.empty());
    }
    char temp[MAX_PATH] = {}, windows[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    GetWindowsDirectoryA(windows, MAX_PATH);
    std::string startIn = c.startIn == FolderCase::programFolder ? folderOf(programPath())
                          : c.startIn == FolderCase::tempFolder  ? std::string(temp)
                                                                 : std::string(windows);
    ASSERT_FALSE(sameFolder(startIn, folderOf(exe)));
    ASSERT_NO_FATAL_FAILURE(start(exe, startIn));
    std::string seen = program->currentFolder();
    EXPECT_TRUE(sameFolder(seen, folderOf(exe)))
        << "current folder " << toUtf8(seen) << ", program in " << toUtf8(folderOf(exe))
        << ", started in " << toUtf8(startIn);
    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    expectNormalEnd();
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, CurrentFolder,
    ::testing::Values(
        FolderCase{"BuiltStartedInTemp", "", FolderCase::tempFolder},
        FolderCase{"BuiltStartedInWindows", "", FolderCase::windowsFolder},
        FolderCase{"CopyStartedInBuildFolder", "quorbel-e2e", FolderCase::programFolder},
        FolderCase{"CopyInChineseFolderWithBlank", u8"e2e 副本", FolderCase::windowsFolder}),
    [](const ::testing::TestParamInfo<FolderCase>& info) { return std::string(info.param.label); });

} // namespace
} // namespace e2e
