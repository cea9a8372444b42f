#include "line_reader.h"

#include "gbk.h"

LineRead readLineAt(ReadChunk read, void* source, std::uint64_t offset) {
    LineRead line{std::string(), offset, false};
    char chunk[lineChunkSize];
    bool trailPending = false; // the next byte is the second half of a character
    bool endsInTrail = false;  // the text's last byte is such a second half
    bool ended = false;
    while (!ended) {
        long got = read(source, line.next, chunk, lineChunkSize);
        if (got < 0) return LineRead{std::string(), line.next, true};
        if (got == 0) break;
        long used = 0;
        for (; used < got && !ended; ++used) {
            char c = chunk[used];
            if (trailPending) {
                line.text += c;
                trailPending = false;
                endsInTrail = true;
            } else if (c == '\n' || stopsLines(c)) {
                ended = true;
                if (c != '\n') --used; // a stop byte stays where it is
            } else {
                line.text += c;
                trailPending = isLeadByte(c);
                endsInTrail = false;
            }
        }
        line.next += used;
    }
    if (!endsInTrail && !line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    return line;
}
