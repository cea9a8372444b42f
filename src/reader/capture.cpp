#include "capture.h"

#include "capture_state.h"
#include "host/host.h"
#include "report_parser.h"

namespace {

const char* const batchName = "\\ipmac.bat";

// A blank in the temporary folder's path would cut the path at the blank:
// cmd would redirect into another file and CreateProcess could run another
// program. Only such paths are quoted; the others stay as they always were.
std::string quotedIfBlank(const std::string& path) {
    return path.find(' ') == std::string::npos ? path : '"' + path + '"';
}

} // namespace

std::string captureBatchText(const std::string& reportPath) {
    return "@ECHO OFF\r\nipconfig/all > " + quotedIfBlank(reportPath) + "\r\n";
}

std::string batchCommandLine(const std::string& batchPath) {
    return quotedIfBlank(batchPath);
}

std::string captureCurrentConfig() {
    std::string folder = tempFolder();
    reportLine = captureBatchText(folder + reportName);
    writeFile(folder + batchName, reportLine);
    setWaitCursor(true);
    runAndWait(batchCommandLine(folder + batchName));
    setWaitCursor(false);
    osKind = queryOsKind();
    deleteFile(folder + batchName);
    reportFile = openFile(folder + reportName);
    if (osKind == 2) return parseShortLabelReport();
    if (osKind == 3) return parseLongLabelReport();
    // No parser for these systems; the report goes all the same.
    closeFile(reportFile);
    deleteFile(folder + reportName);
    return std::string();
}
