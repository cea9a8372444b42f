#include "settings_display.h"

#include "app/controls.h"
#include "capture.h"
#include "record.h"

namespace {

struct BoxField {
    Control box;
    int field; // 1-based field of the record
};

const BoxField boxFields[] = {
    {编辑框1, 5}, // IP address
    {编辑框2, 6}, // subnet mask
    {编辑框3, 7}, // default gateway
    {编辑框4, 2}, // preferred DNS server
    {编辑框5, 3}, // alternate DNS server
};

} // namespace

void onAdapterSelected() {
    for (const BoxField& row : boxFields)
        setBoxText(row.box, std::string());
    std::vector<std::string> fields = splitRecord(captureCurrentConfig());
    // A short record leaves the boxes of its missing fields empty.
    for (const BoxField& row : boxFields)
        if (static_cast<std::size_t>(row.field) <= fields.size())
            appendBoxText(row.box, fields[row.field - 1]);
}
