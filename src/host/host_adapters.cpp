// Network adapter descriptions from IP Helper.
#include "host.h"

#include "system_library.h"

#include <windows.h>
#include <iphlpapi.h>

#include <memory>
#include <new>

std::vector<std::string> enumerateAdapters() {
    std::vector<std::string> descriptions;
    using GetAdaptersInfoCall = ULONG(WINAPI*)(PIP_ADAPTER_INFO, PULONG);
    auto getAdaptersInfo = systemCall<GetAdaptersInfoCall>("iphlpapi.dll", "GetAdaptersInfo");
    if (!getAdaptersInfo) return descriptions;
    ULONG size = 0;
    getAdaptersInfo(nullptr, &size);
    // An adapter that appears between the size query and the call makes the
    // buffer too small; ask again with the new size a few times.
    for (int attempt = 0; attempt < 4 && size > 0; ++attempt) {
        std::unique_ptr<unsigned char[]> buffer(new (std::nothrow) unsigned char[size]);
        if (!buffer) break;
        auto* first = reinterpret_cast<IP_ADAPTER_INFO*>(buffer.get());
        ULONG result = getAdaptersInfo(first, &size);
        if (result == ERROR_BUFFER_OVERFLOW) continue;
        if (result != NO_ERROR) break;
        for (IP_ADAPTER_INFO* adapter = first; adapter; adapter = adapter->Next)
            descriptions.emplace_back(adapter->Description,
                                      strnlen(adapter->Description, sizeof adapter->Description));
        break;
    }
    return descriptions;
}
