// The text rules behind the host operations, kept apart from Windows so they
// can be tested on their own.
#pragma once

#include <string>

// The folder part of a module path: everything before its last backslash.
std::string directoryOf(const std::string& modulePath);

// A folder as the temp-path call reports it, ending in exactly one backslash.
std::string withTrailingBackslash(const std::string& folder);

// The private-profile calls ignore leading blanks and control bytes.
std::string dropLeadingBlanks(const std::string& text);

// Operating-system kind from the platform identifier of GetVersionEx.
int osKindOfPlatform(unsigned long platformId);

// Message-box style: task-modal unless system-modal was asked for.
unsigned messageBoxStyle(unsigned flags);
