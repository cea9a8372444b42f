#include "reader/record.h"

#include <gtest/gtest.h>

TEST(Record, Split) {
    using Fields = std::vector<std::string>;
    struct Case {
        std::string record;
        Fields fields;
    } cases[] = {
        {"H|D1|D2|M|I|S|G", {"H", "D1", "D2", "M", "I", "S", "G"}},
        {"H||D2|M|I|S|G", {"H", "", "D2", "M", "I", "S", "G"}},
        {"H|D1|D2|M|I|S|", {"H", "D1", "D2", "M", "I", "S"}},
        {"", {}},
        {"|", {""}},
        {"\x81|x|y", {"\x81|x", "y"}}, // 0x7C as a second byte does not separate
        {"a|b\xb0", {"a", "b\xb0"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(splitRecord(c.record), c.fields) << c.record;
}
