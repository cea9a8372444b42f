#include "report_parser.h"

#include "capture_state.h"
#include "host/host.h"
#include "modern_report.h"
#include "record.h"
#include "text_rules.h"

#include <vector>

const char* const reportName = "\\ipmac.txt";

namespace {

// Set when a label seek meets the end of the report: the report is then of
// a layout these parsers do not know.
bool ranOut = false;

void nextReportLine() {
    reportLine = trimText(readLine(reportFile));
}

bool seekLabel(const std::string& label) {
    while (!fileEnded(reportFile)) {
        nextReportLine();
        if (containsLabel(reportLine, label)) return true;
    }
    ranOut = true;
    return false;
}

// The value is cut counting from the end of the line. Skip 1 drops the
// blank that Windows 9x sometimes puts after the label, never a digit.
std::string valueAfterLabel(const std::string& label, int skip) {
    int length = static_cast<int>(reportLine.size()), labelLength = static_cast<int>(label.size());
    std::string value = lastBytes(reportLine, length - labelLength);
    if (skip == 1 && !value.empty() && value[0] == ' ')
        return lastBytes(value, length - labelLength - 1);
    return value;
}

std::string seekValue(const std::string& label, int skip) {
    return seekLabel(label) ? valueAfterLabel(label, skip) : std::string();
}

// The line after the DNS line holds the second server, or the next label
// when there is only one: then the field stays empty.
std::string alternateDnsOf() {
    nextReportLine();
    const std::string& line = reportLine;
    int dot = dotPosition(line);
    std::string number = writeNumber(readNumber(firstBytes(line, dot - 1)));
    std::string field = number + lastBytes(line, static_cast<int>(line.size()) - dot + 1);
    return isDottedIPv4(field) ? field : std::string();
}

std::vector<std::string> allReportLines() {
    closeFile(reportFile);
    reportFile = openFile(tempFolder() + reportName);
    std::vector<std::string> lines;
    while (!fileEnded(reportFile))
        lines.push_back(readLine(reportFile));
    return lines;
}

// A report that ran out before its last label is read again as a modern one;
// when that finds no address either, what the seeks found stands.
std::string finish(const std::string* fields) {
    std::string record;
    for (int i = 0; i < 7; ++i)
        record += (i ? "|" : "") + fields[i];
    if (ranOut) {
        std::string modern = parseModernReport(allReportLines());
        std::vector<std::string> found = splitRecord(modern);
        if (found.size() >= 5 && !found[4].empty()) record = modern;
    }
    closeFile(reportFile);
    deleteFile(tempFolder() + reportName);
    return record;
}

enum Field {
    hostName,
    preferredDns,
    alternateDns,
    physicalAddress,
    ipAddress,
    subnetMask,
    gateway
};

} // namespace

std::string parseShortLabelReport() {
    ranOut = false;
    std::string fields[7];
    std::string host = seekValue("Host Name . . . . . . . . . : ", 0);
    int dot = dotPosition(host);
    fields[hostName] = dot > 0 ? trimStart(firstBytes(host, dot - 1)) : std::string();
    fields[preferredDns] = seekValue("DNS Servers . . . . . . . . : ", 1);
    fields[alternateDns] = alternateDnsOf();
    seekLabel("1 Ethernet adapter :");
    fields[physicalAddress] = seekValue("Physical Address. . . . . . : ", 1);
    fields[ipAddress] = seekValue("IP Address. . . . . . . . . : ", 1);
    fields[subnetMask] = seekValue("Subnet Mask . . . . . . . . : ", 1);
    fields[gateway] = seekValue("Default Gateway . . . . . . : ", 1);
    return finish(fields);
}

std::string parseLongLabelReport() {
    ranOut = false;
    std::string fields[7];
    fields[hostName] = seekValue("Host Name . . . . . . . . . . . . : ", 0);
    fields[physicalAddress] = seekValue("Physical Address. . . . . . . . . : ", 0);
    fields[ipAddress] = seekValue("IP Address. . . . . . . . . . . . : ", 0);
    fields[subnetMask] = seekValue("Subnet Mask . . . . . . . . . . . : ", 0);
    fields[gateway] = seekValue("Default Gateway . . . . . . . . . : ", 0);
    fields[preferredDns] = seekValue("DNS Servers . . . . . . . . . . . : ", 0);
    fields[alternateDns] = alternateDnsOf();
    return finish(fields);
}
