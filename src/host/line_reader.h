// Line splitting of the report files, apart from the file handle: the bytes
// come through a callback so the rules can be tested on memory.
#pragma once

#include <cstdint>
#include <string>

// Reads up to `size` bytes at `offset`; returns the count, 0 at the end of
// the data, -1 on a read error.
using ReadChunk = long (*)(void* source, std::uint64_t offset, char* buffer, unsigned size);

const unsigned lineChunkSize = 512;

struct LineRead {
    std::string text;   // without the line feed and one ending carriage return
    std::uint64_t next; // where the next line starts
    bool failed;        // a read error; the caller moves to the end of the file
};

// A line ends at a line feed (consumed), or before a zero byte or Ctrl-Z (left
// in place, so every later read is empty), or at the end of the data. Two-byte
// characters are stepped over whole, also across chunk edges.
LineRead readLineAt(ReadChunk read, void* source, std::uint64_t offset);

// True when no further line can come from a position holding this byte.
inline bool stopsLines(char c) {
    return c == '\0' || c == '\x1a';
}
