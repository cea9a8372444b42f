// The display's own pointer, moved and clicked with xdotool as a hand on the
// mouse would. Wine then learns of it from the display, like of any real
// mouse. SendInput cannot serve while a menu is open: Wine then holds the
// display's pointer and refuses to move it, and takes our pointer back to
// the old place when the menu closes.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

bool displayPointerAvailable();
// Moves the pointer there and waits until Wine has seen it arrive.
bool movePointerOnDisplay(POINT to);
// Moves the pointer there and clicks the left button, in one run of xdotool.
bool clickOnDisplay(POINT at);

} // namespace e2e
