// The line reader on any file: each line must be what a byte-at-a-time
// reading of the whole file gives, whatever the size of each read, and the
// lines must end where the rules say.
// Input: a byte choosing the read size, a byte choosing a failing read, the file.
#include "host/line_reader.h"

#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

struct Source {
    const char* bytes; // exactly `size` bytes: ASan catches a read beyond them
    std::size_t size;
    unsigned limit; // a read gives at most this many bytes, as a short read would
    long reads;
    long failAt; // this read fails; -1 for none
};

long readSource(void* p, std::uint64_t offset, char* buffer, unsigned size) {
    Source* s = static_cast<Source*>(p);
    FUZZ_CHECK(size == lineChunkSize);
    FUZZ_CHECK(offset <= s->size); // never asked for a place beyond the end
    if (s->reads++ == s->failAt) return -1;
    std::size_t n = std::min<std::size_t>({size, s->limit, s->size - offset});
    if (n) std::memcpy(buffer, s->bytes + offset, n);
    return static_cast<long>(n);
}

bool stops(char c) {
    return c == '\0' || c == '\x1a';
}

// The rules applied one byte at a time to the whole file at once.
LineRead referenceLine(const std::string& d, std::size_t at) {
    std::string text;
    bool endsInTrail = false;
    std::size_t i = at;
    while (i < d.size() && !stops(d[i])) {
        char c = d[i++];
        if (c == '\n') break;
        text += c;
        endsInTrail = false;
        if (leadsTwoBytes(c) && i < d.size()) {
            text += d[i++];
            endsInTrail = true;
        }
    }
    if (!endsInTrail && !text.empty() && text.back() == '\r') text.pop_back();
    return LineRead{text, i, false};
}

void checkLine(const std::string& d, std::size_t at, const LineRead& line) {
    const std::string& t = line.text;
    // No line feed, zero byte or Ctrl-Z but as the second byte of a character.
    for (std::size_t i = 0; i < t.size(); i += leadsTwoBytes(t[i]) ? 2 : 1)
        FUZZ_CHECK(t[i] != '\n' && !stops(t[i]));
    FUZZ_CHECK(line.next >= at && line.next <= d.size());
    // The bytes passed over are the text, perhaps a dropped CR, perhaps the LF.
    std::string passed = d.substr(at, line.next - at);
    FUZZ_CHECK(passed.compare(0, t.size(), t) == 0);
    std::string rest = passed.substr(t.size());
    FUZZ_CHECK(rest.empty() || rest == "\n" || rest == "\r" || rest == "\r\n");
    // A line stops only at its line feed, before a stop byte or at the end.
    if (line.next == at) FUZZ_CHECK(t.empty() && (at == d.size() || stops(d[at])));
    if (line.next < d.size() && !stops(d[line.next])) FUZZ_CHECK(d[line.next - 1] == '\n');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    unsigned limit = (data[0] & 0x40) ? (data[0] & 0x3f) + 1u : lineChunkSize;
    long failAt = (data[1] & 0x80) ? data[1] & 0x7f : -1;
    const char* bytes = reinterpret_cast<const char*>(data + 2);
    std::string file(bytes, size - 2);
    Source source{bytes, file.size(), limit, 0, failAt};
    std::uint64_t at = 0;
    for (std::size_t lines = 0;; ++lines) {
        FUZZ_CHECK(lines <= file.size() + 1); // each line takes at least one byte
        long readsBefore = source.reads;
        LineRead line = readLineAt(readSource, &source, at);
        if (line.failed) {
            FUZZ_CHECK(failAt >= readsBefore && failAt < source.reads);
            // The host moves to the end of the file after a read error.
            FUZZ_CHECK(line.text.empty() && line.next >= at && line.next <= file.size());
            return 0;
        }
        LineRead want = referenceLine(file, at);
        FUZZ_CHECK(line.text == want.text && line.next == want.next);
        checkLine(file, at, line);
        if (line.next == at) break;
        at = line.next;
    }
    // Once nothing is left, every further read is empty and stays put.
    LineRead again = readLineAt(readSource, &source, at);
    FUZZ_CHECK(again.failed || (again.text.empty() && again.next == at));
    return 0;
}
