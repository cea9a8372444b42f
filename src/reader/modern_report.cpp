#include "modern_report.h"

#include "host/gbk.h"
#include "reader/text_rules.h"

#include <cstddef>

namespace {

// Labels of the fields this program reads, as English and Chinese Windows print them.
const char* const hostNameLabels[] = {"Host Name", "主机名"};
const char* const physicalLabels[] = {"Physical Address", "物理地址"};
// "IP Address" is what 2000/XP print.
const char* const addressLabels[] = {"IPv4 Address", "IPv4 地址", "IP Address", "IP 地址"};
const char* const maskLabels[] = {"Subnet Mask", "子网掩码"};
const char* const gatewayLabels[] = {"Default Gateway", "默认网关"};
const char* const dnsLabels[] = {"DNS Servers", "DNS 服务器"};
const char* const ethernetPrefixes[] = {"Ethernet adapter ", "以太网适配器 "};

struct Adapter {
    bool ethernet = false;
    std::string physical, address, mask, gateway;
    std::vector<std::string> dns;
};

struct Report {
    std::string hostName;
    std::vector<Adapter> adapters;
};

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// ASCII letters match in either case; the second byte of a two-byte character must match
// exactly, as it may look like a letter.
bool sameStart(const std::string& text, const std::string& start) {
    if (text.size() < start.size()) return false;
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (lowerAscii(text[i]) != lowerAscii(start[i])) return false;
        if (isLeadByte(start[i]) && ++i < start.size() && text[i] != start[i]) return false;
    }
    return true;
}

template <std::size_t N> bool isOneOf(const std::string& label, const char* const (&names)[N]) {
    for (const char* name : names) {
        std::string wanted = name;
        if (label.size() == wanted.size() && sameStart(label, wanted)) return true;
    }
    return false;
}

template <std::size_t N>
bool startsWithOneOf(const std::string& text, const char* const (&starts)[N]) {
    for (const char* start : starts)
        if (sameStart(text, start)) return true;
    return false;
}

// Index of the first `c` at a character boundary, or npos.
std::size_t firstCharAt(const std::string& s, char c) {
    for (std::size_t i = 0; i < s.size(); i += isLeadByte(s[i]) ? 2 : 1)
        if (s[i] == c) return i;
    return std::string::npos;
}

bool isIndented(const std::string& line) {
    if (line.empty()) return false;
    if (line[0] == ' ' || line[0] == '\t') return true;
    return line.size() > 1 && line[0] == '\xa1' && line[1] == '\xa1';
}

// Callers may hand over lines that still carry a CR or LF; they are no part of the text.
std::string withoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n'))
        line.pop_back();
    return line;
}

// "IPv4 Address. . . . . . . . . . . " gives "IPv4 Address".
std::string withoutLeader(std::string block) {
    block = trimText(block);
    while (!block.empty() && block.back() == '.')
        block = trimText(block.substr(0, block.size() - 1));
    return block;
}

// Vista and later mark values "(Preferred)", "(首选)", "(Deprecated)"...; the mark is no part of
// the value.
std::string withoutSuffix(const std::string& value) {
    std::size_t open = firstCharAt(value, '(');
    return trimText(open == std::string::npos ? value : value.substr(0, open));
}

void takeFirst(std::string& slot, const std::string& value) {
    if (slot.empty()) slot = value;
}

// Where the lines being read belong: the report's opening block (host name), an adapter
// section, or a later block that this program does not read.
enum class Block { Opening, Adapter, Other };

void takeValue(Report& report, Block block, const std::string& label, const std::string& value) {
    if (value.empty()) return;
    if (block == Block::Opening && isOneOf(label, hostNameLabels))
        takeFirst(report.hostName, value);
    if (block != Block::Adapter) return;
    Adapter& adapter = report.adapters.back();
    if (isOneOf(label, physicalLabels)) takeFirst(adapter.physical, value);
    // Only IPv4 values count; IPv6 ones ("fe80::1%11") stand in the same lists.
    if (!isDottedIPv4(value)) return;
    if (isOneOf(label, addressLabels)) takeFirst(adapter.address, value);
    if (isOneOf(label, maskLabels)) takeFirst(adapter.mask, value);
    if (isOneOf(label, gatewayLabels)) takeFirst(adapter.gateway, value);
    if (isOneOf(label, dnsLabels)) adapter.dns.push_back(value);
}

Report readReport(const std::vector<std::string>& lines) {
    Report report;
    Block block = Block::Opening;
    std::string openLabel; // the label that continuation lines add values to
    for (const std::string& text : lines) {
        ReportLine line = classifyReportLine(text);
        switch (line.kind) {
        case ReportLineKind::Title:
            block = report.adapters.empty() ? Block::Opening : Block::Other;
            openLabel.clear();
            break;
        case ReportLineKind::Heading:
            report.adapters.push_back(Adapter());
            report.adapters.back().ethernet = startsWithOneOf(line.label, ethernetPrefixes);
            block = Block::Adapter;
            openLabel.clear();
            break;
        case ReportLineKind::Field:
            openLabel = line.label;
            takeValue(report, block, openLabel, line.value);
            break;
        case ReportLineKind::Continuation:
            if (!openLabel.empty()) takeValue(report, block, openLabel, line.value);
            break;
        case ReportLineKind::Empty:
            openLabel.clear();
            break;
        }
    }
    return report;
}

// The same section whatever adapter the user picked: first an Ethernet one with an IPv4
// address and gateway, then any with both, then any with an address.
const Adapter* chosenAdapter(const Report& report) {
    for (const Adapter& a : report.adapters)
        if (a.ethernet && !a.address.empty() && !a.gateway.empty()) return &a;
    for (const Adapter& a : report.adapters)
        if (!a.address.empty() && !a.gateway.empty()) return &a;
    for (const Adapter& a : report.adapters)
        if (!a.address.empty()) return &a;
    return nullptr;
}

} // namespace

ReportLine classifyReportLine(const std::string& rawLine) {
    std::string line = withoutLineEnd(rawLine);
    std::string text = trimText(line);
    ReportLine result;
    if (text.empty()) return result;
    if (!isIndented(line)) {
        bool endsInColon = lastCharAt(text, ':') == text.size() - 1;
        result.kind = endsInColon ? ReportLineKind::Heading : ReportLineKind::Title;
        result.label = text;
        return result;
    }
    // A label ends in its dot leader, so the byte before the colon is a blank or a dot;
    // an IPv6 value on a continuation line has a hex digit or nothing there.
    std::size_t colon = firstCharAt(text, ':');
    if (colon != std::string::npos && colon > 0 &&
        (text[colon - 1] == ' ' || text[colon - 1] == '.')) {
        std::string label = withoutLeader(text.substr(0, colon));
        if (!label.empty()) {
            result.kind = ReportLineKind::Field;
            result.label = label;
            result.value = withoutSuffix(text.substr(colon + 1));
            return result;
        }
    }
    result.kind = ReportLineKind::Continuation;
    result.value = withoutSuffix(text);
    return result;
}

std::string parseModernReport(const std::vector<std::string>& lines) {
    Report report = readReport(lines);
    const Adapter* adapter = chosenAdapter(report);
    Adapter none;
    const Adapter& a = adapter ? *adapter : none;
    std::string preferred = !a.dns.empty() ? a.dns[0] : std::string();
    std::string alternate = a.dns.size() > 1 ? a.dns[1] : std::string();
    return report.hostName + "|" + preferred + "|" + alternate + "|" + a.physical + "|" +
           a.address + "|" + a.mask + "|" + a.gateway;
}
