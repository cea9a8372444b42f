// Whole files read and written by the tests and their helper programs,
// apart from the program's own file operations under test.
#pragma once

#include <windows.h>

#include <string>

// False when the file cannot be opened; it may be written meanwhile.
inline bool readWholeFile(const std::string& path, std::string* bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes->append(buffer, got);
    CloseHandle(file);
    return true;
}

// Exactly these bytes, in a new or emptied file.
inline bool writeWholeFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() ||
              (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
               written == bytes.size());
    return CloseHandle(file) && ok;
}

// The bytes, or nothing when the file cannot be read.
inline std::string fileBytes(const std::string& path) {
    std::string bytes;
    readWholeFile(path, &bytes);
    return bytes;
}
