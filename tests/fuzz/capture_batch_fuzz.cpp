// The capture batch and its command line for any folder a temporary path can
// name: cmd must read back exactly that path, and nothing of it as its own.
// Input: the folder's bytes.
#include "reader/capture_batch.h"

#include "fuzz_check.h"

#include <cstdint>

namespace {

const std::string batchStart = "@ECHO OFF\r\nipconfig/all > ";

// What cmd makes of a path argument: quotes taken away, and in a batch file
// %% read as %. Unquoted, none of cmd's own characters may appear.
std::string readByCmd(const std::string& argument, bool inBatch) {
    bool quoted = argument.size() >= 2 && argument.front() == '"' && argument.back() == '"';
    std::string inner = quoted ? argument.substr(1, argument.size() - 2) : argument;
    FUZZ_CHECK(inner.find('"') == std::string::npos);
    if (!quoted) FUZZ_CHECK(inner.find_first_of(" &|<>^();,=%") == std::string::npos);
    if (!inBatch) return inner;
    std::string path;
    for (std::size_t i = 0; i < inner.size(); ++i) {
        path += inner[i];
        if (inner[i] == '%') {
            FUZZ_CHECK(i + 1 < inner.size() && inner[i + 1] == '%');
            ++i;
        }
    }
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string folder(reinterpret_cast<const char*>(data), size);
    // Windows names hold no quotes, line breaks or zero bytes.
    if (folder.find_first_of(std::string("\"\r\n\0", 4)) != std::string::npos) return 0;
    std::string report = folder + "\\ipmac.txt", batch = folder + "\\ipmac.bat";

    std::string text = captureBatchText(report);
    FUZZ_CHECK(text.compare(0, batchStart.size(), batchStart) == 0);
    FUZZ_CHECK(text.size() >= batchStart.size() + 2 &&
               text.compare(text.size() - 2, 2, "\r\n") == 0);
    std::string argument = text.substr(batchStart.size(), text.size() - batchStart.size() - 2);
    FUZZ_CHECK(readByCmd(argument, true) == report);

    std::string line = batchCommandLine(batch);
    FUZZ_CHECK(readByCmd(line, false) == batch);
    return 0;
}
