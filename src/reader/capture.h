// Captures the current configuration: ipconfig writes its report through a
// small batch file, and the parser of the running system's layout reads it.
#pragma once

#include <string>

std::string captureCurrentConfig();

// The batch text that has ipconfig write its report to `reportPath`.
std::string captureBatchText(const std::string& reportPath);

// The command line that runs the batch file.
std::string batchCommandLine(const std::string& batchPath);
