// Folders, the system version, processes, the shell and message boxes.
#include "host.h"

#include "host_rules.h"
#include "system_library.h"

#include <windows.h>
#include <shellapi.h>

std::string programDirectory() {
    // Fixed for the whole run; worked out on the first call, at start-up.
    static const std::string directory = [] {
        char path[MAX_PATH * 4];
        DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
        return directoryOf(std::string(path, n < sizeof path ? n : 0));
    }();
    return directory;
}

std::string tempFolder() {
    char path[260];
    DWORD n = GetTempPathA(sizeof path, path);
    if (n == 0 || n >= sizeof path) return std::string();
    return withTrailingBackslash(std::string(path, n));
}

int queryOsKind() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = 148;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    return osKindOfPlatform(info.dwPlatformId);
}

void restrictDllSearch() {
    // Absent before Windows 7 with KB2533623; there the loader's defaults stay.
    using SetDirs = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto set = reinterpret_cast<SetDirs>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (set) set(LOAD_LIBRARY_SEARCH_SYSTEM32);
}

bool runAndWait(const std::string& commandLine, unsigned long* exitCode) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION process{};
    std::string line = commandLine; // CreateProcessA may write into it
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    if (exitCode) {
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        *exitCode = code;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

namespace {
HANDLE shellProcess; // what the last shellOpen started, until waited for
}

int shellOpen(const std::string& path) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI; // as ShellExecuteA: no error box
    info.lpFile = path.c_str();
    info.lpDirectory = "";
    info.nShow = SW_SHOWNORMAL;
    using ShellExecuteExCall = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
    auto execute = systemCall<ShellExecuteExCall>("shell32.dll", "ShellExecuteExA");
    if (!execute) return SE_ERR_DLLNOTFOUND;
    execute(&info);
    if (info.hProcess) {
        if (shellProcess) CloseHandle(shellProcess);
        shellProcess = info.hProcess;
    }
    return static_cast<int>(reinterpret_cast<INT_PTR>(info.hInstApp));
}

void waitForShellProcess(unsigned milliseconds) {
    if (!shellProcess) return;
    WaitForSingleObject(shellProcess, milliseconds);
    CloseHandle(shellProcess);
    shellProcess = nullptr;
}

void openWebPage(const std::string& address) {
    HWND owner = FindWindowExA(nullptr, nullptr, nullptr, "Microsoft Internet Explorer");
    using ShellExecuteCall =
        HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, int);
    auto execute = systemCall<ShellExecuteCall>("shell32.dll", "ShellExecuteA");
    if (execute) execute(owner, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

int showMessage(const std::string& text, unsigned flags, const std::string& title) {
    return MessageBoxA(nullptr, text.c_str(), title.c_str(), messageBoxStyle(flags));
}

void setWaitCursor(bool on) {
    SetCursor(LoadCursor(nullptr, on ? IDC_WAIT : IDC_ARROW));
}
