// The check of the five boxes on any texts: what passes is a plain address
// (or nothing, where allowed), so the script built from it keeps its shape.
// Input: the five box texts, apart at zero bytes.
#include "writer/box_check.h"

#include "fuzz_check.h"
#include "reader/text_rules.h"
#include "writer/settings_script.h"

#include <cstdint>
#include <cstdlib>

namespace {

const char* const boxNames[5] = {"IP地址", "子网掩码", "默认网关", "首选DNS服务器",
                                 "备用DNS服务器"};

// The mask as a number, or -1 when the text is not four groups 0-255.
long long maskBits(const std::string& text) {
    std::vector<std::string> groups = piecesOf(text, '.');
    if (groups.size() != 4) return -1;
    long long bits = 0;
    for (const std::string& g : groups) {
        if (g.empty() || g.size() > 3 || g.find_first_not_of("0123456789") != std::string::npos)
            return -1;
        int n = std::atoi(g.c_str());
        if (n > 255) return -1;
        bits = bits * 256 + n;
    }
    return bits;
}

bool referenceMask(const std::string& text) {
    long long bits = maskBits(text);
    for (int ones = 0; ones <= 32; ++ones)
        if (bits == (0xFFFFFFFFll << (32 - ones) & 0xFFFFFFFFll)) return true;
    return false;
}

void checkMasks(const std::string& text, const std::uint8_t* data, std::size_t size) {
    FUZZ_CHECK(isContiguousMask(text) == referenceMask(text));
    if (size < 4) return;
    char mask[32];
    std::snprintf(mask, sizeof mask, "%u.%u.%u.%u", data[0], data[1], data[2], data[3]);
    FUZZ_CHECK(isContiguousMask(mask) == referenceMask(mask));
}

bool usable(int box, const std::string& text) {
    if (text.empty()) return box != 3; // the preferred DNS server is needed
    return box == 1 ? referenceMask(text) : maskBits(text) >= 0;
}

void checkBoxes(const std::vector<std::string>& given) {
    std::string boxes[5];
    for (int i = 0; i < 5; ++i)
        boxes[i] = given[i];
    std::string problem = checkStaticBoxes(boxes);
    int firstBad = -1;
    for (int i = 0; i < 5 && firstBad < 0; ++i)
        if (!usable(i, trimText(given[i]))) firstBad = i;
    if (firstBad >= 0) {
        FUZZ_CHECK(problem == std::string("修改错误！") + boxNames[firstBad] + "格式不正确");
        return;
    }
    FUZZ_CHECK(problem.empty());
    std::size_t total = 0;
    for (int i = 0; i < 5; ++i) {
        FUZZ_CHECK(boxes[i] == trimText(given[i]));
        FUZZ_CHECK(boxes[i].find_first_of("\"\r\n") == std::string::npos);
        total += boxes[i].size();
    }
    // Nothing that passed can break a line or a quoted text of the script.
    std::string script = buildSettingsScript(boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]);
    FUZZ_CHECK(script.size() == 837 + total);
    FUZZ_CHECK(piecesOf(script, '\n').size() == 24);
    FUZZ_CHECK(piecesOf(script, '\r').size() == 24);
    FUZZ_CHECK(piecesOf(script, '"').size() == 25);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> boxes = piecesOf(input, '\0');
    boxes.resize(5);
    checkBoxes(boxes);
    checkMasks(boxes[1], data, size);
    return 0;
}
