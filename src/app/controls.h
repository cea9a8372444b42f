// The controls of the main window, described once as a table, and the
// operations through which handlers read and change them. None of these
// operations fires an event.
#pragma once

#include <string>

// In definition order, which is also the stacking order, first on top.
enum Control {
    按钮3,
    网卡列表,
    选择标签,
    按钮2,
    标签7,
    按钮1,
    标签6,
    组合框1,
    标签3,
    编辑框4,
    编辑框5,
    标签5,
    标签1,
    编辑框1,
    标签2,
    编辑框2,
    标签4,
    编辑框3,
    controlCount
};

enum ControlKind { label, editBox, dropDownList, button };

struct ControlSpec {
    ControlKind kind;
    int left, top, width, height;
    const char* text;
    bool disabled;
};

extern const ControlSpec controlTable[controlCount];

// Control identifiers as Windows sees them: the table index plus this base.
const int firstControlId = 1000;

// The entries of the DNS chooser, in the order the user sees them.
extern const char* const dnsChooserEntries[5];

std::string boxText(Control box);
void setBoxText(Control box, const std::string& text);
void appendBoxText(Control box, const std::string& text);
void setDisabled(Control control, bool disabled);
int selectedIndex(Control list);
int insertListItem(Control list, int position, const std::string& text);
