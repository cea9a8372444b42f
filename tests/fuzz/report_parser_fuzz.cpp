// Both report parsers on any report file: they read within the file, stop at
// its end, close and delete it, and return seven fields. A well-formed report
// built from fuzzed values gives back exactly those values.
// Input: the report file's bytes; apart at zero bytes, they are also the
// values of the well-formed report.
#include "reader/report_parser.h"

#include "fuzz_check.h"
#include "fuzz_host.h"
#include "host/host.h"
#include "reader/capture_state.h"
#include "reader/record.h"
#include "reader/text_rules.h"

#include <cstdint>
#include <cstdio>

namespace {

using Parser = std::string (*)();

std::string parseReport(Parser parser, const std::string* report) {
    resetFuzzHost(report);
    reportFile = openFile(fuzzReportPath());
    FUZZ_CHECK((reportFile != 0) == (report != nullptr));
    std::string record = parser();
    const FuzzHostLog& log = fuzzHostLog();
    FUZZ_CHECK(log.openNow == 0);
    FUZZ_CHECK(!fuzzReportExists());
    FUZZ_CHECK(!log.deleted.empty() && log.deleted.back() == fuzzReportPath());
    // Every line is read at most twice (a second time when the report is read
    // again as a modern one), and a few reads follow the end.
    long lines = report ? static_cast<long>(report->size()) + 1 : 0;
    FUZZ_CHECK(log.lineReads <= 2 * lines + 8);
    FUZZ_CHECK(log.endQueries <= 2 * lines + 16);
    FUZZ_CHECK(log.opened <= 2);
    return record;
}

void checkRecord(const std::string& report, const std::string& record) {
    std::size_t separators = countAtBoundaries(record, '|');
    FUZZ_CHECK(separators >= 6);
    if (report.find('|') == std::string::npos) {
        FUZZ_CHECK(separators == 6);
        std::vector<std::string> fields = splitRecord(record);
        FUZZ_CHECK(fields.size() == 6 || fields.size() == 7);
        // The second server is taken only when the line holds an address.
        const std::string& alternate = fields[2];
        FUZZ_CHECK(alternate.empty() || isDottedIPv4(alternate));
    }
}

void checkParser(Parser parser, const std::string& report) {
    std::string record = parseReport(parser, &report);
    checkRecord(report, record);
    FUZZ_CHECK(parseReport(parser, &report) == record); // nothing kept from the last run
}

// A value ipconfig could print: trimmed, not empty, on one line.
bool printable(const std::string& value) {
    return !value.empty() && trimText(value) == value &&
           value.find_first_of(std::string("\r\n\x1a\0", 4)) == std::string::npos;
}

std::string indented(std::initializer_list<std::string> texts) {
    std::string report;
    for (const std::string& text : texts)
        report += "        " + text + "\r\n";
    return report;
}

// Host name, physical address, IP address, mask, gateway and preferred DNS
// apart at zero bytes, then the four numbers of the alternate DNS server.
void checkWellFormed(const std::string& input) {
    std::vector<std::string> v;
    std::size_t at = 0;
    for (std::size_t zero; v.size() < 6 && (zero = input.find('\0', at)) != std::string::npos;
         at = zero + 1)
        v.push_back(input.substr(at, zero - at));
    if (v.size() < 6 || input.size() - at < 4) return;
    for (const std::string& value : v)
        if (!printable(value)) return;
    const unsigned char* n = reinterpret_cast<const unsigned char*>(input.data() + at);
    char alternate[32], padded[32];
    std::snprintf(alternate, sizeof alternate, "%u.%u.%u.%u", n[0], n[1], n[2], n[3]);
    std::snprintf(padded, sizeof padded, "%03u.%u.%u.%u", n[0], n[1], n[2], n[3]);
    std::string record =
        v[0] + "|" + v[5] + "|" + alternate + "|" + v[1] + "|" + v[2] + "|" + v[3] + "|" + v[4];
    std::string longReport = "Windows IP Configuration\r\n" +
                             indented({"Host Name . . . . . . . . . . . . : " + v[0],
                                       "Physical Address. . . . . . . . . : " + v[1],
                                       "IP Address. . . . . . . . . . . . : " + v[2],
                                       "Subnet Mask . . . . . . . . . . . : " + v[3],
                                       "Default Gateway . . . . . . . . . : " + v[4],
                                       "DNS Servers . . . . . . . . . . . : " + v[5], padded});
    FUZZ_CHECK(parseReport(parseLongLabelReport, &longReport) == record);
    // The short layout cuts the host name at its first ".".
    int dot = dotPosition(v[0]);
    if (dot == 1) return;
    std::string host = dot < 0 ? v[0] : v[0].substr(0, dot - 1);
    std::string shortReport =
        indented({"Host Name . . . . . . . . . :  " + host + ".lan",
                  "DNS Servers . . . . . . . . :  " + v[5], padded}) +
        "1 Ethernet adapter :\r\n" +
        indented(
            {"Physical Address. . . . . . :  " + v[1], "IP Address. . . . . . . . . :  " + v[2],
             "Subnet Mask . . . . . . . . :  " + v[3], "Default Gateway . . . . . . :  " + v[4]});
    record.replace(0, v[0].size(), host);
    FUZZ_CHECK(parseReport(parseShortLabelReport, &shortReport) == record);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static bool checkedMissing = false;
    if (!checkedMissing) {
        // No report at all: still closed up and the same seven empty fields.
        FUZZ_CHECK(parseReport(parseShortLabelReport, nullptr) == "||||||");
        FUZZ_CHECK(parseReport(parseLongLabelReport, nullptr) == "||||||");
        checkedMissing = true;
    }
    std::string report(reinterpret_cast<const char*>(data), size);
    checkParser(parseShortLabelReport, report);
    checkParser(parseLongLabelReport, report);
    checkWellFormed(report);
    return 0;
}
