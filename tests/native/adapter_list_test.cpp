#include "adapters/adapter_list.h"

#include "fakes.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

TEST(AdapterList, ShowsEveryAdapterInReportedOrder) {
    struct Case {
        const char* name;
        Texts adapters;
    } cases[] = {
        {"three in order", {"Realtek PCIe GBE", "Intel(R) Wireless", "VirtualBox Host-Only"}},
        {"duplicates kept", {"本地连接 适配器", "本地连接 适配器"}},
        {"empty description in the middle", {"first", "", "third"}},
        {"none", {}},
    };
    for (const Case& c : cases) {
        resetFakes();
        host.adapters = c.adapters;
        fillAdapterList();
        EXPECT_EQ(controls.entries[网卡列表], c.adapters) << c.name;
        EXPECT_EQ(controls.selected[网卡列表], -1) << c.name;
    }
}

TEST(AdapterList, PositionAdvancesWhateverTheInsertionReturned) {
    resetFakes();
    host.adapters = {"a", "b", "c", "d"};
    controls.failInsertAt = 1;
    fillAdapterList();
    EXPECT_EQ(controls.insertPositions, (std::vector<int>{0, 1, 2, 3}));
    // Once "b" is missing, later positions lie past the end and fail too,
    // as they do in the real list: nothing is shifted up into the gap.
    EXPECT_EQ(controls.entries[网卡列表], (Texts{"a"}));
}

TEST(AdapterList, CreatedEventSkinsTheWindowThenFillsTheList) {
    resetFakes();
    host.adapters = {"only"};
    onMainWindowCreated();
    EXPECT_EQ(host.visualStyles, (std::vector<int>{1}));
    EXPECT_EQ(controls.entries[网卡列表], (Texts{"only"}));
}

} // namespace
