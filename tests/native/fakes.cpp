#include "fakes.h"

#include "app/skin.h"
#include "host/host.h"
#include "host/line_reader.h"

#include <algorithm>

FakeControls controls;
FakeHost host;

namespace {

struct FakeFile {
    std::string path;
    std::uint64_t position;
    bool open;
};
std::vector<FakeFile> openFiles;

FakeFile* fileOf(int number) {
    if (number <= 0 || static_cast<std::size_t>(number) > openFiles.size()) return nullptr;
    FakeFile* file = &openFiles[number - 1];
    return file->open ? file : nullptr;
}

long readFake(void* source, std::uint64_t offset, char* buffer, unsigned size) {
    const std::string& bytes = host.files[static_cast<FakeFile*>(source)->path];
    if (offset >= bytes.size()) return 0;
    std::size_t n = std::min<std::size_t>(size, bytes.size() - offset);
    std::copy_n(bytes.data() + offset, n, buffer);
    return static_cast<long>(n);
}

// The capture batch: "ipconfig/all > <report path>" on its second line.
void runIpconfigBatch(const std::string& batchPath) {
    std::string batch = host.files[batchPath];
    host.batchSeen = batch;
    std::size_t arrow = batch.find("> ");
    if (arrow == std::string::npos) return;
    std::string report = batch.substr(arrow + 2, batch.find("\r\n", arrow) - arrow - 2);
    if (report.size() > 1 && report.front() == '"') report = report.substr(1, report.size() - 2);
    host.files[report] = host.ipconfigReport;
}

} // namespace

int openFileCount() {
    return static_cast<int>(std::count_if(openFiles.begin(), openFiles.end(),
                                          [](const FakeFile& f) { return f.open; }));
}

void resetFakes() {
    openFiles.clear();
    controls = FakeControls();
    for (int i = 0; i < controlCount; ++i)
        controls.selected[i] = -1;
    controls.disabled[按钮2] = true;
    host = FakeHost();
}

std::string boxText(Control box) {
    return controls.text[box];
}
void setBoxText(Control box, const std::string& text) {
    controls.text[box] = text;
}
void appendBoxText(Control box, const std::string& text) {
    controls.text[box] += text;
}
void setDisabled(Control control, bool disabled) {
    controls.disabled[control] = disabled;
}
int selectedIndex(Control list) {
    return controls.selected[list];
}

int insertListItem(Control list, int position, const std::string& text) {
    controls.insertPositions.push_back(position);
    std::vector<std::string>& entries = controls.entries[list];
    if (position < 0 || position == controls.failInsertAt) return -1;
    if (static_cast<std::size_t>(position) > entries.size()) return -1; // as CB_INSERTSTRING
    entries.insert(entries.begin() + position, text);
    return position;
}

std::vector<std::string> enumerateAdapters() {
    return host.adapters;
}

bool setVisualStyle(int scheme) {
    host.visualStyles.push_back(scheme);
    return scheme >= 1 && scheme <= 3;
}

std::string tempFolder() {
    return host.tempFolder;
}
int queryOsKind() {
    return host.osKind;
}
void setWaitCursor(bool on) {
    host.waitCursor.push_back(on);
}

bool runAndWait(const std::string& commandLine, unsigned long* exitCode) {
    host.commands.push_back(commandLine);
    for (const std::string& failing : host.failingCommands)
        if (failing == commandLine) return false;
    std::string program = commandLine;
    if (program.size() > 1 && program.front() == '"')
        program = program.substr(1, program.size() - 2);
    if (host.files.count(program)) runIpconfigBatch(program);
    if (exitCode) *exitCode = 0;
    return true;
}

bool writeFile(const std::string& path, const std::string& bytes) {
    if (path.empty() || host.writesFail) return false;
    host.files[path] = bytes;
    return true;
}

bool deleteFile(const std::string& path) {
    host.deleted.push_back(path);
    return host.files.erase(path) > 0;
}

int openFile(const std::string& path) {
    if (!host.files.count(path)) return 0;
    openFiles.push_back(FakeFile{path, 0, true});
    return static_cast<int>(openFiles.size());
}

std::string readLine(int number) {
    FakeFile* file = fileOf(number);
    if (!file) return std::string();
    LineRead line = readLineAt(readFake, file, file->position);
    file->position = line.next;
    return line.text;
}

bool fileEnded(int number) {
    FakeFile* file = fileOf(number);
    if (!file) return true;
    const std::string& bytes = host.files[file->path];
    return file->position >= bytes.size() || stopsLines(bytes[file->position]);
}

void closeFile(int number) {
    if (FakeFile* file = fileOf(number)) file->open = false;
}

std::string programDirectory() {
    return host.programDirectory;
}

int showMessage(const std::string& text, unsigned flags, const std::string& title) {
    host.messages.push_back(ShownMessage{text, flags, title});
    return 1;
}

void openWebPage(const std::string& address) {
    host.webPages.push_back(address);
}

int shellOpen(const std::string& path) {
    host.shellOpened.push_back(path);
    return host.shellResult;
}

void waitForShellProcess(unsigned milliseconds) {
    host.shellWaits.push_back(milliseconds);
}

std::string readProfileValue(const std::string& file, const std::string& section,
                             const std::string& key) {
    auto f = host.profiles.find(file);
    if (f == host.profiles.end()) return std::string();
    auto s = f->second.find(section);
    if (s == f->second.end()) return std::string();
    auto k = s->second.find(key);
    return k == s->second.end() ? std::string() : k->second;
}

bool writeProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value) {
    if (host.writesFail) return false;
    host.profiles[file][section][key] = value;
    host.profileWrites.push_back(section + "/" + key + "=" + value);
    return true;
}
