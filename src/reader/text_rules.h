// Rules for cutting values out of report lines. Texts are GBK: lengths and
// positions count bytes, and a byte of 0x80 or more begins a two-byte
// character.
#pragma once

#include <string>

// Removes half-width blanks and full-width blanks (0xA1 0xA1) at both ends,
// and a lone first byte of a two-byte character standing last.
std::string trimText(const std::string& text);
std::string trimStart(const std::string& text);

// True when `label` occurs in `line` at a character boundary, ASCII letters
// compared without regard to case.
bool containsLabel(const std::string& line, const std::string& label);

// 1-based position of the first "." at a character boundary, or -1.
int dotPosition(const std::string& text);

// The first or last n bytes; n of 0 or less gives the empty text.
std::string firstBytes(const std::string& text, int n);
std::string lastBytes(const std::string& text, int n);

// Reads a number as atof does, after turning full-width ASCII forms and the
// full-width blank into ASCII; writes one with "%.13g".
double readNumber(const std::string& text);
std::string writeNumber(double value);

// Four decimal numbers 0-255 joined by dots, nothing else.
bool isDottedIPv4(const std::string& text);
