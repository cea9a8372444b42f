#include "display_pointer.h"

#include "driver.h"

namespace e2e {

namespace {

// Wine runs the Unix program itself; its handle cannot be waited for, so
// callers wait for what it does.
bool xdotool(const std::string& arguments) {
    std::string line = "/usr/bin/xdotool " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process))
        return failWith("cannot start xdotool, error " + std::to_string(GetLastError()));
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

std::string coordinates(POINT p) {
    return std::to_string(p.x) + " " + std::to_string(p.y);
}

bool waitPointerAt(POINT to) {
    POINT at{};
    if (waitUntil([&] { return GetCursorPos(&at) && at.x == to.x && at.y == to.y; }, 5000))
        return true;
    return failWith("the pointer is at " + coordinates(at) + ", not at " + coordinates(to));
}

} // namespace

bool displayPointerAvailable() {
    return GetFileAttributesA("Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES;
}

bool movePointerOnDisplay(POINT to) {
    return xdotool("mousemove " + coordinates(to)) && waitPointerAt(to);
}

bool clickOnDisplay(POINT at) {
    return xdotool("mousemove " + coordinates(at) + " click 1") && waitPointerAt(at);
}

} // namespace e2e
