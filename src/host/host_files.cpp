// Files by number, and settings files.
#include "host.h"

#include "host_rules.h"
#include "line_reader.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// A report is small and read to its end, line by line: it is read in whole
// when opened, so each line costs no system call.
struct FileSlot {
    HANDLE handle;
    std::string bytes;
    std::uint64_t position;
};

// Slot n - 1 holds file number n; a closed slot keeps a null handle.
std::vector<FileSlot> openFiles;

FileSlot* fileOf(int number) {
    if (number <= 0 || static_cast<std::size_t>(number) > openFiles.size()) return nullptr;
    FileSlot* file = &openFiles[number - 1];
    return file->handle ? file : nullptr;
}

// What a read error leaves unread is treated as the end of the file.
std::string wholeFile(HANDLE handle) {
    std::string bytes;
    char chunk[16 * 1024];
    DWORD got = 0;
    while (ReadFile(handle, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    return bytes;
}

long readChunk(void* source, std::uint64_t offset, char* buffer, unsigned size) {
    const std::string& bytes = *static_cast<const std::string*>(source);
    if (offset >= bytes.size()) return 0;
    std::size_t count = std::min<std::size_t>(size, bytes.size() - offset);
    bytes.copy(buffer, count, offset);
    return static_cast<long>(count);
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
    FileSlot opened{handle, wholeFile(handle), 0};
    for (std::size_t i = 0; i < openFiles.size(); ++i) {
        if (!openFiles[i].handle) {
            openFiles[i] = std::move(opened);
            return static_cast<int>(i + 1);
        }
    }
    openFiles.push_back(std::move(opened));
    return static_cast<int>(openFiles.size());
}

std::string readLine(int number) {
    FileSlot* file = fileOf(number);
    if (!file) return std::string();
    LineRead line = readLineAt(readChunk, &file->bytes, file->position);
    file->position = line.next;
    return line.text;
}

bool fileEnded(int number) {
    FileSlot* file = fileOf(number);
    return !file || file->position >= file->bytes.size() || stopsLines(file->bytes[file->position]);
}

void closeFile(int number) {
    FileSlot* file = fileOf(number);
    if (!file) return;
    CloseHandle(file->handle);
    file->handle = nullptr;
    std::string().swap(file->bytes);
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
