// Times quorbel-ip from outside, as a user's machine would see it:
//   start_timer start <runs> <quorbel-ip.exe> <minimal_window.exe>
//   start_timer select <runs> <quorbel-ip.exe> <expected IP address>
// and prints one "RESULT <key> <value>" line per figure.
#include "selection_timer.h"
#include "timing.h"

#include "driver.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const programTitle = u8"Quorbel本地连接ip设置V2.3";
const char* const minimalTitle = "Quorbel minimal window";

struct StartRun {
    double readyMs = 0;
    double shownMs = 0;
    bench::Memory memory;
};

// From CreateProcess to a shown window that answers its message queue.
bool timeStart(const std::string& exe, const std::string& titleAnsi, StartRun* run) {
    double start = bench::nowMs();
    e2e::Program program(exe);
    if (!program.started()) {
        std::fprintf(stderr, "cannot start %s: error %lu\n", exe.c_str(), program.startError());
        return false;
    }
    HWND window = bench::waitShownWindow(program.pid(), titleAnsi, e2e::defaultTimeout);
    run->shownMs = bench::nowMs() - start;
    if (!window || !e2e::settle(window)) {
        std::fprintf(stderr, "%s showed no window that answers\n", exe.c_str());
        return false;
    }
    run->readyMs = bench::nowMs() - start;
    run->memory = bench::memoryOf(program.pid());
    PostMessageA(window, WM_CLOSE, 0, 0);
    DWORD code = 0;
    if (!program.waitExit(&code, 10000)) {
        std::fprintf(stderr, "%s did not end after WM_CLOSE\n", exe.c_str());
        return false;
    }
    return true;
}

struct Series {
    std::vector<double> ready, shown;
    bench::Memory memory;
};

bool startOnce(const std::string& exe, const std::string& title, Series* series, bool keep) {
    StartRun run;
    if (!timeStart(exe, title, &run)) return false;
    if (!keep) return true;
    series->ready.push_back(run.readyMs);
    series->shown.push_back(run.shownMs);
    series->memory = run.memory;
    return true;
}

int startMode(int runs, const std::string& program, const std::string& minimal) {
    const std::string programAnsi = e2e::toAnsi(programTitle);
    Series ours, yardstick;
    // One untimed start each: the desktop and the file cache are warm afterwards.
    if (!startOnce(program, programAnsi, &ours, false) ||
        !startOnce(minimal, minimalTitle, &yardstick, false))
        return 1;
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so neither always follows the other's exit.
        bool oursFirst = i % 2 == 0;
        for (int k = 0; k < 2; ++k) {
            bool doOurs = (k == 0) == oursFirst;
            if (doOurs ? !startOnce(program, programAnsi, &ours, true)
                       : !startOnce(minimal, minimalTitle, &yardstick, true))
                return 1;
        }
        std::printf("run %2d  quorbel-ip %7.1f ms  minimal %7.1f ms\n", i + 1, ours.ready.back(),
                    yardstick.ready.back());
    }
    bench::resultSeries("start_program", ours.ready);
    bench::resultSeries("start_minimal", yardstick.ready);
    bench::result("start_ratio", bench::median(ours.ready) / bench::median(yardstick.ready));
    bench::result("start_paired_ratio", bench::pairedRatio(ours.ready, yardstick.ready));
    bench::result("start_min_ratio",
                  bench::quantile(ours.ready, 0) / bench::quantile(yardstick.ready, 0));
    bench::result("shown_program_ms", bench::median(ours.shown));
    bench::result("shown_minimal_ms", bench::median(yardstick.shown));
    bench::result("start_program_peak_ws_mb", ours.memory.peakWorkingSetMb);
    bench::result("start_minimal_peak_ws_mb", yardstick.memory.peakWorkingSetMb);
    return 0;
}

int usage() {
    std::fprintf(stderr, "usage: start_timer start <runs> <program> <minimal>\n"
                         "       start_timer select <runs> <program> <expected address>\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 5) return usage();
    int runs = std::atoi(argv[2]);
    if (runs <= 0) return usage();
    if (std::strcmp(argv[1], "start") == 0) return startMode(runs, argv[3], argv[4]);
    if (std::strcmp(argv[1], "select") == 0) return selectMode(runs, argv[3], argv[4]);
    return usage();
}
