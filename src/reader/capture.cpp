#include "capture.h"

#include "capture_batch.h"
#include "capture_state.h"
#include "host/host.h"
#include "report_parser.h"

namespace {

const char* const batchName = "\\ipmac.bat";

} // namespace

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
