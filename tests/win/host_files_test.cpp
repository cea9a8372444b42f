// Files by path and by number, on real files in a fresh folder per test.
#include "host/host.h"

#include "win_test_util.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <vector>

using namespace wintest;

namespace {

#ifndef __clang__ // clang-tidy reads the literals as UTF-8
static_assert("乗"[1] == '\\' && "亅"[1] == '|', "GBK second bytes 0x5C and 0x7C expected");
#endif

// Every byte value once, GBK text, and the bytes a text mode would change.
std::string allBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i)
        bytes += static_cast<char>(i);
    return bytes + "本地连接乗亅\r\n\n\r\x1a" + std::string("\0\0", 2);
}

HANDLE openRaw(const std::string& path, DWORD access, DWORD share) {
    return CreateFileA(path.c_str(), access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

const DWORD readWrite = GENERIC_READ | GENERIC_WRITE;
const DWORD shareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;
const DWORD shareAll = shareReadWrite | FILE_SHARE_DELETE;

// Wine keeps read-only as Unix permissions, which do not bind the superuser.
bool readOnlyHolds(const std::string& path) {
    HANDLE file = openRaw(path, GENERIC_WRITE, shareAll);
    if (file == INVALID_HANDLE_VALUE) return true;
    CloseHandle(file);
    return false;
}

} // namespace

TEST(WriteFile, LeavesExactlyTheNewBytes) {
    TempDir temp;
    std::string path = temp / "out.bin";
    struct Case {
        const char* name;
        bool existed;
        std::string before;
        std::string bytes;
    } cases[] = {
        {"creates", false, "", "abc"},
        {"replaces a longer file", true, "0123456789", "xy"},
        {"replaces a much longer file", true, std::string(100000, 'L'), "short"},
        {"zero bytes empty the file", true, "old content", ""},
        {"zero bytes create an empty file", false, "", ""},
        {"GBK, zero bytes and line ends kept", true, "old", allBytes()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(path.c_str());
        if (c.existed) {
            ASSERT_TRUE(writeAll(path, c.before));
        }
        EXPECT_TRUE(writeFile(path, c.bytes));
        EXPECT_EQ(readAll(path), c.bytes);
    }
}

TEST(WriteFile, FailsWithoutTouchingTheFile) {
    TempDir temp;
    std::string path = temp / "held.txt";
    ASSERT_TRUE(writeAll(path, "kept"));
    EXPECT_FALSE(writeFile("", "x"));
    EXPECT_FALSE(writeFile(temp / "no folder\\new.txt", "x"));
    EXPECT_FALSE(writeFile(temp.path(), "x")); // a folder
    EXPECT_FALSE(exists(temp / "no folder"));

    // Held by another handle: writeFile wants the file for itself alone, so
    // even a handle that shares everything keeps it out.
    for (DWORD share : {DWORD{0}, shareAll}) {
        SCOPED_TRACE(share);
        HANDLE other = openRaw(path, GENERIC_READ, share);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        EXPECT_FALSE(writeFile(path, "new bytes"));
        CloseHandle(other);
        EXPECT_EQ(readAll(path), "kept");
    }
}

TEST(WriteFile, FailsOnAReadOnlyFile) {
    TempDir temp;
    std::string path = temp / "read-only.txt";
    ASSERT_TRUE(writeAll(path, "kept"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    if (!readOnlyHolds(path)) GTEST_SKIP() << "read-only files can be written here";
    EXPECT_FALSE(writeFile(path, "new bytes"));
    EXPECT_EQ(readAll(path), "kept");
}

TEST(FileDeletion, DeletesOnceThenReportsTheMissingFile) {
    TempDir temp;
    std::string path = temp / "gone乗.txt", other = temp / "stays.txt";
    ASSERT_TRUE(writeAll(path, "x"));
    ASSERT_TRUE(writeAll(other, "y"));
    EXPECT_TRUE(deleteFile(path));
    EXPECT_FALSE(exists(path));
    EXPECT_FALSE(deleteFile(path));
    EXPECT_FALSE(deleteFile(""));
    EXPECT_EQ(readAll(other), "y");
}

TEST(ReadLine, SplitsRealFilesIntoLines) {
    TempDir temp;
    std::string path = temp / "lines.txt";
    const std::string edge(511, 'a'); // the next byte is the first chunk's last
    std::string longLine;
    for (int i = 0; i < 600; ++i)
        longLine += "x本";
    const std::string bigLine(40000, 'q');
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines; // then only empty texts
    } cases[] = {
        {"CR LF", "a\r\nb", {"a", "b"}},
        {"LF at the end", "a\n", {"a"}},
        {"one CR dropped", "a\r\r\nb\n", {"a\r", "b"}},
        {"empty lines", "\n\nx", {"", "", "x"}},
        {"empty file", "", {}},
        {"zero byte stays", std::string("ab\0cd\nef", 8), {"ab"}},
        {"Ctrl-Z stays",
         "ab\x1a"
         "cd\n",
         {"ab"}},
        {"Ctrl-Z first", "\x1a\nx", {}},
        {"GBK text", "本地\r\n连接", {"本地", "连接"}},
        {"second bytes 0x5C and 0x7C", "a亅b\n乗\r\nc乗", {"a亅b", "乗", "c乗"}},
        {"lead byte last", "ab\n\xb0", {"ab", "\xb0"}},
        {"lead byte swallows LF", "\xb0\nq\nr", {"\xb0\nq", "r"}},
        {"character across the chunk edge", edge + "乗\r\nc", {edge + "乗", "c"}},
        {"lead byte at the chunk edge", edge + "\xb0\nb\nc", {edge + "\xb0\nb", "c"}},
        {"CR LF across the chunk edge", edge + "\r\nz", {edge, "z"}},
        {"zero byte after a full chunk", edge + "b" + std::string(1, '\0') + "c", {edge + "b"}},
        {"line longer than a chunk", longLine + "\r\n" + longLine, {longLine, longLine}},
        {"file longer than one read", bigLine + "\n" + bigLine + "end", {bigLine, bigLine + "end"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(writeAll(path, c.bytes));
        int file = openFile(path);
        ASSERT_GT(file, 0);
        for (const std::string& line : c.lines) {
            EXPECT_FALSE(fileEnded(file));
            EXPECT_EQ(readLine(file), line);
        }
        EXPECT_TRUE(fileEnded(file));
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(readLine(file), "");
        EXPECT_TRUE(fileEnded(file));
        closeFile(file);
        EXPECT_EQ(readAll(path), c.bytes); // reading changes nothing
    }
}

TEST(OpenFile, OpensOnlyExistingFilesForReadingAndWriting) {
    TempDir temp;
    std::string missing = temp / "missing.txt";
    EXPECT_EQ(openFile(""), 0);
    EXPECT_EQ(openFile(missing), 0);
    EXPECT_FALSE(exists(missing)); // never created
    EXPECT_EQ(openFile(temp.path()), 0);
}

TEST(OpenFile, FailsOnAReadOnlyFile) {
    TempDir temp;
    std::string path = temp / "read-only.txt";
    ASSERT_TRUE(writeAll(path, "r\n"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    if (!readOnlyHolds(path)) GTEST_SKIP() << "read-only files can be written here";
    EXPECT_EQ(openFile(path), 0); // it is opened for writing as well
}

TEST(OpenFile, SharesReadingAndWriting) {
    TempDir temp;
    std::string path = temp / "shared.txt";
    ASSERT_TRUE(writeAll(path, "one\ntwo\n"));

    // Other handles while the file is open by number.
    struct Later {
        DWORD access, share;
        bool opens;
    } later[] = {
        {readWrite, shareReadWrite, true},       {GENERIC_READ, shareReadWrite, true},
        {GENERIC_WRITE, shareReadWrite, true},   {GENERIC_READ, FILE_SHARE_READ, false},
        {GENERIC_READ, FILE_SHARE_WRITE, false}, {DELETE, shareAll, false},
    };
    int file = openFile(path);
    ASSERT_GT(file, 0);
    for (const Later& c : later) {
        SCOPED_TRACE(testing::Message() << c.access << " " << c.share);
        HANDLE other = openRaw(path, c.access, c.share);
        EXPECT_EQ(other != INVALID_HANDLE_VALUE, c.opens);
        if (other != INVALID_HANDLE_VALUE) CloseHandle(other);
    }
    EXPECT_EQ(readLine(file), "one");
    closeFile(file);

    // Handles that were there first.
    struct Earlier {
        DWORD access, share;
        bool opens;
    } earlier[] = {
        {readWrite, shareReadWrite, true},        {GENERIC_READ, shareReadWrite, true},
        {GENERIC_READ, FILE_SHARE_READ, false},   {GENERIC_READ, 0, false},
        {GENERIC_WRITE, FILE_SHARE_WRITE, false},
    };
    for (const Earlier& c : earlier) {
        SCOPED_TRACE(testing::Message() << c.access << " " << c.share);
        HANDLE other = openRaw(path, c.access, c.share);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        int number = openFile(path);
        EXPECT_EQ(number > 0, c.opens);
        if (number > 0) {
            EXPECT_EQ(readLine(number), "one");
        }
        closeFile(number);
        CloseHandle(other);
    }
}

TEST(FileNumbers, NameTheirOwnFileUntilClosed) {
    TempDir temp;
    std::string paths[] = {temp / "a.txt", temp / "b.txt", temp / "c.txt"};
    for (const std::string& path : paths)
        ASSERT_TRUE(writeAll(path, path.substr(path.size() - 5) + "\nnext\n"));
    int a = openFile(paths[0]), b = openFile(paths[1]), c = openFile(paths[2]);
    EXPECT_GT(a, 0);
    EXPECT_GT(b, 0);
    EXPECT_GT(c, 0);
    EXPECT_EQ((std::set<int>{a, b, c}).size(), 3u);

    closeFile(b);
    EXPECT_EQ(readLine(b), "");
    EXPECT_TRUE(fileEnded(b));
    // Closed for real: now it can be deleted.
    EXPECT_TRUE(DeleteFileA(paths[1].c_str()));
    EXPECT_FALSE(DeleteFileA(paths[0].c_str())); // still open, delete not shared
    EXPECT_EQ(readLine(a), "a.txt");
    EXPECT_EQ(readLine(c), "c.txt");

    int d = openFile(paths[2]);
    EXPECT_GT(d, 0);
    EXPECT_NE(d, a);
    EXPECT_NE(d, c);
    EXPECT_EQ(readLine(d), "c.txt"); // a position of its own
    EXPECT_EQ(readLine(c), "next");

    // Unknown numbers are ignored and leave the open files alone.
    for (int unknown : {0, -1, -12345, 1000000}) {
        closeFile(unknown);
        EXPECT_EQ(readLine(unknown), "");
        EXPECT_TRUE(fileEnded(unknown));
    }
    EXPECT_EQ(readLine(a), "next");
    closeFile(a);
    closeFile(c);
    closeFile(d);

    // Numbers given back are handed out again rather than growing forever.
    std::set<int> seen;
    for (int i = 0; i < 100; ++i) {
        int number = openFile(paths[0]);
        ASSERT_GT(number, 0);
        seen.insert(number);
        closeFile(number);
    }
    EXPECT_LE(seen.size(), 2u);
    EXPECT_TRUE(DeleteFileA(paths[0].c_str()));
}
