// Functions of Windows' own DLLs, loaded from System32 when first needed: a
// DLL the program imports is loaded at every start, even when the user never
// gets to the part that uses it.
#pragma once

// Null when the DLL or the function is missing.
void* systemFunction(const char* dll, const char* name);

template <typename Function> Function systemCall(const char* dll, const char* name) {
    return reinterpret_cast<Function>(systemFunction(dll, name));
}
