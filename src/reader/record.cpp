#include "record.h"

#include "host/gbk.h"

std::vector<std::string> splitRecord(const std::string& record) {
    std::vector<std::string> fields;
    std::string field;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (record[i] == '|') {
            fields.push_back(field);
            field.clear();
            continue;
        }
        field += record[i];
        if (isLeadByte(record[i]) && i + 1 < record.size()) field += record[++i];
    }
    if (!field.empty()) fields.push_back(field);
    return fields;
}
