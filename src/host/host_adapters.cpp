// Network adapter descriptions from IP Helper.
#include "host.h"

#include <windows.h>
#include <iphlpapi.h>

#include <memory>
#include <new>

namespace {

using GetAdaptersInfoCall = ULONG(WINAPI*)(PIP_ADAPTER_INFO, PULONG);

// IP Helper from System32 by full path, never from the program's folder.
GetAdaptersInfoCall loadGetAdaptersInfo() {
    static GetAdaptersInfoCall call = [] {
        char path[MAX_PATH];
        UINT n = GetSystemDirectoryA(path, MAX_PATH);
        if (n == 0 || n + sizeof "\\iphlpapi.dll" > MAX_PATH) return GetAdaptersInfoCall();
        std::string file = std::string(path, n) + "\\iphlpapi.dll";
        HMODULE library = LoadLibraryExA(file.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        if (!library) return GetAdaptersInfoCall();
        return reinterpret_cast<GetAdaptersInfoCall>(
            reinterpret_cast<void*>(GetProcAddress(library, "GetAdaptersInfo")));
    }();
    return call;
}

} // namespace

std::vector<std::string> enumerateAdapters() {
    std::vector<std::string> descriptions;
    GetAdaptersInfoCall getAdaptersInfo = loadGetAdaptersInfo();
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
