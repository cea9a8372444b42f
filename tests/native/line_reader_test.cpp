#include "host/line_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

long readMemory(void* source, std::uint64_t offset, char* buffer, unsigned size) {
    auto* data = static_cast<const std::string*>(source);
    if (offset >= data->size()) return 0;
    std::size_t n = std::min<std::size_t>(size, data->size() - offset);
    std::copy_n(data->data() + offset, n, buffer);
    return static_cast<long>(n);
}

std::vector<std::string> linesOf(const std::string& data, int reads) {
    std::vector<std::string> lines;
    std::uint64_t at = 0;
    for (int i = 0; i < reads; ++i) {
        LineRead line = readLineAt(readMemory, const_cast<std::string*>(&data), at);
        lines.push_back(line.text);
        at = line.next;
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsLines) {
    struct Case {
        const char* name;
        std::string data;
        Lines lines;
    } cases[] = {
        {"CR LF", std::string("a\r\nb"), {"a", "b", "", ""}},
        {"one CR dropped", std::string("a\r\r\nb\n"), {"a\r", "b", "", ""}},
        {"empty line", std::string("\n\nx"), {"", "", "x", ""}},
        {"zero byte stays", std::string("ab\0cd\nef", 8), {"ab", "", "", ""}},
        {"Ctrl-Z stays",
         std::string("ab\x1a"
                     "cd\n"),
         {"ab", "", "", ""}},
        {"GBK text", std::string("本地\r\n连接"), {"本地", "连接", ""}},
        {"trail byte 0x7C", std::string("\x81|x\n|y"), {"\x81|x", "|y", ""}},
        {"trail byte 0x5C", std::string("\x95\\\nz"), {"\x95\\", "z", ""}},
        {"lead byte swallows LF", std::string("\xb0\nq\nr"), {"\xb0\nq", "r", ""}},
        {"lead byte swallows CR", std::string("\xb0\r\nq"), {"\xb0\r", "q", ""}},
        {"lead byte last", std::string("ab\xb0"), {"ab\xb0", ""}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linesOf(c.data, static_cast<int>(c.lines.size())), c.lines) << c.name;
    }
}

TEST(LineReader, LinesLongerThanAChunk) {
    std::string longLine(3 * lineChunkSize + 17, 'x');
    EXPECT_EQ(linesOf(longLine + "\r\nend", 3), (Lines{longLine, "end", ""}));
}

TEST(LineReader, CharacterAcrossTheChunkEdge) {
    // The lead byte is the chunk's last byte; its second byte is a line feed
    // value only by accident of the encoding and must not end the line.
    std::string head(lineChunkSize - 1, 'a');
    EXPECT_EQ(linesOf(head + "\xb0\n"
                             "b\nc",
                      3),
              (Lines{head + "\xb0\nb", "c", ""}));
    EXPECT_EQ(linesOf(head + "\xb1\xbe\r\nc", 2), (Lines{head + "\xb1\xbe", "c"}));
}

TEST(LineReader, ReadErrorGivesEmptyText) {
    auto failing = [](void*, std::uint64_t, char*, unsigned) -> long { return -1; };
    LineRead line = readLineAt(failing, nullptr, 7);
    EXPECT_TRUE(line.failed);
    EXPECT_EQ(line.text, "");
}

} // namespace
