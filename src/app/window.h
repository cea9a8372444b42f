// The main window: creation from the control table, its window procedure and
// the handles the window layer keeps.
#pragma once

#include "controls.h"

#include <windows.h>

// Creates the window and its controls hidden, fires the created event, then
// shows the window centred and active. False when the window cannot be made.
bool createMainWindow();

HWND mainWindow();
HWND controlWindow(Control control);

// Which control a child window is, or controlCount for none of ours.
Control controlOf(HWND window);

// Fonts and brushes of the window layer, released at the end of the run.
void releaseWindowResources();

// Private messages of the main window.
const UINT destroySelfMessage = WM_APP + 1;
const UINT listChosenMessage = WM_APP + 2; // wParam: the Control whose entry was chosen
