// Small helpers of the Windows-side tests: a fresh folder per test, raw file
// bytes, time-limited waits and the probe program that the tests start.
#pragma once

#include "common/files.h"

#include <windows.h>

#include <functional>
#include <string>

namespace wintest {

inline std::string exePath() {
    char path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    return std::string(path, n < sizeof path ? n : 0);
}

// Cut by hand: the test exe lives in an ASCII build folder.
inline std::string exeFolder() {
    std::string path = exePath();
    return path.substr(0, path.rfind('\\'));
}

inline std::string probePath() {
    return exeFolder() + "\\host_probe.exe";
}

inline bool exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline bool isFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The whole file, or "<missing>" when it cannot be read.
inline std::string readAll(const std::string& path) {
    std::string bytes;
    return readWholeFile(path, &bytes) ? bytes : "<missing>";
}

inline bool writeAll(const std::string& path, const std::string& bytes) {
    return writeWholeFile(path, bytes);
}

// Polls until the condition holds or the time is up; true when it held.
inline bool waitFor(const std::function<bool()>& condition, DWORD limitMs = 10000) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (GetTickCount() - start > limitMs) return false;
        Sleep(10);
    }
}

// A fresh folder under the temp path, its name holding GBK characters whose
// second bytes are 0x5C and 0x7C; removed with all it holds.
class TempDir {
  public:
    TempDir() {
        static int count = 0;
        char base[MAX_PATH];
        DWORD n = GetTempPathA(sizeof base, base);
        path_ = std::string(base, n) + "主机测试乗亅_" + std::to_string(GetCurrentProcessId()) +
                "_" + std::to_string(++count);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempDir() { removeTree(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

  private:
    static void removeTree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                std::string path = folder + "\\" + name;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    removeTree(path);
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};

// Starts a program and waits for it, apart from the code under test; -1 when
// it could not start or did not end in time.
inline long runProgram(const std::string& commandLine, DWORD limitMs = 30000) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process.hProcess, limitMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &code);
    else
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<long>(code);
}

inline std::string inQuotes(const std::string& text) {
    return "\"" + text + "\"";
}

} // namespace wintest
