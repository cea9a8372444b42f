#include "text_rules.h"

#include "host/gbk.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool isFullWidthBlank(const std::string& s, std::size_t i) {
    return i + 1 < s.size() && s[i] == '\xa1' && s[i + 1] == '\xa1';
}

// Bytes of the blank at i: 1 half-width, 2 full-width, 0 none.
std::size_t blankAt(const std::string& s, std::size_t i) {
    if (i < s.size() && s[i] == ' ') return 1;
    return isFullWidthBlank(s, i) ? 2 : 0;
}

std::size_t startAfterBlanks(const std::string& s) {
    std::size_t i = 0;
    while (std::size_t width = blankAt(s, i))
        i += width;
    return i;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::string trimStart(const std::string& text) {
    return text.substr(startAfterBlanks(text));
}

std::string trimText(const std::string& text) {
    std::size_t start = startAfterBlanks(text), end = start;
    // Walk whole characters so a blank's bytes are never taken from the middle of one.
    for (std::size_t i = start; i < text.size();) {
        if (isLeadByte(text[i])) {
            if (i + 1 >= text.size()) break; // a lone lead byte standing last
            if (!isFullWidthBlank(text, i)) end = i + 2;
            i += 2;
        } else {
            if (text[i] != ' ') end = i + 1;
            ++i;
        }
    }
    return text.substr(start, end - start);
}

bool containsLabel(const std::string& line, const std::string& label) {
    if (label.empty()) return true;
    for (std::size_t i = 0; i + label.size() <= line.size(); i += isLeadByte(line[i]) ? 2 : 1) {
        std::size_t k = 0;
        while (k < label.size() && lowerAscii(line[i + k]) == lowerAscii(label[k]))
            ++k;
        if (k == label.size()) return true;
    }
    return false;
}

int dotPosition(const std::string& text) {
    for (std::size_t i = 0; i < text.size(); i += isLeadByte(text[i]) ? 2 : 1)
        if (text[i] == '.') return static_cast<int>(i) + 1;
    return -1;
}

std::string firstBytes(const std::string& text, int n) {
    if (n <= 0) return std::string();
    return text.substr(0, static_cast<std::size_t>(n));
}

std::string lastBytes(const std::string& text, int n) {
    if (n <= 0) return std::string();
    std::size_t count = static_cast<std::size_t>(n);
    return count >= text.size() ? text : text.substr(text.size() - count);
}

double readNumber(const std::string& text) {
    std::string ascii;
    for (std::size_t i = 0; i < text.size();) {
        unsigned char lead = static_cast<unsigned char>(text[i]);
        if (lead >= 0x80 && i + 1 < text.size()) {
            unsigned char trail = static_cast<unsigned char>(text[i + 1]);
            if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
                ascii += static_cast<char>(trail - 0x80);
            else if (lead == 0xA1 && trail == 0xA1)
                ascii += ' ';
            else
                ascii.append(text, i, 2);
            i += 2;
        } else {
            ascii += text[i++];
        }
    }
    return std::atof(ascii.c_str());
}

std::string writeNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.13g", value);
    return text;
}

bool isDottedIPv4(const std::string& text) {
    int groups = 0;
    std::size_t i = 0;
    for (;;) {
        int digits = 0, number = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
            number = number * 10 + (text[i++] - '0');
            ++digits;
        }
        if (digits == 0 || digits > 3 || number > 255) return false;
        if (++groups == 4) return i == text.size();
        if (i >= text.size() || text[i] != '.') return false;
        ++i;
    }
}
