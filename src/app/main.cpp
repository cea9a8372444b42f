#include "host/host.h"

#include <windows.h>
#include <ole2.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    restrictDllSearch();
    OleInitialize(nullptr);
    SetCurrentDirectoryA(programDirectory().c_str());
    OleUninitialize();
    return 0;
}
