#include "recording.h"

#include "common/files.h"

#include <cstdlib>

namespace e2e {

namespace {

const char* const logVariable = "QUORBEL_E2E_LOG";

std::string besideTests(const char* name) {
    return folderOf(programPath()) + "\\" + name;
}

// One entry: "<a> <b> <c>\n", a + b + max(c, 0) bytes, "\n".
bool parseEntry(const std::string& log, size_t& at, Record& record) {
    size_t end = log.find('\n', at);
    if (end == std::string::npos) return false;
    long sizes[3] = {};
    const char* p = log.c_str() + at;
    for (long& size : sizes) {
        char* next = nullptr;
        size = std::strtol(p, &next, 10);
        p = next;
    }
    size_t a = static_cast<size_t>(sizes[0]), b = static_cast<size_t>(sizes[1]);
    size_t c = sizes[2] < 0 ? 0 : static_cast<size_t>(sizes[2]);
    at = end + 1;
    if (log.size() < at + a + b + c + 1) return false;
    record.commandLine = log.substr(at, a);
    record.argument = log.substr(at + a, b);
    record.hasScript = sizes[2] >= 0;
    record.script = log.substr(at + a + b, c);
    at += a + b + c + 1;
    return true;
}

} // namespace

std::string recorderPath() {
    return besideTests("recorder.exe");
}

std::string fakeIpconfigPath() {
    return besideTests("fake_ipconfig.exe");
}

bool fileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool isFolder(const std::string& path) {
    DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string readBytes(const std::string& path) {
    return fileBytes(path);
}

bool writeBytes(const std::string& path, const std::string& bytes) {
    return writeWholeFile(path, bytes);
}

std::string reportFixture(const std::string& name) {
    return readBytes(std::string(QUORBEL_E2E_REPORTS) + "\\" + name);
}

std::string tempPath() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    return temp;
}

RecordLog::RecordLog() : folder_("quorbel-e2e-log"), path_(folder_.path() + "\\records.log") {
    SetEnvironmentVariableA(logVariable, path_.c_str());
}

RecordLog::~RecordLog() {
    SetEnvironmentVariableA(logVariable, nullptr);
    // A recorder started late may still be writing.
    waitUntil([&] { return DeleteFileA(path_.c_str()) || !fileExists(path_); }, 5000);
}

std::vector<Record> RecordLog::records() const {
    std::string log = readBytes(path_);
    std::vector<Record> found;
    Record record;
    for (size_t at = 0; parseEntry(log, at, record);)
        found.push_back(record);
    return found;
}

bool RecordLog::waitFor(size_t n, DWORD timeoutMs) const {
    return waitUntil([&] { return records().size() >= n; }, timeoutMs);
}

std::string RecordLog::arguments() const {
    std::string text;
    for (const Record& r : records())
        text += "\n  " + toUtf8(r.argument);
    return text.empty() ? " (none)" : text;
}

RegistryValue::RegistryValue(HKEY root, const std::string& key, const std::string& name,
                             const std::string& value)
    : root_(root), key_(key), name_(name) {
    HKEY handle = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &handle,
                        &disposition) != ERROR_SUCCESS)
        return;
    createdKey_ = disposition == REG_CREATED_NEW_KEY;
    DWORD size = 0;
    if (RegQueryValueExA(handle, name.c_str(), nullptr, &oldType_, nullptr, &size) ==
        ERROR_SUCCESS) {
        oldValue_.resize(size);
        hadValue_ =
            RegQueryValueExA(handle, name.c_str(), nullptr, &oldType_,
                             reinterpret_cast<BYTE*>(&oldValue_[0]), &size) == ERROR_SUCCESS;
        oldValue_.resize(size);
    }
    set_ = RegSetValueExA(handle, name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(handle);
}

RegistryValue::~RegistryValue() {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root_, key_.c_str(), 0, KEY_WRITE, &handle) != ERROR_SUCCESS) return;
    if (hadValue_)
        RegSetValueExA(handle, name_.c_str(), 0, oldType_,
                       reinterpret_cast<const BYTE*>(oldValue_.data()),
                       static_cast<DWORD>(oldValue_.size()));
    else
        RegDeleteValueA(handle, name_.c_str());
    RegCloseKey(handle);
    if (createdKey_) RegDeleteKeyA(root_, key_.c_str());
}

RecorderAssociations::RecorderAssociations() {
    std::string command = "\"" + recorderPath() + "\" \"%1\"";
    script_ = std::make_unique<RegistryValue>(HKEY_CLASSES_ROOT, "VBSFile\\Shell\\Open\\Command",
                                              "", command);
    web_ = std::make_unique<RegistryValue>(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", "",
                                           command);
}

WindowsVersion::WindowsVersion(const std::string& version)
    : value_(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\quorbel-ip.exe", "Version", version) {
}

} // namespace e2e
