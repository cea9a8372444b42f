#include "window.h"

#include "events.h"
#include "keyboard.h"
#include "menu.h"
#include "program.h"

namespace {

const char* const windowClass = "QuorbelIpMainWindow";
const char* const windowTitle = "Quorbel本地连接ip设置V2.3";
const int windowWidth = 383, windowHeight = 283;
const int openListHeight = 160; // field and open list together

HWND theWindow;
HWND controls[controlCount];
HFONT versionFont;

struct KindClass {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

// Window class and styles of each kind of control. Siblings clip each other
// because some of them overlap. Visible from the start: nothing shows before
// the main window does.
KindClass classOf(ControlKind kind) {
    const DWORD common = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
    case label:
        return {"STATIC", common | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 0};
    case editBox:
        return {"EDIT", common | ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case dropDownList:
        return {"COMBOBOX", common | CBS_DROPDOWNLIST | WS_VSCROLL, 0};
    case button:
        return {"BUTTON", common | BS_PUSHBUTTON | BS_CENTER, 0};
    }
    return {"STATIC", common, 0};
}

HWND createControl(Control control) {
    const ControlSpec& spec = controlTable[control];
    KindClass kind = classOf(spec.kind);
    DWORD style = kind.style | (spec.disabled ? WS_DISABLED : 0);
    if (control == 标签7) style = (style & ~SS_CENTER) | SS_LEFT | SS_NOTIFY; // gets mouse moves
    int height = spec.kind == dropDownList ? openListHeight : spec.height;
    return CreateWindowExA(kind.exStyle, kind.className, spec.text, style, spec.left, spec.top,
                           spec.width, height, theWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(firstControlId + control)),
                           GetModuleHandleA(nullptr), nullptr);
}

void createControls() {
    HFONT guiFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    versionFont =
        CreateFontA(-20, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
    // A new child goes below its siblings, so definition order is stacking order.
    for (int i = 0; i < controlCount; ++i) {
        Control control = static_cast<Control>(i);
        controls[i] = createControl(control);
        HFONT font = control == 标签7 && versionFont ? versionFont : guiFont;
        SendMessageA(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (controlTable[i].kind == dropDownList) {
            LRESULT entry = SendMessageA(controls[i], CB_GETITEMHEIGHT, 0, 0);
            if (entry > 0) SendMessageA(controls[i], CB_SETITEMHEIGHT, 0, entry + 1);
        }
    }
    for (int i = 0; i < 5; ++i)
        insertListItem(组合框1, i, dnsChooserEntries[i]);
}

// A combo box notification that means the user's final choice. The event is
// posted so that it runs once the list has closed and the selection is in place.
void onListNotified(Control list, WORD notification) {
    if (notification == CBN_SELENDOK) PostMessageA(theWindow, listChosenMessage, list, 0);
}

void onCommand(WPARAM wParam, LPARAM lParam) {
    WORD id = LOWORD(wParam), notification = HIWORD(wParam);
    if (lParam == 0) { // a menu item
        int item = id - firstMenuCommand;
        if (item >= 0 && item < 3) fireEvent(menuItems[item].source, itemSelected);
        return;
    }
    Control control = controlOf(reinterpret_cast<HWND>(lParam));
    if (control == controlCount) return;
    if (controlTable[control].kind == dropDownList) onListNotified(control, notification);
    if (controlTable[control].kind == button && notification == BN_CLICKED)
        fireEvent(control, clicked);
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        onCommand(wParam, lParam);
        return 0;
    case listChosenMessage:
        fireEvent(static_cast<int>(wParam), listItemSelected);
        return 0;
    case destroySelfMessage:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        fireEvent(sourceMainWindow, willBeDestroyed);
        return 0;
    case WM_NCDESTROY:
        theWindow = nullptr;
        for (HWND& control : controls)
            control = nullptr;
        onMainWindowGone();
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool registerWindowClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = mainWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = windowClass;
    return RegisterClassA(&wc) != 0;
}

} // namespace

HWND mainWindow() {
    return theWindow;
}

HWND controlWindow(Control control) {
    return control < controlCount ? controls[control] : nullptr;
}

Control controlOf(HWND window) {
    for (int i = 0; i < controlCount; ++i)
        if (window && controls[i] == window) return static_cast<Control>(i);
    return controlCount;
}

bool createMainWindow() {
    if (!registerWindowClass()) return false;
    int left = (GetSystemMetrics(SM_CXSCREEN) - windowWidth) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - windowHeight) / 2;
    // A fixed frame and a title bar, without system menu or buttons.
    theWindow = CreateWindowExA(WS_EX_APPWINDOW, windowClass, windowTitle, WS_CAPTION, left, top,
                                windowWidth, windowHeight, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!theWindow) return false;
    RECT outer;
    GetWindowRect(theWindow, &outer);
    if (outer.right - outer.left != windowWidth || outer.bottom - outer.top != windowHeight)
        SetWindowPos(theWindow, nullptr, 0, 0, windowWidth, windowHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(theWindow, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    createControls();
    fireEvent(sourceMainWindow, created);
    if (!theWindow) return true; // the created handler already closed it
    ShowWindow(theWindow, SW_SHOW);
    SetForegroundWindow(theWindow);
    SetFocus(theWindow); // nothing highlighted until the user picks a control
    return true;
}

void releaseWindowResources() {
    if (versionFont) DeleteObject(versionFont);
    versionFont = nullptr;
}
