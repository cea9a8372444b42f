// Started by the host tests: reports what it sees of its own start (folder,
// start-up information, directory, environment, command line, handles) into a
// file, or through its exit code.
#include "host/host.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

bool put(const char* path, const std::string& text) {
    HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    return CloseHandle(file) && ok;
}

std::string startupText() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    GetStartupInfoA(&startup);
    return "flags=" + std::to_string(startup.dwFlags) +
           " show=" + std::to_string(startup.wShowWindow);
}

std::string currentDirectory() {
    char path[MAX_PATH * 4];
    DWORD n = GetCurrentDirectoryA(sizeof path, path);
    return std::string(path, n < sizeof path ? n : 0);
}

// Started by the shell with no arguments: waits for "go" beside itself, so a
// caller that waited for it would be caught, then reports into "done".
int shellStarted() {
    std::string folder = programDirectory();
    std::string go = folder + "\\go";
    DWORD start = GetTickCount();
    while (GetFileAttributesA(go.c_str()) == INVALID_FILE_ATTRIBUTES) {
        if (GetTickCount() - start > 20000) return 3;
        Sleep(10);
    }
    std::string report = startupText() + "\n" + currentDirectory();
    return put((folder + "\\done").c_str(), report) ? 0 : 4;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return shellStarted();
    std::string mode = argv[1];
    const char* out = argc > 2 ? argv[2] : "";
    if (mode == "oskind") return queryOsKind();
    if (mode == "dir") return put(out, programDirectory()) ? 0 : 2;
    if (mode == "startup") return put(out, startupText()) ? 0 : 2;
    if (mode == "cwd") return put(out, currentDirectory()) ? 0 : 2;
    if (mode == "cmdline") return put(out, GetCommandLineA()) ? 0 : 2;
    if (mode == "env" && argc > 3) {
        // Through the wide call: Wine's ANSI one cuts a value after as many
        // bytes as it has characters.
        wchar_t name[256], value[1024];
        char text[2048];
        MultiByteToWideChar(CP_ACP, 0, argv[3], -1, name, 256);
        DWORD n = GetEnvironmentVariableW(name, value, 1024);
        int bytes = n && n < 1024 ? WideCharToMultiByte(CP_ACP, 0, value, static_cast<int>(n), text,
                                                        sizeof text, nullptr, nullptr)
                                  : 0;
        return put(out, bytes > 0 ? std::string(text, bytes) : "<unset>") ? 0 : 2;
    }
    if (mode == "event") {
        // The parent's event value: it only names that event when it was inherited.
        HANDLE event = reinterpret_cast<HANDLE>(std::strtoull(out, nullptr, 10));
        DWORD flags = 0;
        if (GetHandleInformation(event, &flags)) SetEvent(event);
        return 0;
    }
    if (mode == "late" && argc > 4) {
        Sleep(static_cast<DWORD>(std::atoi(argv[3])));
        return put(out, "late") ? std::atoi(argv[4]) : 2;
    }
    return 1;
}
