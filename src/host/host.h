// The one layer through which the program reaches Windows. Every text is a GBK
// byte string; an empty std::string stands for an absent text as well. No
// operation shows a message of its own or throws: failure is in the result.
#pragma once

#include <string>
#include <vector>

// Folders and system.
std::string programDirectory(); // folder of the .exe, no trailing backslash
std::string tempFolder();       // always ends in a backslash; empty on failure
int queryOsKind();              // 0 other, 1 Win32s, 2 Windows 9x, 3 NT
void restrictDllSearch();       // System32 only for DLLs loaded from here on

// Descriptions of the network adapters, in the order Windows reports them.
std::vector<std::string> enumerateAdapters();

// Processes and the shell. runAndWait is true when the process started; the
// child's exit code goes to exitCode when the caller asks for it.
bool runAndWait(const std::string& commandLine, unsigned long* exitCode = nullptr);
int shellOpen(const std::string& path); // ShellExecute's result, > 32 on success
// Waits, at most this long, for the program the last shellOpen started.
void waitForShellProcess(unsigned milliseconds);
void openWebPage(const std::string& address);

// The wait cursor, while the program cannot respond.
void setWaitCursor(bool on);

// User interface: the MessageBox flags are passed through, task-modal added
// unless system-modal was asked for. Returns the button pressed.
int showMessage(const std::string& text, unsigned flags, const std::string& title);

// Files. A file number is positive; 0 names no file.
bool writeFile(const std::string& path, const std::string& bytes);
bool deleteFile(const std::string& path);
int openFile(const std::string& path);
std::string readLine(int number);
bool fileEnded(int number); // true once readLine can only give empty texts
void closeFile(int number);

// Settings (INI) files.
std::string readProfileValue(const std::string& file, const std::string& section,
                             const std::string& key);
bool writeProfileValue(const std::string& file, const std::string& section, const std::string& key,
                       const std::string& value);

// Closes every file still open, at the end of the run.
void closeAllFiles();
