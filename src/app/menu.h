// The window's only menu, "菜单": hidden, so the window has no menu bar; it is
// shown as a pop-up over the version label.
#pragma once

#include "events.h"

struct MenuItem {
    const char* caption;
    EventSource source;
};

extern const char* const menuCaption;
extern const MenuItem menuItems[3];

// Command identifiers of the items: the table index plus this base.
const int firstMenuCommand = 2000;
