// The modern-report reader on any lines: the sorting of each line, and the
// record it builds. A well-formed report built from fuzzed values gives back
// exactly those values.
// Input: the report; its lines end at line feeds. Apart at zero bytes, they
// are also the values of the well-formed report.
#include "reader/modern_report.h"

#include "fuzz_check.h"
#include "reader/record.h"
#include "reader/text_rules.h"

#include <cstdint>
#include <cstdio>

namespace {

bool trimmed(const std::string& s) {
    return trimText(s) == s;
}

void checkLine(const std::string& line) {
    ReportLine sorted = classifyReportLine(line);
    switch (sorted.kind) {
    case ReportLineKind::Empty:
        FUZZ_CHECK(sorted.label.empty() && sorted.value.empty());
        break;
    case ReportLineKind::Title:
    case ReportLineKind::Heading:
        FUZZ_CHECK(!sorted.label.empty() && trimmed(sorted.label) && sorted.value.empty());
        FUZZ_CHECK(
            (sorted.kind == ReportLineKind::Heading) ==
            (sorted.label.back() == ':' && isBoundary(sorted.label, sorted.label.size() - 1)));
        break;
    case ReportLineKind::Field:
        FUZZ_CHECK(!sorted.label.empty() && trimmed(sorted.label));
        FUZZ_CHECK(sorted.label.back() != '.');
        [[fallthrough]];
    case ReportLineKind::Continuation:
        FUZZ_CHECK(trimmed(sorted.value));
        FUZZ_CHECK(countAtBoundaries(sorted.value, '(') == 0); // no "(Preferred)" mark
        break;
    }
    // A CR or LF left at the end is no part of the line.
    ReportLine again = classifyReportLine(line + "\r\n");
    FUZZ_CHECK(again.kind == sorted.kind && again.label == sorted.label &&
               again.value == sorted.value);
}

bool emptyOrAddress(const std::string& s) {
    return s.empty() || isDottedIPv4(s);
}

void checkRecord(const std::string& report, const std::string& record) {
    // Seven fields: six separators, more only from a value that holds one.
    std::size_t separators = countAtBoundaries(record, '|');
    FUZZ_CHECK(separators >= 6);
    if (report.find('|') != std::string::npos) return;
    FUZZ_CHECK(separators == 6);
    std::vector<std::string> f = piecesOf(record, '|');
    FUZZ_CHECK(f.size() == 7);
    FUZZ_CHECK(trimmed(f[0]) && trimmed(f[3]));
    FUZZ_CHECK(emptyOrAddress(f[1]) && emptyOrAddress(f[2]) && emptyOrAddress(f[4]) &&
               emptyOrAddress(f[5]) && emptyOrAddress(f[6]));
    // Every adapter value comes from one section that has an address.
    if (f[4].empty())
        FUZZ_CHECK(f[1].empty() && f[2].empty() && f[3].empty() && f[5].empty() && f[6].empty());
    if (!f[2].empty()) FUZZ_CHECK(!f[1].empty());
    std::vector<std::string> split = splitRecord(record);
    FUZZ_CHECK(split.size() == (f[6].empty() ? 6u : 7u));
}

// A value ipconfig could print, with no "(" that would start a mark.
bool printable(const std::string& value) {
    return !value.empty() && trimmed(value) && countAtBoundaries(value, '(') == 0 &&
           value.find_first_of("\r\n") == std::string::npos;
}

std::string addressAt(const std::string& bytes, std::size_t at) {
    const unsigned char* n = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", n[0], n[1], n[2], n[3]);
    return text;
}

// Host name, physical address and adapter name apart at zero bytes, then the
// bytes of address, mask, gateway and both DNS servers.
void checkWellFormed(const std::string& input) {
    std::vector<std::string> v;
    std::size_t at = 0;
    for (std::size_t zero; v.size() < 3 && (zero = input.find('\0', at)) != std::string::npos;
         at = zero + 1)
        v.push_back(input.substr(at, zero - at));
    if (v.size() < 3 || input.size() - at < 20) return;
    for (const std::string& value : v)
        if (!printable(value)) return;
    std::string ip = addressAt(input, at), mask = addressAt(input, at + 4),
                gateway = addressAt(input, at + 8), dns1 = addressAt(input, at + 12),
                dns2 = addressAt(input, at + 16);
    const std::string pad = "   ", deep = "                                       ";
    std::vector<std::string> lines = {
        "",
        "Windows IP Configuration",
        "",
        pad + "Host Name . . . . . . . . . . . . : " + v[0],
        pad + "Primary Dns Suffix  . . . . . . . : ",
        "",
        "Ethernet adapter " + v[2] + ":",
        "",
        pad + "Physical Address. . . . . . . . . : " + v[1],
        pad + "IPv4 Address. . . . . . . . . . . : " + ip + "(Preferred) ",
        pad + "Subnet Mask . . . . . . . . . . . : " + mask,
        pad + "Default Gateway . . . . . . . . . : fe80::1%11",
        deep + gateway,
        pad + "DNS Servers . . . . . . . . . . . : " + dns1,
        deep + dns2,
        pad + "NetBIOS over Tcpip. . . . . . . . : Enabled",
    };
    FUZZ_CHECK(parseModernReport(lines) ==
               v[0] + "|" + dns1 + "|" + dns2 + "|" + v[1] + "|" + ip + "|" + mask + "|" + gateway);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string report(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines = piecesOf(report, '\n');
    for (const std::string& line : lines)
        checkLine(line);
    std::string record = parseModernReport(lines);
    checkRecord(report, record);
    for (std::string& line : lines)
        line += '\r';
    FUZZ_CHECK(parseModernReport(lines) == record);
    checkWellFormed(report);
    return 0;
}
