// Property checks of the fuzz targets: a broken property stops the run as a
// crash, so libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property broken: %s\n", __FILE__, __LINE__, #condition);  \
            __builtin_trap();                                                                      \
        }                                                                                          \
    } while (0)

// GBK: a byte of 0x80 or more and the byte after it are one character.
inline bool leadsTwoBytes(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

// True when a character of `s` starts at `at` (or `at` is its end).
inline bool isBoundary(const std::string& s, std::size_t at) {
    std::size_t i = 0;
    while (i < at)
        i += leadsTwoBytes(s[i]) ? 2 : 1;
    return i == at;
}

// Count of `c` at character boundaries.
inline std::size_t countAtBoundaries(const std::string& s, char c) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); i += leadsTwoBytes(s[i]) ? 2 : 1)
        if (s[i] == c) ++n;
    return n;
}

// The pieces of `data` between `separator` bytes.
inline std::vector<std::string> piecesOf(const std::string& data, char separator) {
    std::vector<std::string> pieces(1);
    for (char c : data) {
        if (c == separator)
            pieces.emplace_back();
        else
            pieces.back() += c;
    }
    return pieces;
}
