// The text rules on any bytes: trimming, label containment, the "." position,
// byte cuts, number reading and writing, dotted addresses.
// Input: a byte giving a cut length, then text, label and tail apart at zero bytes.
#include "reader/text_rules.h"

#include "fuzz_check.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

bool isBlankAt(const std::string& s, std::size_t i) {
    return s[i] == ' ' || (i + 1 < s.size() && s[i] == '\xa1' && s[i + 1] == '\xa1');
}

// Nothing but half- and full-width blanks, taken a character at a time.
bool onlyBlanks(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); i += s[i] == ' ' ? 1 : 2)
        if (!isBlankAt(s, i)) return false;
    return true;
}

void checkTrim(const std::string& t) {
    std::string start = trimStart(t), both = trimText(t);
    FUZZ_CHECK(start.size() <= t.size() &&
               t.compare(t.size() - start.size(), start.size(), start) == 0);
    FUZZ_CHECK(onlyBlanks(t.substr(0, t.size() - start.size())));
    FUZZ_CHECK(start.empty() || !isBlankAt(start, 0));
    // Trimming the end keeps a prefix of the start-trimmed text, cut at a character boundary.
    FUZZ_CHECK(both.size() <= start.size() && start.compare(0, both.size(), both) == 0);
    FUZZ_CHECK(isBoundary(start, both.size()));
    std::string dropped = start.substr(both.size());
    if (!dropped.empty() && !isBoundary(dropped, dropped.size())) dropped.pop_back();
    FUZZ_CHECK(onlyBlanks(dropped));
    FUZZ_CHECK(both.empty() || !isBlankAt(both, 0));
    FUZZ_CHECK(isBoundary(both, both.size())); // no lone first byte stands last
    if (both.size() >= 1) FUZZ_CHECK(both.back() != ' ' || !isBoundary(both, both.size() - 1));
    if (both.size() >= 2 && isBoundary(both, both.size() - 2))
        FUZZ_CHECK(both.compare(both.size() - 2, 2, "\xa1\xa1") != 0);
    FUZZ_CHECK(trimText(both) == both);
    FUZZ_CHECK(trimText(start) == both);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
char swapCase(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 32);
    return lower(c);
}

bool isAscii(const std::string& s) {
    for (char c : s)
        if (leadsTwoBytes(c)) return false;
    return true;
}

bool referenceContains(const std::string& line, const std::string& label) {
    for (std::size_t i = 0; i + label.size() <= line.size(); i += leadsTwoBytes(line[i]) ? 2 : 1) {
        std::size_t k = 0;
        while (k < label.size() && lower(line[i + k]) == lower(label[k]))
            ++k;
        if (k == label.size()) return true;
    }
    return label.empty();
}

void checkContains(const std::string& text, const std::string& label, const std::string& tail) {
    bool found = containsLabel(text, label);
    if (isAscii(label)) FUZZ_CHECK(found == referenceContains(text, label));
    // After whole characters the label is found, also in another letter case.
    if (isBoundary(text, text.size())) {
        FUZZ_CHECK(containsLabel(text + label + tail, label));
        if (isAscii(label)) {
            std::string swapped = label;
            for (char& c : swapped)
                c = swapCase(c);
            FUZZ_CHECK(containsLabel(text + swapped + tail, label));
        }
    }
    FUZZ_CHECK(containsLabel(text, ""));
}

void checkDot(const std::string& t) {
    int p = dotPosition(t);
    if (p == -1) {
        FUZZ_CHECK(countAtBoundaries(t, '.') == 0);
        return;
    }
    FUZZ_CHECK(p >= 1 && static_cast<std::size_t>(p) <= t.size());
    FUZZ_CHECK(t[p - 1] == '.' && isBoundary(t, p - 1));
    FUZZ_CHECK(countAtBoundaries(t.substr(0, p - 1), '.') == 0);
}

void checkCuts(const std::string& t, int n) {
    std::string first = firstBytes(t, n), last = lastBytes(t, n);
    std::size_t want = n <= 0 ? 0 : std::min<std::size_t>(n, t.size());
    FUZZ_CHECK(first.size() == want && last.size() == want);
    FUZZ_CHECK(t.compare(0, want, first) == 0);
    FUZZ_CHECK(t.compare(t.size() - want, want, last) == 0);
    if (n >= 0 && static_cast<std::size_t>(n) <= t.size())
        FUZZ_CHECK(firstBytes(t, n) + lastBytes(t, static_cast<int>(t.size()) - n) == t);
}

bool sameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Full-width forms of the printable ASCII characters and of the blank.
std::string fullWidth(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) {
        if (c == ' ')
            wide += "\xa1\xa1";
        else if (c > ' ' && c < 0x7f)
            wide += {'\xa3', static_cast<char>(c + 0x80)};
        else
            wide += c;
    }
    return wide;
}

void checkNumbers(const std::string& t) {
    std::string ascii;
    for (char c : t)
        if (!leadsTwoBytes(c)) ascii += c;
    double value = readNumber(ascii);
    FUZZ_CHECK(sameBits(value, std::atof(ascii.c_str())));
    FUZZ_CHECK(sameBits(readNumber(fullWidth(ascii)), value));
    std::string written = writeNumber(readNumber(t));
    FUZZ_CHECK(!written.empty() && written.size() < 32);
    double back = std::strtod(written.c_str(), nullptr);
    if (std::isfinite(back)) FUZZ_CHECK(writeNumber(back) == written);
}

bool referenceDotted(const std::string& t) {
    std::vector<std::string> groups = piecesOf(t, '.');
    if (groups.size() != 4) return false;
    for (const std::string& g : groups) {
        if (g.empty() || g.size() > 3) return false;
        for (char c : g)
            if (c < '0' || c > '9') return false;
        if (std::atoi(g.c_str()) > 255) return false;
    }
    return true;
}

void checkDotted(const std::string& t, const std::uint8_t* data, std::size_t size) {
    FUZZ_CHECK(isDottedIPv4(t) == referenceDotted(t));
    if (size < 4) return;
    char text[32];
    std::snprintf(text, sizeof text, "%u.%u.%u.%u", data[0], data[1], data[2], data[3]);
    FUZZ_CHECK(isDottedIPv4(text));
    std::snprintf(text, sizeof text, "%03u.%03u.%03u.%03u", data[0], data[1], data[2], data[3]);
    FUZZ_CHECK(isDottedIPv4(text));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    int n = static_cast<int>(static_cast<std::int8_t>(data[0]));
    std::string input(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<std::string> pieces = piecesOf(input, '\0');
    pieces.resize(3);
    const std::string& text = pieces[0];
    checkTrim(text);
    checkContains(text, pieces[1], pieces[2]);
    checkDot(text);
    checkCuts(text, n);
    checkNumbers(text);
    checkDotted(text, data + 1, size - 1);
    return 0;
}
