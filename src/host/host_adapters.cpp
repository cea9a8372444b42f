// Network adapter descriptions from IP Helper.
#include "host.h"

#include "system_library.h"

#include <windows.h>
#include <iphlpapi.h>

#include <memory>
#include <new>

namespace {

std::vector<std::string> queryAdapters() {
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

// IP Helper takes a while to load and answer; started first thing, the
// query runs beside the making of the window.
HANDLE queryThread;
std::vector<std::string> answered;

DWORD WINAPI runQuery(void*) {
    answered = queryAdapters();
    return 0;
}

} // namespace

void startAdapterQuery() {
    if (!queryThread) queryThread = CreateThread(nullptr, 0, runQuery, nullptr, 0, nullptr);
}

std::vector<std::string> enumerateAdapters() {
    if (!queryThread) return queryAdapters();
    WaitForSingleObject(queryThread, INFINITE);
    CloseHandle(queryThread);
    queryThread = nullptr;
    std::vector<std::string> descriptions;
    descriptions.swap(answered);
    return descriptions;
}
