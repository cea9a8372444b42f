// The control skin seen from outside its drawing code: styles, sizes, window
// procedures and the colours of the frames read back from the screen.
#include "app/skin.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <functional>

namespace {

COLORREF schemeColour(int scheme) {
    return scheme == 1 ? RGB(123, 158, 189) : scheme == 2 ? RGB(164, 185, 127) : RGB(198, 197, 215);
}

int lower32(int channel) {
    return channel > 32 ? channel - 32 : 0;
}

COLORREF disabledFrame() {
    COLORREF face = GetSysColor(COLOR_BTNFACE);
    return RGB(lower32(GetRValue(face)), lower32(GetGValue(face)), lower32(GetBValue(face)));
}

void pump() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// Runs the thread's messages until the condition holds or the time is up.
bool waitFor(const std::function<bool()>& condition, DWORD limitMs = 5000) {
    DWORD start = GetTickCount();
    for (;;) {
        pump();
        if (condition()) return true;
        if (GetTickCount() - start > limitMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

COLORREF pixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    COLORREF color = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return color;
}

SIZE outerSize(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return {r.right - r.left, r.bottom - r.top};
}

std::string hex(COLORREF color) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(color));
    return text;
}

// Redraws the whole window until the pixel at (x, y) of its window rectangle
// has the colour.
::testing::AssertionResult pixelBecomes(HWND window, int x, int y, COLORREF wanted) {
    COLORREF seen = CLR_INVALID;
    bool held = waitFor([&] {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        seen = pixel(window, x, y);
        return seen == wanted;
    });
    if (held) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << x << "," << y << ") is " << hex(seen) << ", wanted " << hex(wanted);
}

::testing::AssertionResult pixelLeaves(HWND window, int x, int y, COLORREF left) {
    COLORREF seen = CLR_INVALID;
    bool held = waitFor([&] {
        RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
        seen = pixel(window, x, y);
        return seen != left && seen != CLR_INVALID;
    });
    if (held) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") stays " << hex(seen);
}

// The left edge, halfway down: the outer frame, away from rounded corners.
::testing::AssertionResult leftEdgeBecomes(HWND window, COLORREF wanted) {
    return pixelBecomes(window, 0, outerSize(window).cy / 2, wanted);
}

bool subclassed(HWND window) {
    return static_cast<ULONG_PTR>(GetWindowLongPtrA(window, GWLP_WNDPROC)) !=
           GetClassLongPtrA(window, GCLP_WNDPROC);
}

bool hasClientEdge(HWND window) {
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0;
}

SIZE clientSize(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

bool sameSize(SIZE a, SIZE b) {
    return a.cx == b.cx && a.cy == b.cy;
}

HWND openListOf(HWND dropDown) {
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(dropDown, &info) ? info.hwndList : nullptr;
}

class Skin : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "SkinTestWindow";
        RegisterClassA(&wc);
        frame = CreateWindowExA(0, "SkinTestWindow", "皮肤测试", WS_OVERLAPPED | WS_CAPTION, 60, 60,
                                380, 300, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(frame);
        button = control("BUTTON", "设置网络设置", BS_PUSHBUTTON, 0, 20, 200, 100, 23);
        disabledButton =
            control("BUTTON", "保存自定义配置", BS_PUSHBUTTON | WS_DISABLED, 0, 140, 200, 100, 23);
        edit = control("EDIT", "192.168.1.10", ES_CENTER | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 20, 20,
                       133, 23);
        disabledEdit = control("EDIT", "255.255.255.0", ES_CENTER | ES_AUTOHSCROLL | WS_DISABLED,
                               WS_EX_CLIENTEDGE, 20, 50, 133, 23);
        readOnlyEdit = control("EDIT", "10.0.0.1", ES_CENTER | ES_AUTOHSCROLL | ES_READONLY,
                               WS_EX_CLIENTEDGE, 20, 80, 133, 23);
        dropDown = control("COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 20, 110, 133, 160);
        for (const char* entry : {"OpenDNS", "湖北", "自定义1"})
            SendMessageA(dropDown, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
        ShowWindow(frame, SW_SHOWNOACTIVATE);
        UpdateWindow(frame);
        pump();
    }

    void TearDown() override {
        setVisualStyle(0);
        if (frame) DestroyWindow(frame);
        pump();
    }

    HWND control(const char* kind, const char* text, DWORD style, DWORD exStyle, int x, int y,
                 int width, int height) {
        HWND made = CreateWindowExA(exStyle, kind, text, WS_CHILD | WS_VISIBLE | style, x, y, width,
                                    height, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
        SendMessageA(made, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     TRUE);
        return made;
    }

    HWND frame = nullptr, button = nullptr, disabledButton = nullptr, edit = nullptr,
         disabledEdit = nullptr, readOnlyEdit = nullptr, dropDown = nullptr;
};

TEST_F(Skin, TrueOnlyWhenASchemeIsApplied) {
    EXPECT_TRUE(setVisualStyle(1));
    EXPECT_TRUE(setVisualStyle(2));
    EXPECT_TRUE(setVisualStyle(3));
    EXPECT_TRUE(setVisualStyle(3));
    EXPECT_FALSE(setVisualStyle(0));
    EXPECT_FALSE(setVisualStyle(4));
    EXPECT_FALSE(setVisualStyle(-1));
    EXPECT_FALSE(setVisualStyle(0));
}

TEST_F(Skin, EditBoxesLoseTheSunkenBorderAndKeepTheirTextArea) {
    HWND edits[] = {edit, disabledEdit, readOnlyEdit};
    SIZE before[3], outerBefore[3];
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(hasClientEdge(edits[i]));
        before[i] = clientSize(edits[i]);
        outerBefore[i] = outerSize(edits[i]);
    }
    ASSERT_TRUE(setVisualStyle(1));
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(hasClientEdge(edits[i]));
        EXPECT_TRUE(sameSize(clientSize(edits[i]), before[i]));
        EXPECT_TRUE(sameSize(outerSize(edits[i]), outerBefore[i]));
        // The text is laid out centred in the box.
        RECT text;
        SendMessageA(edits[i], EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
        EXPECT_NEAR((text.left + text.right) / 2.0, before[i].cx / 2.0, 1.0);
    }
}

TEST_F(Skin, EditFramesInEachScheme) {
    COLORREF window = GetSysColor(COLOR_WINDOW), face = GetSysColor(COLOR_BTNFACE);
    for (int scheme : {1, 2, 3, 1}) {
        SCOPED_TRACE(scheme);
        ASSERT_TRUE(setVisualStyle(scheme));
        COLORREF frameColour = schemeColour(scheme);
        SIZE size = outerSize(edit);
        EXPECT_TRUE(leftEdgeBecomes(edit, frameColour));
        EXPECT_TRUE(pixelBecomes(edit, size.cx / 2, 0, frameColour));
        EXPECT_TRUE(pixelBecomes(edit, size.cx - 1, size.cy - 1, frameColour));
        EXPECT_TRUE(pixelBecomes(edit, 1, size.cy / 2, window));
        EXPECT_TRUE(pixelBecomes(edit, size.cx / 2, size.cy - 2, window));

        EXPECT_TRUE(leftEdgeBecomes(disabledEdit, disabledFrame()));
        EXPECT_TRUE(pixelBecomes(disabledEdit, 1, size.cy / 2, face));
        EXPECT_TRUE(pixelBecomes(disabledEdit, size.cx - 2, 1, face));

        EXPECT_TRUE(leftEdgeBecomes(readOnlyEdit, frameColour));
        EXPECT_TRUE(pixelBecomes(readOnlyEdit, 1, size.cy / 2, face));
    }
}

TEST_F(Skin, FramesFollowTheEnabledState) {
    ASSERT_TRUE(setVisualStyle(2));
    EnableWindow(edit, FALSE);
    EXPECT_TRUE(leftEdgeBecomes(edit, disabledFrame()));
    EnableWindow(edit, TRUE);
    EXPECT_TRUE(leftEdgeBecomes(edit, schemeColour(2)));
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    EXPECT_TRUE(pixelBecomes(edit, 1, outerSize(edit).cy / 2, GetSysColor(COLOR_BTNFACE)));
}

TEST_F(Skin, ButtonsAndDropDownsAreDrawnInTheScheme) {
    ASSERT_FALSE(subclassed(button)); // the check itself sees the system's procedure
    ASSERT_TRUE(setVisualStyle(1));
    EXPECT_TRUE(subclassed(button));
    EXPECT_TRUE(subclassed(dropDown));
    EXPECT_TRUE(leftEdgeBecomes(button, schemeColour(1)));
    EXPECT_TRUE(leftEdgeBecomes(disabledButton, disabledFrame()));
    EXPECT_TRUE(leftEdgeBecomes(dropDown, schemeColour(1)));
    ASSERT_TRUE(setVisualStyle(3));
    EXPECT_TRUE(leftEdgeBecomes(button, schemeColour(3)));
    EXPECT_TRUE(leftEdgeBecomes(dropDown, schemeColour(3)));
}

TEST_F(Skin, TheOpenListHasASchemeFrame) {
    ASSERT_TRUE(setVisualStyle(2));
    HWND list = openListOf(dropDown);
    ASSERT_TRUE(list);
    EXPECT_TRUE(subclassed(list));
    SendMessageA(dropDown, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(waitFor([&] { return IsWindowVisible(list) != FALSE; }));
    EXPECT_TRUE(leftEdgeBecomes(list, schemeColour(2)));
    SendMessageA(dropDown, CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_TRUE(waitFor([&] { return !IsWindowVisible(list); }));
}

TEST_F(Skin, WindowsMadeLaterAreSkinned) {
    ASSERT_TRUE(setVisualStyle(2));
    HWND laterEdit = control("EDIT", "8.8.8.8", ES_CENTER, WS_EX_CLIENTEDGE, 200, 20, 133, 23);
    HWND laterButton = control("BUTTON", "确定", BS_DEFPUSHBUTTON, 0, 200, 50, 93, 23);
    HWND laterDropDown = control("COMBOBOX", "", CBS_DROPDOWNLIST, 0, 200, 80, 133, 160);
    EXPECT_FALSE(hasClientEdge(laterEdit));
    EXPECT_TRUE(sameSize(clientSize(laterEdit), {133 - 4, 23 - 4}));
    EXPECT_TRUE(leftEdgeBecomes(laterEdit, schemeColour(2)));
    EXPECT_TRUE(pixelBecomes(laterEdit, 1, 11, GetSysColor(COLOR_WINDOW)));
    EXPECT_TRUE(subclassed(laterButton));
    EXPECT_TRUE(leftEdgeBecomes(laterButton, schemeColour(2)));
    EXPECT_TRUE(subclassed(laterDropDown));
    EXPECT_TRUE(subclassed(openListOf(laterDropDown)));
    EXPECT_TRUE(leftEdgeBecomes(laterDropDown, schemeColour(2)));
}

TEST_F(Skin, EditableDropDownsKeepTheSystemLook) {
    HWND before = control("COMBOBOX", "", CBS_DROPDOWN, 0, 200, 20, 133, 160);
    ASSERT_TRUE(setVisualStyle(1));
    HWND after = control("COMBOBOX", "", CBS_DROPDOWN, 0, 200, 50, 133, 160);
    for (HWND box : {before, after}) {
        COMBOBOXINFO parts = {};
        parts.cbSize = sizeof parts;
        ASSERT_TRUE(GetComboBoxInfo(box, &parts));
        EXPECT_FALSE(subclassed(box));
        EXPECT_FALSE(subclassed(parts.hwndItem));
        EXPECT_FALSE(subclassed(parts.hwndList));
    }
}

// What the timer saw of the message box while it was open.
struct BoxSeen {
    DWORD start;
    bool found, buttonSubclassed;
    COLORREF buttonEdge;
} boxSeen;

BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    char name[16];
    if (GetClassNameA(window, name, sizeof name) && std::strcmp(name, "#32770") == 0 &&
        IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the message box's own loop: looks at its button once it is
// painted in the scheme, or when time is up, then presses it.
void CALLBACK checkMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
    bool late = GetTickCount() - boxSeen.start > 10000;
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), findMessageBox, reinterpret_cast<LPARAM>(&box));
    HWND button = box ? FindWindowExA(box, nullptr, "Button", nullptr) : nullptr;
    if (!button) {
        if (late) KillTimer(nullptr, timer); // the box will stay: the test times out
        return;
    }
    boxSeen.found = true;
    boxSeen.buttonSubclassed = subclassed(button);
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    boxSeen.buttonEdge = pixel(button, 0, outerSize(button).cy / 2);
    if (boxSeen.buttonEdge != schemeColour(3) && !late) return;
    KillTimer(nullptr, timer);
    PostMessageA(button, BM_CLICK, 0, 0);
}

TEST_F(Skin, MessageBoxButtonsAreSkinned) {
    ASSERT_TRUE(setVisualStyle(3));
    boxSeen = {GetTickCount(), false, false, CLR_INVALID};
    ASSERT_TRUE(SetTimer(nullptr, 0, 50, checkMessageBox));
    EXPECT_EQ(MessageBoxA(nullptr, "修改成功！请查看本地连接", "成功！", MB_OK), IDOK);
    EXPECT_TRUE(boxSeen.found);
    EXPECT_TRUE(boxSeen.buttonSubclassed);
    EXPECT_EQ(hex(boxSeen.buttonEdge), hex(schemeColour(3)));
}

TEST_F(Skin, SwitchingOffGivesTheDrawingBack) {
    SIZE before = clientSize(edit);
    ASSERT_TRUE(setVisualStyle(1));
    ASSERT_TRUE(leftEdgeBecomes(edit, schemeColour(1)));
    EXPECT_FALSE(setVisualStyle(0));
    for (HWND box : {edit, disabledEdit, readOnlyEdit}) {
        EXPECT_TRUE(hasClientEdge(box));
        EXPECT_FALSE(subclassed(box));
        EXPECT_TRUE(leftEdgeBecomes(box, GetSysColor(COLOR_BTNSHADOW)));
    }
    EXPECT_TRUE(sameSize(clientSize(edit), before));
    EXPECT_FALSE(subclassed(button));
    EXPECT_FALSE(subclassed(dropDown));
    EXPECT_FALSE(subclassed(openListOf(dropDown)));
    EXPECT_TRUE(pixelLeaves(button, 0, outerSize(button).cy / 2, schemeColour(1)));
    EXPECT_TRUE(pixelLeaves(dropDown, 0, outerSize(dropDown).cy / 2, schemeColour(1)));
}

// A procedure put on the edit box after the skin's, counting what it sees.
WNDPROC underLater;
int laterMessages;
LRESULT CALLBACK laterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    ++laterMessages;
    return CallWindowProcA(underLater, window, message, wParam, lParam);
}

TEST_F(Skin, ALaterSubclassKeepsWorkingThroughSwitchingOffAndBackOn) {
    ASSERT_TRUE(setVisualStyle(1));
    underLater = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(laterProc)));
    ASSERT_TRUE(underLater);
    EXPECT_FALSE(setVisualStyle(0));
    // The later procedure stays on top, and the box is drawn as the system draws it.
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(laterProc));
    EXPECT_TRUE(hasClientEdge(edit));
    EXPECT_TRUE(leftEdgeBecomes(edit, GetSysColor(COLOR_BTNSHADOW)));
    laterMessages = 0;
    ASSERT_TRUE(SetWindowTextA(edit, "10.1.2.3"));
    char text[32] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "10.1.2.3");
    EXPECT_GT(laterMessages, 0);
    // Switched on again, the frame comes back under the later procedure.
    ASSERT_TRUE(setVisualStyle(2));
    EXPECT_TRUE(leftEdgeBecomes(edit, schemeColour(2)));
    EXPECT_EQ(GetWindowLongPtrA(edit, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(laterProc));
    EXPECT_TRUE(DestroyWindow(edit));
    edit = nullptr;
}

TEST_F(Skin, NoHookIsLeftAfterReplacingAndSwitchingOff) {
    ASSERT_TRUE(setVisualStyle(1));
    ASSERT_TRUE(setVisualStyle(2));
    ASSERT_TRUE(setVisualStyle(1));
    setVisualStyle(0);
    HWND laterEdit = control("EDIT", "", 0, WS_EX_CLIENTEDGE, 200, 20, 133, 23);
    HWND laterButton = control("BUTTON", "确定", BS_PUSHBUTTON, 0, 200, 50, 93, 23);
    EXPECT_TRUE(hasClientEdge(laterEdit));
    EXPECT_FALSE(subclassed(laterEdit));
    EXPECT_FALSE(subclassed(laterButton));
}

} // namespace
