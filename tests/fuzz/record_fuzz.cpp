// The record split on any bytes, and on records joined from seven fields.
// Input: a record, and apart from it at a zero byte the fields of a second one.
#include "reader/record.h"

#include "fuzz_check.h"

#include <cstdint>

namespace {

std::string joined(const std::vector<std::string>& fields) {
    std::string record;
    for (std::size_t i = 0; i < fields.size(); ++i)
        record += (i ? "|" : "") + fields[i];
    return record;
}

void checkSplit(const std::string& record) {
    std::vector<std::string> fields = splitRecord(record);
    for (const std::string& field : fields)
        FUZZ_CHECK(countAtBoundaries(field, '|') == 0);
    // Joined again, only an empty last field is missing.
    std::string back = joined(fields);
    FUZZ_CHECK(back == record || back + "|" == record);
    std::size_t separators = countAtBoundaries(record, '|');
    bool lastHasText = !record.empty() && back == record;
    FUZZ_CHECK(fields.size() == separators + (lastHasText ? 1 : 0));
}

// Seven fields, none holding a "|" of its own nor ending in half a character,
// split into exactly themselves; an empty last one is not a field.
void checkSeven(std::vector<std::string> fields) {
    fields.resize(7);
    for (const std::string& field : fields)
        if (countAtBoundaries(field, '|') != 0 || !isBoundary(field, field.size())) return;
    std::vector<std::string> split = splitRecord(joined(fields));
    if (fields.back().empty()) fields.pop_back();
    FUZZ_CHECK(split == fields);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    std::size_t zero = input.find('\0');
    checkSplit(input.substr(0, zero));
    checkSplit(input);
    if (zero != std::string::npos) checkSeven(piecesOf(input.substr(zero + 1), '\n'));
    return 0;
}
