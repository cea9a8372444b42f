// Adapter descriptions, as Windows reports them.
#include "host/host.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <iphlpapi.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> reportedDescriptions() {
    std::vector<std::string> descriptions;
    ULONG size = 0;
    if (GetAdaptersInfo(nullptr, &size) != ERROR_BUFFER_OVERFLOW) return descriptions;
    std::vector<unsigned char> buffer(size);
    auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.data());
    if (GetAdaptersInfo(first, &size) != NO_ERROR) return descriptions;
    for (IP_ADAPTER_INFO* adapter = first; adapter; adapter = adapter->Next)
        descriptions.emplace_back(adapter->Description);
    return descriptions;
}

TEST(EnumerateAdapters, GivesTheReportedDescriptionsInOrder) {
    std::vector<std::string> expected = reportedDescriptions();
    EXPECT_EQ(enumerateAdapters(), expected);
    EXPECT_EQ(enumerateAdapters(), expected); // IP Helper is loaded once, asked each time
    RecordProperty("adapters", static_cast<int>(expected.size()));
}

} // namespace
