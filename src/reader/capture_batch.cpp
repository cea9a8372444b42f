#include "capture_batch.h"

namespace {

// A blank or one of cmd's own characters (& | < > ^ ( ) and the like) in
// the temporary folder's path would cut the path or run what follows: cmd
// would redirect into another file, or CreateProcess run another program.
// Only such paths are quoted; the others stay as they always were.
std::string quotedForCmd(const std::string& path) {
    return path.find_first_of(" &|<>^();,=%") == std::string::npos ? path : '"' + path + '"';
}

// In a batch file cmd expands % even between quotes; %% is one %.
std::string percentsDoubled(const std::string& text) {
    std::string doubled;
    for (char c : text) {
        doubled += c;
        if (c == '%') doubled += '%';
    }
    return doubled;
}

} // namespace

std::string captureBatchText(const std::string& reportPath) {
    return "@ECHO OFF\r\nipconfig/all > " + quotedForCmd(percentsDoubled(reportPath)) + "\r\n";
}

std::string batchCommandLine(const std::string& batchPath) {
    return quotedForCmd(batchPath);
}
