#include "selection_timer.h"

#include "timing.h"

#include "common/files.h"
#include "driver.h"
#include "reader/capture_batch.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const programTitle = u8"Quorbel本地连接ip设置V2.3";
const int adapterListId = 1001;
const int addressBoxId = 1013;

bool sendTimeout(HWND window, UINT message, WPARAM w, LPARAM l, LRESULT* out = nullptr) {
    DWORD_PTR value = 0;
    if (!SendMessageTimeoutA(window, message, w, l, SMTO_ABORTIFHUNG, 5000, &value)) return false;
    if (out) *out = static_cast<LRESULT>(value);
    return true;
}

// One timed run, split at the stand-in ipconfig's own start and end.
struct Phases {
    double total = 0;
    double before = 0; // until ipconfig starts: cmd, and for the program the click and handler
    double after = 0;  // after ipconfig ends: cmd's exit, and for the program reading and filling
};

struct Series {
    std::vector<double> total, before, after;
    void add(const Phases& p) {
        total.push_back(p.total);
        before.push_back(p.before);
        after.push_back(p.after);
    }
    void report(const std::string& key) const {
        bench::resultSeries(key, total);
        bench::result(key + "_before_ipconfig_ms", bench::median(before));
        bench::result(key + "_after_ipconfig_ms", bench::median(after));
    }
};

// The last start and end that the stand-in ipconfig logged, in nowMs() time.
bool lastIpconfigRun(const std::string& log, double* startMs, double* endMs) {
    std::string text = fileBytes(log);
    size_t end = text.find_last_not_of("\r\n");
    if (end == std::string::npos) return false;
    size_t begin = text.find_last_of('\n', end);
    std::string line = text.substr(begin == std::string::npos ? 0 : begin + 1);
    long long start = 0, stop = 0;
    if (std::sscanf(line.c_str(), "%lld %lld", &start, &stop) != 2) return false;
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    double ticksPerMs = static_cast<double>(f.QuadPart) / 1000.0;
    *startMs = static_cast<double>(start) / ticksPerMs;
    *endMs = static_cast<double>(stop) / ticksPerMs;
    return true;
}

bool split(const std::string& log, double start, double end, Phases* phases) {
    double ipconfigStart = 0, ipconfigEnd = 0;
    if (!lastIpconfigRun(log, &ipconfigStart, &ipconfigEnd) || ipconfigStart < start ||
        ipconfigEnd > end) {
        std::fprintf(stderr, "no run of the stand-in ipconfig in %s\n", log.c_str());
        return false;
    }
    phases->total = end - start;
    phases->before = ipconfigStart - start;
    phases->after = end - ipconfigEnd;
    return true;
}

std::string boxText(HWND box) {
    char text[64] = {};
    LRESULT n = 0;
    if (!sendTimeout(box, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), &n)) return {};
    return std::string(text, static_cast<size_t>(n > 0 && n < 64 ? n : 0));
}

// Where the first entry of the open list is on the screen.
bool firstEntryPoint(HWND combo, POINT* at) {
    HWND list = nullptr;
    if (!e2e::waitUntil([&] { return (list = e2e::openListWindow(combo)) != nullptr; }, 5000))
        return false;
    LRESULT itemHeight = 0, topIndex = 0;
    if (!sendTimeout(combo, CB_GETITEMHEIGHT, 0, 0, &itemHeight) ||
        !sendTimeout(combo, CB_GETTOPINDEX, 0, 0, &topIndex) || itemHeight <= 0 || topIndex != 0)
        return false;
    RECT inside;
    GetClientRect(list, &inside);
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&inside), 2);
    *at = {(inside.left + inside.right) / 2, inside.top + static_cast<LONG>(itemHeight) / 2};
    return true;
}

bool pressAndRelease() {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

// From the click on the first entry of the open adapter list until the address
// box holds the address. The box is marked first, so an earlier fill cannot count.
bool timeSelection(HWND combo, HWND box, const std::string& expected, const std::string& log,
                   Phases* phases) {
    if (!sendTimeout(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("-"))) return false;
    POINT at{};
    if (!e2e::openList(combo) || !firstEntryPoint(combo, &at) || !e2e::moveMouse(at)) {
        std::fprintf(stderr, "cannot point at the adapter: %s\n", e2e::lastFailure().c_str());
        return false;
    }
    double start = bench::nowMs();
    if (!pressAndRelease()) return false;
    // One WM_GETTEXT per look: while the handler runs, it waits for the handler
    // and then reads the whole new text at once; a length read first could be stale.
    std::string text;
    DWORD deadline = GetTickCount() + 15000;
    while ((text = boxText(box)) != expected && static_cast<LONG>(GetTickCount() - deadline) < 0)
        Sleep(1);
    double end = bench::nowMs();
    if (text != expected) {
        std::fprintf(stderr, "the address box holds \"%s\"\n", text.c_str());
        return false;
    }
    return split(log, start, end, phases) &&
           e2e::waitUntil([&] { return !e2e::listOpen(combo); }, 5000) &&
           e2e::settle(GetAncestor(combo, GA_ROOT));
}

// The program's capture batch, run alone: same text, hidden, from the
// program's folder so that cmd finds the same ipconfig.
struct Batch {
    std::string folder, batchPath, reportPath;

    explicit Batch(const std::string& programFolder) : folder(programFolder) {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        batchPath = std::string(temp) + "quorbel-bench.bat";
        reportPath = std::string(temp) + "quorbel-bench.txt";
    }
    ~Batch() {
        DeleteFileA(batchPath.c_str());
        DeleteFileA(reportPath.c_str());
    }

    bool time(const std::string& expected, const std::string& log, Phases* phases) {
        DeleteFileA(reportPath.c_str());
        std::string text = captureBatchText(reportPath);
        if (!writeWholeFile(batchPath, text)) return false;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_HIDE;
        PROCESS_INFORMATION info{};
        std::string line = batchCommandLine(batchPath);
        double start = bench::nowMs();
        if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                            &startup, &info))
            return false;
        bool ended = WaitForSingleObject(info.hProcess, 15000) == WAIT_OBJECT_0;
        double end = bench::nowMs();
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
        if (ended && fileBytes(reportPath).find(expected) != std::string::npos)
            return split(log, start, end, phases);
        std::fprintf(stderr, "the batch alone wrote no report with %s\n", expected.c_str());
        return false;
    }
};

void reportMemory(const std::string& when, DWORD pid) {
    bench::Memory memory = bench::memoryOf(pid);
    if (!memory.read) std::fprintf(stderr, "cannot read the memory of process %lu\n", pid);
    bench::result("peak_ws_" + when + "_mb", memory.peakWorkingSetMb);
    bench::result("ws_" + when + "_mb", memory.workingSetMb);
}

} // namespace

int selectMode(int runs, const std::string& program, const std::string& expected) {
    const std::string folder = e2e::folderOf(program);
    const std::string log = folder + "\\ipconfig\\times.log";
    DeleteFileA(log.c_str());
    SetEnvironmentVariableA("QUORBEL_IPCONFIG_TIMES", log.c_str()); // the batch's too
    e2e::Program quorbel(program);
    HWND window = quorbel.waitWindow(programTitle);
    if (!window || !e2e::settle(window)) {
        std::fprintf(stderr, "no window from %s\n", program.c_str());
        return 1;
    }
    reportMemory("shown", quorbel.pid());
    HWND combo = quorbel.control(adapterListId), box = quorbel.control(addressBoxId);
    std::vector<std::string> adapters = e2e::listEntries(combo);
    bench::result("adapters", static_cast<double>(adapters.size()));
    for (const std::string& name : adapters)
        std::printf("adapter: %s\n", name.c_str());
    if (adapters.empty()) return 3;

    Batch batch(folder);
    Phases phases;
    // Untimed once each: the first run also loads what later runs find in memory.
    if (!timeSelection(combo, box, expected, log, &phases)) return 1;
    reportMemory("selected", quorbel.pid());
    if (!batch.time(expected, log, &phases)) return 1;

    Series selection, alone;
    for (int i = 0; i < runs; ++i) {
        bool selectionFirst = i % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            bool doSelection = (k == 0) == selectionFirst;
            if (doSelection ? !timeSelection(combo, box, expected, log, &phases)
                            : !batch.time(expected, log, &phases))
                return 1;
            (doSelection ? selection : alone).add(phases);
        }
        std::printf("run %2d  selection %7.1f ms  batch alone %7.1f ms\n", i + 1,
                    selection.total.back(), alone.total.back());
    }
    reportMemory("after_runs", quorbel.pid());
    selection.report("select_program");
    alone.report("select_batch");
    bench::result("select_ratio", bench::median(selection.total) / bench::median(alone.total));
    bench::result("select_paired_ratio", bench::pairedRatio(selection.total, alone.total));
    bench::result("select_min_ratio",
                  bench::quantile(selection.total, 0) / bench::quantile(alone.total, 0));
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    return quorbel.waitExit(&code, 10000) ? 0 : 1;
}
