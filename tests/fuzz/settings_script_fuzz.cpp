// The script builder on any five texts: each goes in unchanged at its place,
// and the fixed text around them stays as it is.
// Input: the five texts (address, mask, gateway, two DNS servers), apart at zero bytes.
#include "writer/settings_script.h"

#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>

namespace {

std::size_t count(const std::string& s, char c) {
    return static_cast<std::size_t>(std::count(s.begin(), s.end(), c));
}

// The fixed texts between the inserted ones, as the empty boxes give them.
const std::size_t fixedLengths[6] = {247, 27, 148, 24, 24, 367};

void checkScript(const std::vector<std::string>& t) {
    static const std::string bare = buildSettingsScript("", "", "", "", "");
    FUZZ_CHECK(bare.size() == 837);
    std::string script = buildSettingsScript(t[0], t[1], t[2], t[3], t[4]);
    std::size_t total = 0, quotes = 0, lineEnds = 0;
    for (const std::string& text : t) {
        total += text.size();
        quotes += count(text, '"');
        lineEnds += count(text, '\r') + count(text, '\n');
    }
    FUZZ_CHECK(script.size() == 837 + total);
    // Fixed text, first box, fixed text, ... each byte for byte.
    std::size_t at = 0, bareAt = 0;
    for (int i = 0; i < 6; ++i) {
        FUZZ_CHECK(script.compare(at, fixedLengths[i], bare, bareAt, fixedLengths[i]) == 0);
        at += fixedLengths[i];
        bareAt += fixedLengths[i];
        if (i == 5) break;
        FUZZ_CHECK(script.compare(at, t[i].size(), t[i]) == 0);
        at += t[i].size();
    }
    FUZZ_CHECK(at == script.size());
    FUZZ_CHECK(count(script, '"') == count(bare, '"') + quotes);
    if (lineEnds != 0) return;
    // Texts without line ends: 24 lines, the inserted ones as they should read.
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = script.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(script.substr(start, end - start));
    lines.push_back(script.substr(start));
    FUZZ_CHECK(lines.size() == 24);
    for (const std::string& line : lines)
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos);
    FUZZ_CHECK(lines[6] == "strIPAddress = Array(\"" + t[0] + "\")");
    FUZZ_CHECK(lines[7] == "strSubnetMask = Array(\"" + t[1] + "\")");
    FUZZ_CHECK(lines[12] == "Const STR_GATEWAY = \"" + t[2] + "\"");
    FUZZ_CHECK(lines[13] == "Const STR_NEWDNS1 = \"" + t[3] + "\"");
    FUZZ_CHECK(lines[14] == "Const STR_NEWDNS2 = \"" + t[4] + "\" ");
    FUZZ_CHECK(lines[23] == "Next");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> texts = piecesOf(input, '\0');
    texts.resize(5);
    checkScript(texts);
    return 0;
}
