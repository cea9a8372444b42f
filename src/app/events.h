// The event table: which handler serves which event of the window, its
// controls and its pop-up items. A row without a handler does nothing.
#pragma once

#include "controls.h"

enum EventKind { created, willBeDestroyed, listItemSelected, clicked, mouseMoved, itemSelected };

// Sources beyond the controls, numbered after them.
enum EventSource {
    sourceMainWindow = controlCount,
    sourceExitItem,
    sourceUpdateItem,
    sourceAboutItem,
};

void fireEvent(int source, EventKind kind);
void fireMouseMoved(int source, int x, int y, unsigned keys);
