#include "system_library.h"

#include <windows.h>

#include <string>

void* systemFunction(const char* dll, const char* name) {
    char folder[MAX_PATH];
    UINT n = GetSystemDirectoryA(folder, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return nullptr;
    // By full path, never from the program's folder. Loaded once by Windows;
    // a second load of the same DLL only counts up.
    std::string path = std::string(folder, n) + '\\' + dll;
    HMODULE library = GetModuleHandleA(path.c_str());
    if (!library) library = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!library) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(library, name));
}
