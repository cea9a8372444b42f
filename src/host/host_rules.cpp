#include "host_rules.h"

#include "gbk.h"

std::string directoryOf(const std::string& modulePath) {
    std::size_t slash = lastCharAt(modulePath, '\\');
    return slash == std::string::npos ? std::string() : modulePath.substr(0, slash);
}

std::string withTrailingBackslash(const std::string& folder) {
    if (folder.empty()) return folder;
    std::size_t slash = lastCharAt(folder, '\\');
    return slash == folder.size() - 1 ? folder : folder + '\\';
}

std::string dropLeadingBlanks(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] >= 0x01 && text[i] <= 0x20)
        ++i;
    return text.substr(i);
}

int osKindOfPlatform(unsigned long platformId) {
    switch (platformId) {
    case 0:
        return 1; // Win32s
    case 1:
        return 2; // Windows 95, 98, Me
    case 2:
        return 3; // NT family
    default:
        return 0;
    }
}

unsigned messageBoxStyle(unsigned flags) {
    const unsigned systemModal = 0x1000, taskModal = 0x2000;
    return (flags & systemModal) ? flags : flags | taskModal;
}
