// Reader for the ipconfig /all report of Windows Vista and later, English or
// Chinese; it also copes with the 2000/XP layout. Texts are GBK bytes.
#pragma once

#include <string>
#include <vector>

enum class ReportLineKind {
    Empty,        // nothing but blanks
    Title,        // column 0, not ending in ':' ("Windows IP Configuration")
    Heading,      // column 0, ending in ':' ("Ethernet adapter Local Area Connection:")
    Field,        // indent, label, dot leader, ':' and a value (possibly empty)
    Continuation, // indent and a further value of the field above
};

struct ReportLine {
    ReportLineKind kind = ReportLineKind::Empty;
    std::string label; // Field: label without its dot leader; Title, Heading: the trimmed line
    std::string value; // Field, Continuation: trimmed, cut before any "(" suffix
};

// Sorts one report line, given without its line end and untrimmed.
ReportLine classifyReportLine(const std::string& line);

// Reads a modern ipconfig /all report (Vista and later, English or Chinese).
// `lines` are the report's lines without line ends, untrimmed.
// Returns host name|preferred DNS|alternate DNS|physical address|IP address|subnet mask|default
// gateway
std::string parseModernReport(const std::vector<std::string>& lines);
