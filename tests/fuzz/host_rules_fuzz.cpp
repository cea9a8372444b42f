// The text rules behind the host operations on any paths and texts that
// Windows may hand back: the program's folder, the temporary folder, settings.
// Input: a number's four bytes, then texts apart at zero bytes.
#include "host/host_rules.h"

#include "fuzz_check.h"

#include <cstdint>

namespace {

bool isControlOrBlank(char c) {
    return c >= 0x01 && c <= 0x20;
}

void checkDirectory(const std::string& path) {
    std::string folder = directoryOf(path);
    FUZZ_CHECK(path.compare(0, folder.size(), folder) == 0);
    if (countAtBoundaries(path, '\\') == 0) {
        FUZZ_CHECK(folder.empty());
        return;
    }
    // Cut before the last backslash that is a character of its own.
    FUZZ_CHECK(folder.size() < path.size() && path[folder.size()] == '\\');
    FUZZ_CHECK(isBoundary(path, folder.size()));
    FUZZ_CHECK(countAtBoundaries(path.substr(folder.size() + 1), '\\') == 0);
}

void checkFolder(const std::string& folder) {
    std::string ended = withTrailingBackslash(folder);
    if (folder.empty()) {
        FUZZ_CHECK(ended.empty());
        return;
    }
    FUZZ_CHECK(ended == folder || ended == folder + "\\");
    FUZZ_CHECK(ended.back() == '\\');
    // Exactly one backslash is added, and only when the folder ends in none.
    // (Windows never gives a path that ends in half a character.)
    if (isBoundary(folder, folder.size())) {
        FUZZ_CHECK(withTrailingBackslash(ended) == ended);
        FUZZ_CHECK(isBoundary(ended, ended.size() - 1));
        bool endsInOne = folder.back() == '\\' && isBoundary(folder, folder.size() - 1);
        FUZZ_CHECK((ended == folder) == endsInOne);
    }
}

void checkBlanks(const std::string& text) {
    std::string kept = dropLeadingBlanks(text);
    std::size_t dropped = text.size() - kept.size();
    FUZZ_CHECK(kept.size() <= text.size() && text.compare(dropped, kept.size(), kept) == 0);
    for (std::size_t i = 0; i < dropped; ++i)
        FUZZ_CHECK(isControlOrBlank(text[i]));
    FUZZ_CHECK(kept.empty() || !isControlOrBlank(kept[0]));
}

void checkNumbers(std::uint32_t n) {
    int kind = osKindOfPlatform(n);
    FUZZ_CHECK(kind == (n <= 2 ? static_cast<int>(n) + 1 : 0));
    unsigned style = messageBoxStyle(n);
    FUZZ_CHECK(style == ((n & 0x1000) ? n : (n | 0x2000)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    checkNumbers(static_cast<std::uint32_t>(data[0]) << 24 | data[1] << 16 | data[2] << 8 |
                 data[3]);
    std::string input(reinterpret_cast<const char*>(data + 4), size - 4);
    for (const std::string& text : piecesOf(input, '\0')) {
        checkDirectory(text);
        checkFolder(text);
        checkBlanks(text);
    }
    return 0;
}
