// Turns the ipconfig report in `reportFile` into a record of seven fields:
// host name|preferred DNS|alternate DNS|physical address|IP address|subnet mask|default gateway
// Both parsers read strictly forward, then close and delete the report.
#pragma once

#include <string>

// Windows 95, 98 and Me: 30-byte labels.
std::string parseShortLabelReport();
// Windows NT family: 36-byte labels.
std::string parseLongLabelReport();

// The report's file name, appended to the temporary-files folder.
extern const char* const reportName;
