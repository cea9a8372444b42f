// In-memory stand-ins for the window's controls and for the Windows calls,
// so the handlers can be tested without Windows. Each test starts with
// resetFakes().
#pragma once

#include "app/controls.h"

#include <map>
#include <string>
#include <vector>

struct FakeControls {
    std::string text[controlCount];
    std::vector<std::string> entries[controlCount];
    int selected[controlCount];
    bool disabled[controlCount];
    std::vector<int> insertPositions; // every position insertListItem was asked for
    int failInsertAt = -1;            // an insertion at this position fails
};

struct ShownMessage {
    std::string text;
    unsigned flags;
    std::string title;
    bool operator==(const ShownMessage& o) const {
        return text == o.text && flags == o.flags && title == o.title;
    }
};

struct FakeHost {
    std::string programDirectory = "C:\\tools";
    std::vector<ShownMessage> messages;
    std::vector<std::string> webPages;        // every address opened
    std::vector<std::string> shellOpened;     // every path handed to the shell
    int shellResult = 42;                     // what ShellExecute answers
    std::vector<unsigned> shellWaits;         // every wait for the shell's program
    bool writesFail = false;                  // files and profile values cannot be written
    std::vector<std::string> failingCommands; // command lines that cannot start
    // Profile files: path -> section -> key -> value, and every write in order.
    std::map<std::string, std::map<std::string, std::map<std::string, std::string>>> profiles;
    std::vector<std::string> profileWrites; // "section/key=value"
    std::vector<std::string> adapters;
    std::vector<int> visualStyles; // every scheme switched to, in order
    std::string tempFolder = "C:\\TEMP\\";
    int osKind = 3;
    std::map<std::string, std::string> files; // path -> bytes
    std::vector<std::string> commands;        // every command line run, in order
    std::vector<std::string> deleted;         // every path deleted, in order
    // What ipconfig prints when the capture batch runs it; the batch file's
    // text at that moment is kept too.
    std::string ipconfigReport;
    std::string batchSeen;
    std::vector<bool> waitCursor;
};

// Files that the fake file system holds open.
int openFileCount();

extern FakeControls controls;
extern FakeHost host;

void resetFakes();
