// The adapter list shows what Windows reports of this machine's adapters:
// their descriptions, in the order reported, none of them chosen.
#include "main_window.h"

#include <iphlpapi.h>

namespace e2e {
namespace {

// Descriptions in the order of the chain, read as the program reads them.
std::vector<std::string> reportedDescriptions() {
    ULONG size = 0;
    GetAdaptersInfo(nullptr, &size);
    std::vector<std::string> descriptions;
    if (size == 0) return descriptions;
    std::vector<char> buffer(size);
    auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (GetAdaptersInfo(first, &size) != ERROR_SUCCESS) return descriptions;
    for (IP_ADAPTER_INFO* adapter = first; adapter; adapter = adapter->Next)
        descriptions.push_back(toUtf8(adapter->Description));
    return descriptions;
}

class AdapterList : public MainWindowTest {};

TEST_F(AdapterList, ShowsTheReportedDescriptionsInOrderNoneChosen) {
    ASSERT_NO_FATAL_FAILURE(start());
    std::vector<std::string> expected = reportedDescriptions();
    HWND list = control(网卡列表);
    EXPECT_EQ(listEntries(list), expected);
    EXPECT_EQ(listSelection(list), -1);
    EXPECT_EQ(windowText(list), "");
    for (Name box : editBoxes)
        EXPECT_EQ(windowText(control(box)), "") << expectedControls[box].name;
    RecordProperty("adapters", static_cast<int>(expected.size()));
    ASSERT_TRUE(PostMessageA(window, WM_CLOSE, 0, 0));
    expectNormalEnd();
}

} // namespace
} // namespace e2e
