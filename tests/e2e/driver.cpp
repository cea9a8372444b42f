#include "driver.h"

#include <winternl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {

const DWORD pollMs = 15;
const DWORD messageTimeoutMs = 5000;

std::string lastFailureText;

// Records why an action failed, for the test's failure message.
bool fail(const std::string& why) {
    lastFailureText = why;
    return false;
}

std::string pointText(POINT p) {
    return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

bool elapsed(DWORD start, DWORD timeoutMs) {
    return GetTickCount() - start >= timeoutMs;
}

std::string convert(const std::string& text, UINT from, UINT to) {
    if (text.empty()) return {};
    int n = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), &wide[0], n);
    int m = WideCharToMultiByte(to, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(m), '\0');
    WideCharToMultiByte(to, 0, wide.data(), n, &out[0], m, nullptr, nullptr);
    return out;
}

std::string stripBackslash(std::string path) {
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

// A send that cannot hang the test when the program is busy or gone.
bool send(HWND window, UINT message, WPARAM w, LPARAM l, LRESULT* result = nullptr) {
    DWORD_PTR out = 0;
    if (!SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, messageTimeoutMs, &out))
        return false;
    if (result) *result = static_cast<LRESULT>(out);
    return true;
}

LRESULT sendValue(HWND window, UINT message, WPARAM w = 0, LPARAM l = 0, LRESULT failed = -1) {
    LRESULT result = failed;
    return send(window, message, w, l, &result) ? result : failed;
}

bool isExtendedKey(WORD key) {
    switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_INSERT:
    case VK_DELETE:
        return true;
    default:
        return false;
    }
}

INPUT keyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags =
        (up ? KEYEVENTF_KEYUP : 0) | (isExtendedKey(key) ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

bool sendInputs(std::vector<INPUT>& inputs) {
    UINT n = static_cast<UINT>(inputs.size());
    if (SendInput(n, inputs.data(), sizeof(INPUT)) == n) return true;
    return fail("SendInput refused, error " + std::to_string(GetLastError()));
}

// Absolute coordinates span 0..65535 over the primary screen.
INPUT mouseAt(POINT to, DWORD flags) {
    int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (to.x * 65536 + width - 1) / width;
    input.mi.dy = (to.y * 65536 + height - 1) / height;
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

// The button with the point: the program's display connection may report
// pointer positions from along the way late, and a bare button event would
// then land where the pointer was, not where it is.
bool mouseButtonAt(POINT at, DWORD flag) {
    std::vector<INPUT> inputs(1, mouseAt(at, flag));
    return sendInputs(inputs);
}

bool samePoint(POINT a, POINT b) {
    return a.x == b.x && a.y == b.y;
}

} // namespace

const std::string& lastFailure() {
    return lastFailureText;
}

bool failWith(const std::string& why) {
    return fail(why);
}

bool waitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        if (condition()) return true;
        if (elapsed(start, timeoutMs)) return condition();
        Sleep(pollMs);
    }
}

std::string toUtf8(const std::string& ansi) {
    return convert(ansi, CP_ACP, CP_UTF8);
}
std::string toAnsi(const std::string& utf8) {
    return convert(utf8, CP_UTF8, CP_ACP);
}

std::string folderOf(const std::string& path) {
    size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string programPath() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    return folderOf(self) + "\\quorbel-ip.exe";
}

bool sameFolder(const std::string& a, const std::string& b) {
    return lstrcmpiA(stripBackslash(a).c_str(), stripBackslash(b).c_str()) == 0;
}

TempFolder::TempFolder(const std::string& nameUtf8) {
    static int counter = 0;
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string base = stripBackslash(temp) + "\\" + toAnsi(nameUtf8) + "-" +
                       std::to_string(GetCurrentProcessId()) + "-";
    for (;;) {
        path_ = base + std::to_string(++counter);
        if (CreateDirectoryA(path_.c_str(), nullptr)) return;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            path_.clear();
            return;
        }
    }
}

namespace {

// Removes the folder with everything in it; false while something stays.
bool removeTree(const std::string& path) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName, inside = path + "\\" + name;
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileA(inside.c_str());
            else if (name != "." && name != "..")
                removeTree(inside);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return RemoveDirectoryA(path.c_str()) != 0;
}

} // namespace

TempFolder::~TempFolder() {
    if (path_.empty()) return;
    // A program that has just ended may still hold its image for a moment.
    waitUntil([&] { return removeTree(path_); }, 5000);
}

std::string TempFolder::copy(const std::string& file) const {
    size_t slash = file.find_last_of('\\');
    std::string target = path_ + "\\" + file.substr(slash == std::string::npos ? 0 : slash + 1);
    return CopyFileA(file.c_str(), target.c_str(), FALSE) ? target : std::string();
}

std::string className(HWND window) {
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string windowText(HWND window) {
    LRESULT length = sendValue(window, WM_GETTEXTLENGTH, 0, 0, 0);
    if (length <= 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    LRESULT copied = 0;
    if (!send(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), &copied))
        return {};
    text.resize(std::strlen(text.c_str()));
    return toUtf8(text);
}

ControlInfo describe(HWND control) {
    ControlInfo info;
    info.hwnd = control;
    info.id = GetDlgCtrlID(control);
    info.kind = className(control);
    GetWindowRect(control, &info.screen);
    info.client = info.screen;
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&info.client), 2);
    info.text = windowText(control);
    info.enabled = IsWindowEnabled(control) != 0;
    info.visible = IsWindowVisible(control) != 0;
    info.style = GetWindowLongA(control, GWL_STYLE);
    info.exStyle = GetWindowLongA(control, GWL_EXSTYLE);
    return info;
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> found;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        found.push_back(child);
    return found;
}

std::vector<HWND> topLevelWindows(DWORD pid) {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid, {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->pid && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::string> listEntries(HWND combo) {
    // Wine answers a cross-process CB_GETLBTEXT in UTF-16 even when asked
    // for ANSI, so the entries are read wide and never guessed at.
    std::vector<std::string> entries;
    LRESULT count = sendValue(combo, CB_GETCOUNT);
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = sendValue(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i));
        std::wstring text(static_cast<size_t>(length < 0 ? 0 : length) + 1, L'\0');
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                            reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, messageTimeoutMs,
                            &copied);
        text.resize(wcslen(text.c_str()));
        int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                    0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(n), '\0');
        WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &utf8[0], n,
                            nullptr, nullptr);
        entries.push_back(utf8);
    }
    return entries;
}

int listSelection(HWND combo) {
    return static_cast<int>(sendValue(combo, CB_GETCURSEL));
}

bool listOpen(HWND combo) {
    return sendValue(combo, CB_GETDROPPEDSTATE, 0, 0, 0) != 0;
}

RECT droppedRect(HWND combo) {
    RECT r{};
    send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&r));
    return r;
}

HWND openListWindow(HWND combo) {
    // The open list is a top-level window of the combo box's process that
    // hangs below (or above) the field; Wine gives it no owner.
    RECT field;
    GetWindowRect(combo, &field);
    DWORD pid = 0;
    GetWindowThreadProcessId(combo, &pid);
    for (HWND window : topLevelWindows(pid)) {
        RECT r;
        if (className(window) != "ComboLBox" || !GetWindowRect(window, &r)) continue;
        if (r.left == field.left && (r.top == field.bottom || r.bottom == field.top)) return window;
    }
    return nullptr;
}

bool bringToFront(HWND window, DWORD timeoutMs) {
    if (waitUntil(
            [&] {
                if (GetForegroundWindow() == window) return true;
                SetForegroundWindow(window);
                return GetForegroundWindow() == window;
            },
            timeoutMs))
        return true;
    return fail("the window did not come to the front; the foreground is \"" +
                windowText(GetForegroundWindow()) + "\"");
}

namespace {

bool moveMouseOnce(POINT to) {
    std::vector<INPUT> inputs(1, mouseAt(to, 0));
    if (!sendInputs(inputs)) return false;
    POINT at{};
    if (waitUntil([&] { return GetCursorPos(&at) && samePoint(at, to); }, 2000)) return true;
    return fail("the pointer went to " + pointText(at) + " instead of " + pointText(to));
}

} // namespace

bool moveMouse(POINT to) {
    // In small steps, as a hand moves it: a jump lets Wine's open drop-down
    // list track the item under the pointer's former place.
    const LONG step = 8;
    POINT at;
    if (!GetCursorPos(&at)) return fail("GetCursorPos failed");
    for (;;) {
        LONG dx = to.x - at.x, dy = to.y - at.y;
        LONG distance = std::max(std::abs(dx), std::abs(dy));
        if (distance <= step) return moveMouseOnce(to);
        at.x += dx * step / distance;
        at.y += dy * step / distance;
        if (!moveMouseOnce(at)) return false;
    }
}

bool clickAt(POINT at) {
    return moveMouse(at) && mouseButtonAt(at, MOUSEEVENTF_LEFTDOWN) &&
           mouseButtonAt(at, MOUSEEVENTF_LEFTUP);
}

POINT centreOf(const RECT& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool click(HWND control) {
    HWND top = GetAncestor(control, GA_ROOT);
    if (!bringToFront(top)) return false;
    RECT r;
    GetWindowRect(control, &r);
    if (className(control) == "ComboBox") {
        // The field only: the window may also span the open list.
        LRESULT field = sendValue(control, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0, 0);
        if (field > 0 && r.bottom - r.top > field + 8)
            r.bottom = r.top + static_cast<LONG>(field) + 6;
        // Away from the arrow button, on the text.
        r.right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    return clickAt(centreOf(r));
}

bool openList(HWND combo) {
    // Under Wine's virtual desktop a stale pointer position can reach the
    // list as it opens and close it again at once; the user then clicks
    // again, and so do we, a few times at most.
    HWND top = GetAncestor(combo, GA_ROOT);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (listOpen(combo)) return settle(top);
        if (!click(combo)) return false;
        if (waitUntil([&] { return listOpen(combo); }, 1500) && settle(top) && listOpen(combo))
            return true;
        if (!settle(top)) return false;
    }
    return fail("the list did not open");
}

bool clickListEntry(HWND combo, int index) {
    if (!openList(combo)) return false;
    HWND list = nullptr;
    if (!waitUntil([&] { return (list = openListWindow(combo)) != nullptr; }, 5000))
        return fail("no open list window below the field");
    LRESULT itemHeight = sendValue(combo, CB_GETITEMHEIGHT, 0, 0, 0);
    LRESULT topIndex = sendValue(combo, CB_GETTOPINDEX, 0, 0, 0);
    RECT inside;
    GetClientRect(list, &inside);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    LONG row = static_cast<LONG>(index - topIndex);
    if (itemHeight <= 0 || row < 0)
        return fail("entry " + std::to_string(index) + " is not shown: item height " +
                    std::to_string(itemHeight) + ", top index " + std::to_string(topIndex));
    POINT at{(inside.left + inside.right) / 2,
             inside.top + row * static_cast<LONG>(itemHeight) + static_cast<LONG>(itemHeight) / 2};
    if (at.y >= inside.bottom) return fail("entry " + std::to_string(index) + " is below the list");
    if (!clickAt(at)) return false;
    if (!waitUntil([&] { return !listOpen(combo); }, 5000))
        return fail("the list stayed open after the click on entry " + std::to_string(index));
    return settle(GetAncestor(combo, GA_ROOT));
}

bool pressKey(HWND window, WORD key, std::initializer_list<WORD> modifiers) {
    if (!bringToFront(GetAncestor(window, GA_ROOT))) return false;
    std::vector<INPUT> inputs;
    for (WORD m : modifiers)
        inputs.push_back(keyInput(m, false));
    inputs.push_back(keyInput(key, false));
    inputs.push_back(keyInput(key, true));
    for (auto m = modifiers.end(); m != modifiers.begin();)
        inputs.push_back(keyInput(*--m, true));
    return sendInputs(inputs);
}

bool settle(HWND window, int roundTrips) {
    for (int i = 0; i < roundTrips; ++i)
        if (!send(window, WM_NULL, 0, 0)) return fail("the window did not answer WM_NULL");
    return true;
}

HWND focusOf(DWORD threadId) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(threadId, &info) ? info.hwndFocus : nullptr;
}

HWND findMessageBox(DWORD pid) {
    for (HWND window : topLevelWindows(pid))
        if (className(window) == "#32770") return window;
    return nullptr;
}

MessageBoxInfo describeMessageBox(HWND box) {
    MessageBoxInfo info;
    info.hwnd = box;
    char title[512] = {};
    GetWindowTextA(box, title, sizeof title);
    info.title = toUtf8(title);
    info.text = windowText(GetDlgItem(box, 0xFFFF));
    for (HWND child : children(box))
        if (className(child) == "Button" && IsWindowVisible(child))
            info.buttons.push_back(windowText(child));
    return info;
}

bool pressMessageBoxButton(HWND box, const std::string& captionUtf8) {
    for (HWND child : children(box))
        if (className(child) == "Button" && windowText(child) == captionUtf8)
            return PostMessageA(child, BM_CLICK, 0, 0) != 0;
    return false;
}

Program::Program(const std::string& exe, const std::string& startFolder) {
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    // Wine now and then refuses to start a program copied moments before
    // (ERROR_INTERNAL_ERROR); it starts once the copy has settled.
    auto start = [&] {
        if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                           startFolder.empty() ? nullptr : startFolder.c_str(), &startup, &info))
            return true;
        startError_ = GetLastError();
        return startError_ != ERROR_INTERNAL_ERROR;
    };
    waitUntil(start, 5000);
    if (!info.hProcess) return;
    startError_ = 0;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
}

Program::~Program() {
    if (!process_) return;
    if (running()) {
        for (HWND window : topLevelWindows(pid_))
            PostMessageA(window, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(process_, 1);
            WaitForSingleObject(process_, 5000);
        }
    }
    CloseHandle(process_);
}

HWND Program::waitWindow(const std::string& titleUtf8, DWORD timeoutMs) {
    const std::string title = toAnsi(titleUtf8);
    waitUntil(
        [&] {
            for (HWND window : topLevelWindows(pid_)) {
                char text[512] = {};
                GetWindowTextA(window, text, sizeof text);
                if (title == text && className(window) != "#32770") {
                    window_ = window;
                    return true;
                }
            }
            return !running();
        },
        timeoutMs);
    return window_;
}

DWORD Program::guiThread() const {
    return GetWindowThreadProcessId(window_, nullptr);
}

HWND Program::control(int id) const {
    return GetDlgItem(window_, id);
}

bool Program::running() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::waitExit(DWORD* exitCode, DWORD timeoutMs) {
    if (!process_ || WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
    return GetExitCodeProcess(process_, exitCode) != 0;
}

std::string Program::currentFolder() const {
    using Query = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process_, ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0)
        return {};
    // x64 layouts: PEB.ProcessParameters at 0x20, and in the parameters
    // CurrentDirectory.DosPath, a UNICODE_STRING, at 0x38.
    auto peb = reinterpret_cast<const char*>(basic.PebBaseAddress);
    const char* parameters = nullptr;
    if (!ReadProcessMemory(process_, peb + 0x20, &parameters, sizeof parameters, nullptr))
        return {};
    struct {
        USHORT length;
        USHORT maximum;
        const wchar_t* buffer;
    } dosPath{};
    if (!ReadProcessMemory(process_, parameters + 0x38, &dosPath, sizeof dosPath, nullptr))
        return {};
    std::wstring wide(dosPath.length / sizeof(wchar_t), L'\0');
    if (!wide.empty() &&
        !ReadProcessMemory(process_, dosPath.buffer, &wide[0], dosPath.length, nullptr))
        return {};
    int n = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string folder(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &folder[0], n,
                        nullptr, nullptr);
    return folder;
}

HWND Program::waitMessageBox(DWORD timeoutMs) const {
    HWND box = nullptr;
    waitUntil([&] { return (box = findMessageBox(pid_)) != nullptr; }, timeoutMs);
    return box;
}

} // namespace e2e
