// The fields of a configuration record, split at "|".
#pragma once

#include <string>
#include <vector>

// Every "|" at a character boundary ends a field, so empty fields between
// separators count; the text after the last one is a field only when it is
// not empty. The empty record has no fields.
std::vector<std::string> splitRecord(const std::string& record);
