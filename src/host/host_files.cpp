// Files by number, and settings files.
#include "host.h"

#include "host_rules.h"
#include "line_reader.h"

#include <windows.h>

#include <vector>

namespace {

struct FileSlot {
    HANDLE handle;
    std::uint64_t position;
};

// Slot n - 1 holds file number n; a closed slot keeps a null handle.
std::vector<FileSlot> openFiles;

FileSlot* fileOf(int number) {
    if (number <= 0 || static_cast<std::size_t>(number) > openFiles.size()) return nullptr;
    FileSlot* file = &openFiles[number - 1];
    return file->handle ? file : nullptr;
}

std::uint64_t sizeOf(HANDLE handle) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle, &size)) return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

long readChunk(void* source, std::uint64_t offset, char* buffer, unsigned size) {
    HANDLE handle = source;
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD got = 0;
    if (!SetFilePointerEx(handle, at, nullptr, FILE_BEGIN) ||
        !ReadFile(handle, buffer, size, &got, nullptr))
        return -1;
    return static_cast<long>(got);
}

} // namespace

bool writeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) return false;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() || (WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()),
                                          &written, nullptr) &&
                                written == bytes.size());
    return CloseHandle(handle) && ok;
}

bool deleteFile(const std::string& path) {
    return DeleteFileA(path.c_str()) != 0;
}

int openFile(const std::string& path) {
    if (path.empty()) return 0;
    HANDLE handle =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return 0;
    for (std::size_t i = 0; i < openFiles.size(); ++i) {
        if (!openFiles[i].handle) {
            openFiles[i] = FileSlot{handle, 0};
            return static_cast<int>(i + 1);
        }
    }
    openFiles.push_back(FileSlot{handle, 0});
    return static_cast<int>(openFiles.size());
}

std::string readLine(int number) {
    FileSlot* file = fileOf(number);
    if (!file) return std::string();
    LineRead line = readLineAt(readChunk, file->handle, file->position);
    file->position = line.failed ? sizeOf(file->handle) : line.next;
    return line.text;
}

bool fileEnded(int number) {
    FileSlot* file = fileOf(number);
    if (!file || file->position >= sizeOf(file->handle)) return true;
    char next = 0;
    return readChunk(file->handle, file->position, &next, 1) != 1 || stopsLines(next);
}

void closeFile(int number) {
    FileSlot* file = fileOf(number);
    if (!file) return;
    CloseHandle(file->handle);
    file->handle = nullptr;
}

std::string readProfileValue(const std::string& file, const std::string& section,
                             const std::string& key) {
    std::string path = dropLeadingBlanks(file), name = dropLeadingBlanks(section),
                entry = dropLeadingBlanks(key);
    if (path.empty() || name.empty() || entry.empty()) return std::string();
    std::vector<char> value(10240);
    DWORD n = GetPrivateProfileStringA(name.c_str(), entry.c_str(), nullptr, value.data(),
                                       static_cast<DWORD>(value.size()), path.c_str());
    return std::string(value.data(), n);
}

bool writeProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) !=
           0;
}

void closeAllFiles() {
    for (std::size_t i = 0; i < openFiles.size(); ++i)
        closeFile(static_cast<int>(i + 1));
}
