// What the tool hands to other programs, caught inside the Wine prefix: the
// recorder (helpers/recorder.cpp) stands in for the script host, the web
// browser and netsh, and logs each start. Nothing reaches the network or
// the machine's settings.
#pragma once

#include "driver.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace e2e {

// Paths of the helper programs, built beside the test executable.
std::string recorderPath();
std::string fakeIpconfigPath();

// Raw file access, paths in the ANSI code page.
bool fileExists(const std::string& path);
bool isFolder(const std::string& path);
std::string readBytes(const std::string& path); // empty when missing
bool writeBytes(const std::string& path, const std::string& bytes);
// A report of tests/fixtures/reports, bytes as stored.
std::string reportFixture(const std::string& name);
std::string tempPath(); // GetTempPathA, with its trailing backslash

// One start of the recorder.
struct Record {
    std::string commandLine; // bytes as the recorder got them
    std::string argument;    // its first argument, unquoted
    bool hasScript = false;
    std::string script; // the bytes of the .VBS file that the argument named
};

// The log that the recorder writes to; programs started from here on find
// it through the environment.
class RecordLog {
  public:
    RecordLog();
    ~RecordLog();
    RecordLog(const RecordLog&) = delete;
    RecordLog& operator=(const RecordLog&) = delete;
    std::vector<Record> records() const;
    // Waits until at least n starts are logged.
    bool waitFor(size_t n, DWORD timeoutMs = 10000) const;
    std::string arguments() const; // UTF-8, one line per start, for messages

  private:
    TempFolder folder_;
    std::string path_;
};

// Sets a registry value of the prefix and puts back what was there before.
class RegistryValue {
  public:
    RegistryValue(HKEY root, const std::string& key, const std::string& name,
                  const std::string& value);
    ~RegistryValue();
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;
    bool set() const { return set_; }

  private:
    HKEY root_;
    std::string key_, name_;
    bool createdKey_ = false, hadValue_ = false, set_ = false;
    DWORD oldType_ = 0;
    std::string oldValue_;
};

// .VBS files and web addresses go to the recorder while this lives.
class RecorderAssociations {
  public:
    RecorderAssociations();
    bool set() const { return script_->set() && web_->set(); }

  private:
    std::unique_ptr<RegistryValue> script_, web_;
};

// What GetVersionExA tells the program ("win98", "winxp", ...), per program name.
class WindowsVersion {
  public:
    explicit WindowsVersion(const std::string& version);
    bool set() const { return value_.set(); }

  private:
    RegistryValue value_;
};

} // namespace e2e
