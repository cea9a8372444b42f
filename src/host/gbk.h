// GBK byte rules shared by every piece that walks text.
#pragma once

#include <cstddef>
#include <string>

// A byte of 0x80 or more begins a two-byte character.
inline bool isLeadByte(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// Index of the last occurrence of `c` at a character boundary, or npos.
inline std::size_t lastCharAt(const std::string& s, char c) {
    std::size_t found = std::string::npos;
    for (std::size_t i = 0; i < s.size(); i += isLeadByte(s[i]) ? 2 : 1)
        if (s[i] == c) found = i;
    return found;
}
