// Typing into the program's edit boxes with real key presses, as a user does.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Presses the keys of the text in the window that has the keyboard focus;
// characters that no key of the layout gives go as Unicode key input.
bool typeText(HWND window, const std::string& utf8);

// Clicks into the edit box, selects all of its text with Home and
// Shift+End, deletes it and types the new text; waits until the box shows it.
bool replaceText(HWND edit, const std::string& utf8, DWORD timeoutMs = 5000);

} // namespace e2e
