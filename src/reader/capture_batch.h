// The texts that have cmd run ipconfig into a report file: the batch file
// and the command line that starts it.
#pragma once

#include <string>

// The batch text that has ipconfig write its report to `reportPath`.
std::string captureBatchText(const std::string& reportPath);

// The command line that runs the batch file.
std::string batchCommandLine(const std::string& batchPath);
