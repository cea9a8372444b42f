// The life of the process: start, event loop and end.
#pragma once

int startProgram();
void releaseGlobals();

// Queues the destruction of the main window; it goes once the running
// handler has returned.
void destroyMainWindow();

// Called by the window as it goes: once the loop runs, that ends the loop.
void onMainWindowGone();
