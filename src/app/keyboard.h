// Keys the window handles itself, before any control sees them.
#pragma once

#include <windows.h>

// True when the key was the window's to handle and must not reach the control.
bool filterKey(const MSG& message);
