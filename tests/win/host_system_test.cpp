// Folders, the system version, processes and the shell, against the real
// system: the probe program is copied, started and questioned.
#include "host/host.h"

#include "common/scoped_env.h"
#include "win_test_util.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

using namespace wintest;

namespace {

// The name's last character has 0x5C as its second byte: a cut at the last
// 0x5C byte instead of the last separator would split it.
#ifndef __clang__ // clang-tidy reads the literals as UTF-8
static_assert("乗"[1] == '\\', "GBK second byte 0x5C expected");
#endif
const char probeName[] = "探针乗.exe";

bool copyProbe(const std::string& to) {
    return CopyFileA(probePath().c_str(), to.c_str(), FALSE) != 0;
}

bool underWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

class ScopedCurrentDirectory {
  public:
    explicit ScopedCurrentDirectory(const std::string& folder) {
        char old[MAX_PATH * 4];
        DWORD n = GetCurrentDirectoryA(sizeof old, old);
        old_.assign(old, n < sizeof old ? n : 0);
        ok_ = SetCurrentDirectoryA(folder.c_str()) != 0;
    }
    ~ScopedCurrentDirectory() { SetCurrentDirectoryA(old_.c_str()); }
    bool ok() const { return ok_; }

  private:
    std::string old_;
    bool ok_;
};

struct ShellCall {
    std::string path;
    int result;
};

DWORD WINAPI callShellOpen(void* parameter) {
    auto* call = static_cast<ShellCall*>(parameter);
    call->result = shellOpen(call->path);
    return 0;
}

BOOL CALLBACK closeBox(HWND window, LPARAM shown) {
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770") return TRUE;
    char text[512] = {};
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
    *reinterpret_cast<std::string*>(shown) += text;
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// shellOpen on a thread of its own, so that a box the shell might show cannot
// hold the test: the box is closed and reported instead.
::testing::AssertionResult shellOpenWithin(const std::string& path, int* result,
                                           DWORD limitMs = 10000) {
    ShellCall call{path, -1};
    DWORD threadId = 0;
    HANDLE thread = CreateThread(nullptr, 0, callShellOpen, &call, 0, &threadId);
    if (!thread) return ::testing::AssertionFailure() << "no thread";
    if (WaitForSingleObject(thread, limitMs) == WAIT_OBJECT_0) {
        CloseHandle(thread);
        *result = call.result;
        return ::testing::AssertionSuccess();
    }
    std::string shown;
    waitFor([&] {
        EnumThreadWindows(threadId, closeBox, reinterpret_cast<LPARAM>(&shown));
        return WaitForSingleObject(thread, 100) == WAIT_OBJECT_0;
    });
    CloseHandle(thread);
    return ::testing::AssertionFailure() << "shellOpen did not return; box shown: " << shown;
}

} // namespace

TEST(ProgramDirectory, IsTheRunningExeFolderWithoutBackslash) {
    std::string folder = programDirectory();
    EXPECT_EQ(folder, exeFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_NE(folder.back(), '\\');
    EXPECT_TRUE(isFolder(folder));
    EXPECT_EQ(programDirectory(), folder); // a copy of the same each time
}

TEST(ProgramDirectory, OfACopiedProgramInAFolderAndInADriveRoot) {
    TempDir temp;
    std::string folder = temp / "工具乗";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    // The temp folder's drive: its root is ours to use for a moment.
    std::string drive = temp.path().substr(0, 2);
    std::string rootProgram = drive + "\\探针乗_" + std::to_string(GetCurrentProcessId()) + ".exe";
    struct Case {
        std::string program;
        std::string expected;
    } cases[] = {
        {folder + "\\" + probeName, folder},
        {rootProgram, drive},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.program);
        ASSERT_TRUE(copyProbe(c.program));
        std::string out = temp / "dir.txt";
        EXPECT_EQ(runProgram(inQuotes(c.program) + " dir " + inQuotes(out)), 0);
        EXPECT_EQ(readAll(out), c.expected);
        DeleteFileA(out.c_str());
        DeleteFileA(c.program.c_str());
    }
}

TEST(TempFolder, IsTheSystemTempPathEndingInOneBackslash) {
    char path[MAX_PATH];
    DWORD n = GetTempPathA(sizeof path, path);
    ASSERT_GT(n, 0u);
    std::string folder = tempFolder();
    EXPECT_EQ(folder, std::string(path, n));
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_NE(folder[folder.size() - 2], '\\');
    EXPECT_TRUE(isFolder(folder));
}

TEST(TempFolder, FollowsTmpAndFailsWhenTooLong) {
    TempDir temp;
    std::string folder = temp / "临时乗"; // ends in a 0x5C second byte
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    struct Case {
        std::string tmp;
        std::string expected;
    } cases[] = {
        {folder, folder + "\\"},
        {folder + "\\", folder + "\\"},
        {"C:\\" + std::string(300, 'a'), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tmp);
        ScopedEnv tmp("TMP", c.tmp);
        EXPECT_EQ(tempFolder(), c.expected);
    }
}

TEST(QueryOsKind, IsNtUnderWinesDefault) {
    EXPECT_EQ(queryOsKind(), 3);
}

TEST(QueryOsKind, FollowsTheReportedPlatform) {
    if (!underWine()) GTEST_SKIP() << "the version is set through Wine's per-program settings";
    TempDir temp;
    std::string name = "oskind_" + std::to_string(GetCurrentProcessId()) + ".exe";
    std::string program = temp / name;
    ASSERT_TRUE(copyProbe(program));
    std::string key = "Software\\Wine\\AppDefaults\\" + name;
    struct KeyRemover {
        const std::string& key;
        ~KeyRemover() { RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str()); }
    } remover{key};
    struct Case {
        const char* version;
        long kind;
    } cases[] = {{"win31", 1}, {"win98", 2}, {"win95", 2}, {"winxp", 3}, {"win10", 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        HKEY settings;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                  nullptr, &settings, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(settings, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(c.version),
                       static_cast<DWORD>(strlen(c.version) + 1));
        RegCloseKey(settings);
        EXPECT_EQ(runProgram(inQuotes(program) + " oskind"), c.kind);
    }
}

TEST(RunAndWait, ReportsTheExitCodeOfAFinishedProcess) {
    TempDir temp;
    std::string out = temp / "late.txt";
    struct Case {
        std::string command;
        unsigned long code;
    } cases[] = {
        {"cmd /c exit 7", 7},
        {"cmd.exe /c exit 0", 0},
        // Writes its file only after a delay: it must be there on return.
        {inQuotes(probePath()) + " late " + inQuotes(out) + " 300 5", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        unsigned long code = 12345;
        EXPECT_TRUE(runAndWait(c.command, &code));
        EXPECT_EQ(code, c.code);
    }
    EXPECT_EQ(readAll(out), "late");
    EXPECT_TRUE(runAndWait("cmd /c exit 9")); // the exit code is optional
}

TEST(RunAndWait, FailsAtOnceWhenNoProgramIsNamed) {
    TempDir temp;
    const std::string commands[] = {
        "quorbel_no_such_program_42",
        inQuotes(temp / "missing.exe") + " x",
        temp / "missing",
        "",
    };
    for (const std::string& command : commands) {
        SCOPED_TRACE(command);
        DWORD start = GetTickCount();
        unsigned long code = 12345;
        EXPECT_FALSE(runAndWait(command, &code));
        EXPECT_LT(GetTickCount() - start, 3000u);
    }
}

TEST(RunAndWait, StartsTheChildHidden) {
    TempDir temp;
    std::string out = temp / "startup.txt";
    ASSERT_TRUE(runAndWait(inQuotes(probePath()) + " startup " + inQuotes(out)));
    // STARTF_USESHOWWINDOW alone, with SW_HIDE.
    EXPECT_EQ(readAll(out), "flags=1 show=0");
}

TEST(RunAndWait, PassesCommandLineDirectoryAndEnvironmentUnchanged) {
    TempDir temp;
    std::string out = temp / "seen.txt";

    std::string line =
        inQuotes(probePath()) + "  cmdline " + inQuotes(out) + "   \"乗 亅\" x\t\"\"";
    ASSERT_TRUE(runAndWait(line));
    EXPECT_EQ(readAll(out), line);

    {
        ScopedCurrentDirectory here(temp.path());
        ASSERT_TRUE(here.ok());
        ASSERT_TRUE(runAndWait(inQuotes(probePath()) + " cwd " + inQuotes(out)));
        EXPECT_EQ(readAll(out), temp.path());
    }

    ScopedEnv probeValue("QUORBEL_PROBE", "值乗亅");
    ASSERT_TRUE(runAndWait(inQuotes(probePath()) + " env " + inQuotes(out) + " QUORBEL_PROBE"));
    EXPECT_EQ(readAll(out), "值乗亅");
}

TEST(RunAndWait, HandsNoHandlesToTheChild) {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE event = CreateEventA(&inheritable, TRUE, FALSE, nullptr);
    ASSERT_NE(event, nullptr);
    std::string value = std::to_string(reinterpret_cast<ULONG_PTR>(event));
    // The same probe, given the handle, does signal it.
    std::string command = inQuotes(probePath()) + " event " + value;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string inheriting = command;
    ASSERT_TRUE(CreateProcessA(nullptr, &inheriting[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                               &startup, &process));
    EXPECT_EQ(WaitForSingleObject(process.hProcess, 30000), WAIT_OBJECT_0);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_OBJECT_0);

    ResetEvent(event);
    ASSERT_TRUE(runAndWait(command));
    EXPECT_EQ(WaitForSingleObject(event, 0), WAIT_TIMEOUT);
    CloseHandle(event);
}

TEST(ShellOpen, MissingFileFails) {
    TempDir temp;
    for (const char* name : {"missing.txt", "missing.exe"}) {
        SCOPED_TRACE(name);
        int result = 0;
        ASSERT_TRUE(shellOpenWithin(temp / name, &result));
        EXPECT_LE(result, 32);
        EXPECT_FALSE(exists(temp / name));
    }
}

TEST(ShellOpen, StartsTheProgramShownAndDoesNotWait) {
    TempDir temp;
    std::string program = temp / probeName;
    ASSERT_TRUE(copyProbe(program));
    // The probe, started with no arguments, waits for "go" before it reports.
    int result = 0;
    ASSERT_TRUE(shellOpenWithin(program, &result));
    EXPECT_GT(result, 32);
    EXPECT_FALSE(exists(temp / "done"));
    ASSERT_TRUE(writeAll(temp / "go", ""));
    ASSERT_TRUE(waitFor([&] { return readAll(temp / "done") != "<missing>"; }));
    char here[MAX_PATH * 4];
    DWORD n = GetCurrentDirectoryA(sizeof here, here);
    EXPECT_EQ(readAll(temp / "done"), "flags=1 show=1\n" + std::string(here, n));
    // The probe ends right after its report; its file goes once it has.
    EXPECT_TRUE(waitFor([&] { return DeleteFileA(program.c_str()) != 0; }));
}
