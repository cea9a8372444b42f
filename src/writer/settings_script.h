// The VBScript that applies a static configuration through WMI to every
// IP-enabled adapter.
#pragma once

#include <string>

extern const char* const settingsScriptName; // appended to the program's folder

// The script with the five texts put between its double quotes, unchanged.
std::string buildSettingsScript(const std::string& ipAddress, const std::string& subnetMask,
                                const std::string& gateway, const std::string& preferredDns,
                                const std::string& alternateDns);
