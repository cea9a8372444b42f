#include "adapter_list.h"

#include "app/controls.h"
#include "app/skin.h"
#include "host/host.h"

void onMainWindowCreated() {
    setVisualStyle(1);
    fillAdapterList();
}

void fillAdapterList() {
    int position = 0;
    // Entries keep the order Windows reports; the position advances even when
    // an insertion fails, so later adapters keep their places.
    for (const std::string& description : enumerateAdapters()) {
        insertListItem(网卡列表, position, description);
        ++position;
    }
}
