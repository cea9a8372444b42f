#include "typing.h"

#include "driver.h"

#include <vector>

namespace e2e {

namespace {

INPUT key(WORD vk, bool up, bool extended = false) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    return input;
}

INPUT unicode(wchar_t c, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wScan = static_cast<WORD>(c);
    input.ki.dwFlags = KEYEVENTF_UNICODE | (up ? KEYEVENTF_KEYUP : 0);
    return input;
}

void press(std::vector<INPUT>& inputs, WORD vk, bool extended = false) {
    inputs.push_back(key(vk, false, extended));
    inputs.push_back(key(vk, true, extended));
}

bool send(std::vector<INPUT>& inputs) {
    UINT n = static_cast<UINT>(inputs.size());
    if (n == 0 || SendInput(n, inputs.data(), sizeof(INPUT)) == n) return true;
    return failWith("SendInput refused, error " + std::to_string(GetLastError()));
}

std::wstring wide(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring text(static_cast<size_t>(n), L'\0');
    if (n > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &text[0], n);
    return text;
}

} // namespace

bool typeText(HWND window, const std::string& utf8) {
    if (!bringToFront(GetAncestor(window, GA_ROOT))) return false;
    std::vector<INPUT> inputs;
    for (wchar_t c : wide(utf8)) {
        SHORT scan = c < 0x80 ? VkKeyScanW(c) : static_cast<SHORT>(-1);
        if (scan == -1) {
            inputs.push_back(unicode(c, false));
            inputs.push_back(unicode(c, true));
            continue;
        }
        bool shift = (scan >> 8) & 1;
        if (shift) inputs.push_back(key(VK_SHIFT, false));
        press(inputs, static_cast<WORD>(scan & 0xFF));
        if (shift) inputs.push_back(key(VK_SHIFT, true));
    }
    return send(inputs);
}

bool replaceText(HWND edit, const std::string& utf8, DWORD timeoutMs) {
    DWORD thread = GetWindowThreadProcessId(edit, nullptr);
    if (!click(edit)) return false;
    if (!waitUntil([&] { return focusOf(thread) == edit; }, timeoutMs))
        return failWith("the click did not put the focus into the box");
    std::vector<INPUT> inputs;
    press(inputs, VK_HOME, true);
    inputs.push_back(key(VK_SHIFT, false));
    press(inputs, VK_END, true);
    inputs.push_back(key(VK_SHIFT, true));
    press(inputs, VK_DELETE, true);
    if (!send(inputs)) return false;
    if (!waitUntil([&] { return windowText(edit).empty(); }, timeoutMs))
        return failWith("Home, Shift+End and Delete left \"" + windowText(edit) + "\"");
    if (!typeText(edit, utf8)) return false;
    if (!waitUntil([&] { return windowText(edit) == utf8; }, timeoutMs))
        return failWith("the typed keys gave \"" + windowText(edit) + "\"");
    return true;
}

} // namespace e2e
