#include "fuzz_host.h"

#include "fuzz_check.h"
#include "host/host.h"
#include "host/line_reader.h"
#include "reader/report_parser.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct Report {
    std::unique_ptr<char[]> bytes;
    std::size_t size = 0;
    bool exists = false;
};

struct Slot {
    std::uint64_t position;
    bool open;
};

Report report;
std::vector<Slot> slots;
FuzzHostLog hostLog;

Slot* slotOf(int number) {
    if (number <= 0 || static_cast<std::size_t>(number) > slots.size()) return nullptr;
    Slot* slot = &slots[number - 1];
    return slot->open ? slot : nullptr;
}

long readReport(void*, std::uint64_t offset, char* buffer, unsigned size) {
    FUZZ_CHECK(offset <= report.size);
    std::size_t n = std::min<std::size_t>(size, report.size - offset);
    if (n) std::memcpy(buffer, report.bytes.get() + offset, n);
    return static_cast<long>(n);
}

} // namespace

std::string fuzzReportPath() {
    return tempFolder() + reportName;
}

void resetFuzzHost(const std::string* bytes) {
    slots.clear();
    hostLog = FuzzHostLog();
    report.exists = bytes != nullptr;
    report.size = bytes ? bytes->size() : 0;
    report.bytes.reset(new char[report.size]);
    if (report.size) std::memcpy(report.bytes.get(), bytes->data(), report.size);
}

bool fuzzReportExists() {
    return report.exists;
}

const FuzzHostLog& fuzzHostLog() {
    return hostLog;
}

std::string tempFolder() {
    return "C:\\TEMP\\";
}

int openFile(const std::string& path) {
    if (path != fuzzReportPath() || !report.exists) return 0;
    slots.push_back(Slot{0, true});
    ++hostLog.opened;
    ++hostLog.openNow;
    return static_cast<int>(slots.size());
}

std::string readLine(int number) {
    ++hostLog.lineReads;
    Slot* slot = slotOf(number);
    if (!slot) return std::string();
    LineRead line = readLineAt(readReport, nullptr, slot->position);
    FUZZ_CHECK(!line.failed);
    FUZZ_CHECK(line.next >= slot->position && line.next <= report.size);
    slot->position = line.next;
    return line.text;
}

bool fileEnded(int number) {
    ++hostLog.endQueries;
    Slot* slot = slotOf(number);
    if (!slot || slot->position >= report.size) return true;
    return stopsLines(report.bytes[slot->position]);
}

void closeFile(int number) {
    if (Slot* slot = slotOf(number)) {
        slot->open = false;
        --hostLog.openNow;
    }
}

bool deleteFile(const std::string& path) {
    hostLog.deleted.push_back(path);
    if (path != fuzzReportPath() || !report.exists) return false;
    // Windows refuses to delete a file that is still open without delete sharing.
    if (hostLog.openNow > 0) return false;
    report.exists = false;
    return true;
}
