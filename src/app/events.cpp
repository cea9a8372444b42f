#include "events.h"

#include "adapters/adapter_list.h"
#include "popup_menu.h"
#include "profiles/dns_chooser.h"
#include "profiles/profile_store.h"
#include "reader/settings_display.h"
#include "writer/apply_static.h"
#include "writer/automatic_settings.h"

struct EventRow {
    int source;
    EventKind kind;
    void (*handler)();
    void (*mouseHandler)(int x, int y, unsigned keys);
};

const EventRow eventTable[] = {
    {sourceMainWindow, created, onMainWindowCreated, nullptr},
    {sourceMainWindow, willBeDestroyed, onMainWindowDestroying, nullptr},
    {网卡列表, listItemSelected, onAdapterSelected, nullptr},
    {组合框1, listItemSelected, onDnsChooserSelected, nullptr},
    {按钮1, clicked, onApplyStaticClicked, nullptr},
    {按钮2, clicked, onSaveProfileClicked, nullptr},
    {按钮3, clicked, onAutomaticSettingsClicked, nullptr},
    {标签7, mouseMoved, nullptr, onVersionLabelMouseMoved},
    {sourceExitItem, itemSelected, onExitItemSelected, nullptr},
    {sourceUpdateItem, itemSelected, onUpdateItemSelected, nullptr},
    {sourceAboutItem, itemSelected, onAboutItemSelected, nullptr},
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
