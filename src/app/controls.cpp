#include "controls.h"

#include "window.h"

#include <windows.h>

const ControlSpec controlTable[controlCount] = {
    // kind         left top  width height text                   disabled
    {button, 268, 233, 93, 23, "自动获取IP/DNS", false},     // 按钮3
    {dropDownList, 133, 23, 233, 23, "", false},             // 网卡列表
    {label, 32, 23, 113, 23, "网卡名称：", false},           // 选择标签
    {button, 153, 233, 93, 23, "保存自定义配置", true},      // 按钮2
    {label, 333, -3, 53, 23, "V2.3", false},                 // 标签7
    {button, 33, 233, 93, 23, "设置网络设置", false},        // 按钮1
    {label, 33, 143, 113, 23, "DNS服务器选择：", false},     // 标签6
    {dropDownList, 183, 143, 133, 23, "", false},            // 组合框1
    {label, 33, 173, 113, 22, "首选 DNS 服务器(P):", false}, // 标签3
    {editBox, 183, 173, 133, 23, "", false},                 // 编辑框4
    {editBox, 183, 203, 133, 23, "", false},                 // 编辑框5
    {label, 33, 203, 113, 22, "备用 DNS 服务器(A):", false}, // 标签5
    {label, 33, 53, 113, 23, "IP地址(I)：", false},          // 标签1
    {editBox, 183, 53, 133, 23, "", false},                  // 编辑框1
    {label, 33, 83, 113, 23, "子网掩码(U)：", false},        // 标签2
    {editBox, 183, 83, 133, 23, "", false},                  // 编辑框2
    {label, 33, 113, 113, 23, "默认网关(D)：", false},       // 标签4
    {editBox, 183, 113, 133, 23, "", false},                 // 编辑框3
};

const char* const dnsChooserEntries[5] = {"OpenDNS", "湖北", "自定义1", "自定义2",
                                          "申请添加当地DNS"};

std::string boxText(Control box) {
    HWND window = controlWindow(box);
    int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

void setBoxText(Control box, const std::string& text) {
    SetWindowTextA(controlWindow(box), text.c_str());
}

void appendBoxText(Control box, const std::string& text) {
    HWND window = controlWindow(box);
    int end = GetWindowTextLengthA(window);
    SendMessageA(window, EM_SETSEL, static_cast<WPARAM>(end), end);
    SendMessageA(window, EM_SCROLLCARET, 0, 0);
    SendMessageA(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void setDisabled(Control control, bool disabled) {
    EnableWindow(controlWindow(control), !disabled);
}

int selectedIndex(Control list) {
    LRESULT index = SendMessageA(controlWindow(list), CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

int insertListItem(Control list, int position, const std::string& text) {
    if (position < 0) return -1;
    HWND window = controlWindow(list);
    LRESULT index = SendMessageA(window, CB_INSERTSTRING, static_cast<WPARAM>(position),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0) return -1;
    SendMessageA(window, CB_SETITEMDATA, static_cast<WPARAM>(index), 0);
    return static_cast<int>(index);
}
