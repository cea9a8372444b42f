// Drives the real program from outside, as a user does: starts it, finds its
// windows, reads its controls, and acts on them with real mouse and keyboard
// input. Every wait polls a condition until a deadline; nothing sleeps and
// hopes. Texts read from the program come back as UTF-8, so that failure
// messages are readable; the program's own texts are in the ANSI code page.
#pragma once

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace e2e {

// Long enough for a cold Wine start, short enough to end a hung test.
const DWORD defaultTimeout = 15000;

// Why the last input action of the driver failed, for failure messages.
const std::string& lastFailure();
// Records why an input action failed, for lastFailure; returns false.
bool failWith(const std::string& why);

// Polls the condition every few milliseconds until it holds or the time is up.
bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs = defaultTimeout);

// Texts between the program's code page and UTF-8.
std::string toUtf8(const std::string& ansi);
std::string toAnsi(const std::string& utf8);

// The program under test: beside this test executable.
std::string programPath();
std::string folderOf(const std::string& path);
// Compares two folder paths as Windows does: case-blind, trailing backslash ignored.
bool sameFolder(const std::string& a, const std::string& b);

// A fresh folder under the temporary-files folder, removed with all it holds at the end.
class TempFolder {
  public:
    // The name may carry blanks and Chinese (UTF-8).
    explicit TempFolder(const std::string& nameUtf8 = "quorbel-e2e");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& path() const { return path_; } // ANSI, no trailing backslash
    // Copies a file into the folder; returns the new path, empty on failure.
    std::string copy(const std::string& file) const;

  private:
    std::string path_;
};

// Facts about one control, as anybody outside the program can see them.
struct ControlInfo {
    HWND hwnd = nullptr;
    int id = 0;
    std::string kind; // window class name
    RECT client{};    // in the parent's client coordinates
    RECT screen{};
    std::string text; // UTF-8
    bool enabled = false;
    bool visible = false;
    LONG style = 0;
    LONG exStyle = 0;
};

std::string className(HWND window);
std::string windowText(HWND window); // WM_GETTEXT, UTF-8
ControlInfo describe(HWND control);
// Children in stacking order, first on top.
std::vector<HWND> children(HWND parent);
// Top-level windows of a process, visible ones only.
std::vector<HWND> topLevelWindows(DWORD pid);

// Drop-down lists.
std::vector<std::string> listEntries(HWND combo); // UTF-8
int listSelection(HWND combo);
bool listOpen(HWND combo);
RECT droppedRect(HWND combo); // screen coordinates, field and open list together
// The open list's own window, or null while the list is closed.
HWND openListWindow(HWND combo);

// Real input. Coordinates are screen coordinates.
bool bringToFront(HWND window, DWORD timeoutMs = defaultTimeout);
bool moveMouse(POINT to);
bool clickAt(POINT at);
POINT centreOf(const RECT& r);
// Clicks a control in the middle; for a drop-down list, in the middle of its field.
bool click(HWND control);
// Opens the list with a click on its field, unless it is open.
bool openList(HWND combo);
// Opens the list if needed, clicks the entry and waits for the list to close.
bool clickListEntry(HWND combo, int index);
// Brings the window's top-level window to the front, then presses and
// releases a key while holding the modifiers (VK_SHIFT, VK_MENU, ...).
bool pressKey(HWND window, WORD key, std::initializer_list<WORD> modifiers = {});

// Round trips through the window's message queue: once they return, the
// thread has gone back to its queue at least that many times.
bool settle(HWND window, int roundTrips = 3);

// The window that has the keyboard focus in the given GUI thread.
HWND focusOf(DWORD threadId);

// Message boxes of a process: dialog class "#32770".
struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string title; // UTF-8
    std::string text;  // the static control with id 0xFFFF, UTF-8
    std::vector<std::string> buttons;
};
HWND findMessageBox(DWORD pid);
MessageBoxInfo describeMessageBox(HWND box);
// Posts BM_CLICK, so a button that opens another modal box cannot block us.
bool pressMessageBoxButton(HWND box, const std::string& captionUtf8);

// One run of the program.
class Program {
  public:
    // Starts the executable with the given current folder (empty: ours).
    explicit Program(const std::string& exe = programPath(), const std::string& startFolder = {});
    // Closes the program if it still runs, by force as a last resort.
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool started() const { return process_ != nullptr; }
    DWORD startError() const { return startError_; }
    DWORD pid() const { return pid_; }
    HANDLE process() const { return process_; }

    // The visible top-level window with the title (UTF-8) that belongs to this process.
    HWND waitWindow(const std::string& titleUtf8, DWORD timeoutMs = defaultTimeout);
    HWND window() const { return window_; }
    DWORD guiThread() const;
    // The child window with this control id.
    HWND control(int id) const;
    HWND focus() const { return focusOf(guiThread()); }

    bool running() const;
    // Waits for the end; true and the exit code when it ended in time.
    bool waitExit(DWORD* exitCode, DWORD timeoutMs = defaultTimeout);
    // The process's current folder, read from its process parameters.
    std::string currentFolder() const;
    HWND waitMessageBox(DWORD timeoutMs = defaultTimeout) const;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    DWORD startError_ = 0;
    HWND window_ = nullptr;
};

} // namespace e2e
