#include "box_check.h"

#include "reader/text_rules.h"

#include <cstdlib>

namespace {

// The names the user knows the boxes by, in box order.
const char* const boxNames[5] = {"IP地址", "子网掩码", "默认网关", "首选DNS服务器",
                                 "备用DNS服务器"};
const int maskBox = 1, preferredDnsBox = 3;

} // namespace

bool isContiguousMask(const std::string& text) {
    if (!isDottedIPv4(text)) return false;
    unsigned long bits = 0;
    const char* at = text.c_str();
    for (int i = 0; i < 4; ++i) {
        char* end = nullptr;
        bits = (bits << 8) | std::strtoul(at, &end, 10);
        at = end + 1;
    }
    unsigned long zeros = ~bits & 0xFFFFFFFFul; // must be 0...01...1
    return (zeros & (zeros + 1)) == 0;
}

std::string checkStaticBoxes(std::string (&boxes)[5]) {
    for (int i = 0; i < 5; ++i) {
        boxes[i] = trimText(boxes[i]);
        bool mayBeEmpty = i != preferredDnsBox;
        if (boxes[i].empty() && mayBeEmpty) continue;
        bool good = i == maskBox ? isContiguousMask(boxes[i]) : isDottedIPv4(boxes[i]);
        if (!good) return std::string("修改错误！") + boxNames[i] + "格式不正确";
    }
    return std::string();
}
