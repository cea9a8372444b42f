// The host's file operations for the parser targets, over one report held
// in memory. Its bytes sit in a buffer of exactly their size, so a read
// beyond them is caught, and reads are checked to stay within the file.
#pragma once

#include <string>
#include <vector>

struct FuzzHostLog {
    int opened = 0;
    int openNow = 0;
    long lineReads = 0;
    long endQueries = 0;
    std::vector<std::string> deleted; // every path deleted, in order
};

// Where the parsers find the report: the temporary folder and its name.
std::string fuzzReportPath();

// Starts over with this report on disk, or none for a null pointer.
void resetFuzzHost(const std::string* report);

bool fuzzReportExists();
const FuzzHostLog& fuzzHostLog();
