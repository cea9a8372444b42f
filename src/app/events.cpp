#include "events.h"

struct EventRow {
    int source;
    EventKind kind;
    void (*handler)();
    void (*mouseHandler)(int x, int y, unsigned keys);
};

// Handlers are filled in as the features that own them arrive.
const EventRow eventTable[] = {
    {sourceMainWindow, created, nullptr, nullptr},
    {sourceMainWindow, willBeDestroyed, nullptr, nullptr},
    {网卡列表, listItemSelected, nullptr, nullptr},
    {组合框1, listItemSelected, nullptr, nullptr},
    {按钮1, clicked, nullptr, nullptr},
    {按钮2, clicked, nullptr, nullptr},
    {按钮3, clicked, nullptr, nullptr},
    {标签7, mouseMoved, nullptr, nullptr},
    {sourceExitItem, itemSelected, nullptr, nullptr},
    {sourceUpdateItem, itemSelected, nullptr, nullptr},
    {sourceAboutItem, itemSelected, nullptr, nullptr},
};

void fireEvent(int source, EventKind kind) {
    for (const EventRow& row : eventTable)
        if (row.source == source && row.kind == kind && row.handler) row.handler();
}

void fireMouseMoved(int source, int x, int y, unsigned keys) {
    for (const EventRow& row : eventTable)
        if (row.source == source && row.kind == mouseMoved && row.mouseHandler)
            row.mouseHandler(x, y, keys);
}
