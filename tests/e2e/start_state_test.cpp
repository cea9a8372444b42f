// The main window as the user first sees it: title, frame, place, and every
// control's kind, place, text, state and stacking.
#include "main_window.h"

namespace e2e {
namespace {

std::string rectText(const RECT& r) {
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") " +
           std::to_string(r.right - r.left) + " x " + std::to_string(r.bottom - r.top);
}

// The tests below assume this desktop; anything else would fail them all.
TEST(Desktop, IsChineseAnd1024x768) {
    EXPECT_EQ(GetACP(), 936u);
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
}

class StartState : public MainWindowTest {
  protected:
    void SetUp() override { start(); }
};

TEST_F(StartState, TitleIsExact) {
    char title[512] = {};
    GetWindowTextA(window, title, sizeof title);
    EXPECT_EQ(toUtf8(title), windowTitle);
}

TEST_F(StartState, FrameIsFixedWithTitleOnly) {
    LONG style = GetWindowLongA(window, GWL_STYLE);
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_FALSE(style & WS_CHILD);
    const struct {
        LONG bit;
        const char* name;
    } absent[] = {{WS_SYSMENU, "WS_SYSMENU"},         {WS_THICKFRAME, "WS_THICKFRAME"},
                  {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"}, {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
                  {WS_DISABLED, "WS_DISABLED"},       {WS_MINIMIZE, "WS_MINIMIZE"},
                  {WS_MAXIMIZE, "WS_MAXIMIZE"}};
    for (const auto& a : absent)
        EXPECT_FALSE(style & a.bit) << a.name << " is set";
    EXPECT_TRUE(exStyle & WS_EX_APPWINDOW) << "no taskbar button";
    EXPECT_FALSE(exStyle & WS_EX_TOPMOST);
    EXPECT_FALSE(exStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetMenu(window), nullptr) << "the window has a menu bar";
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(StartState, IsCentredWithItsOuterSize) {
    RECT r;
    ASSERT_TRUE(GetWindowRect(window, &r));
    int left = (GetSystemMetrics(SM_CXSCREEN) - 383) / 2;
    int top = (GetSystemMetrics(SM_CYSCREEN) - 283) / 2;
    EXPECT_EQ(left, 320);
    EXPECT_EQ(top, 242);
    EXPECT_EQ(r.left, left) << rectText(r);
    EXPECT_EQ(r.top, top) << rectText(r);
    EXPECT_EQ(r.right - r.left, 383) << rectText(r);
    EXPECT_EQ(r.bottom - r.top, 283) << rectText(r);
}

TEST_F(StartState, IsTheActiveWindow) {
    EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == window; }, 5000));
}

TEST_F(StartState, ControlsStackInDefinitionOrder) {
    std::vector<HWND> stack = children(window);
    ASSERT_EQ(stack.size(), static_cast<size_t>(controlCount));
    for (int i = 0; i < controlCount; ++i)
        EXPECT_EQ(GetDlgCtrlID(stack[i]), firstControlId + i)
            << "place " << i << " holds " << nameOf(stack[i]) << ", expected "
            << expectedControls[i].name;
}

TEST_F(StartState, EveryControlHasItsKindPlaceTextAndState) {
    for (int i = 0; i < controlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE(want.name);
        HWND hwnd = control(static_cast<Name>(i));
        ASSERT_NE(hwnd, nullptr) << "no control with id " << firstControlId + i;
        ControlInfo seen = describe(hwnd);
        EXPECT_EQ(seen.kind, want.kind);
        EXPECT_EQ(seen.client.left, want.left) << rectText(seen.client);
        EXPECT_EQ(seen.client.top, want.top) << rectText(seen.client);
        EXPECT_EQ(seen.client.right - seen.client.left, want.width) << rectText(seen.client);
        if (seen.kind == "ComboBox") {
            // The window keeps the field's height; the created height lives on
            // as the open extent. Windows reports that whole; Wine reports the
            // part below the field and its one-pixel gap.
            RECT dropped = droppedRect(hwnd);
            int field = seen.client.bottom - seen.client.top;
            int open = dropped.bottom - dropped.top;
            EXPECT_TRUE(open == want.height || field + 1 + open == want.height)
                << "window " << rectText(seen.client) << ", open " << rectText(dropped);
        } else {
            EXPECT_EQ(seen.client.bottom - seen.client.top, want.height) << rectText(seen.client);
        }
        // The screen place follows from the client place.
        POINT origin{0, 0};
        ClientToScreen(window, &origin);
        EXPECT_EQ(seen.screen.left, origin.x + want.left);
        EXPECT_EQ(seen.screen.top, origin.y + want.top);
        EXPECT_EQ(seen.text, want.text);
        EXPECT_EQ(seen.enabled, want.enabled);
        EXPECT_TRUE(seen.visible);
    }
}

TEST_F(StartState, ControlStylesGiveTheirLook) {
    for (int i = 0; i < controlCount; ++i) {
        const ExpectedControl& want = expectedControls[i];
        SCOPED_TRACE(want.name);
        ControlInfo seen = describe(control(static_cast<Name>(i)));
        EXPECT_TRUE(seen.style & WS_CHILD);
        std::string kind = want.kind;
        if (kind == "ComboBox") {
            EXPECT_EQ(seen.style & 3, CBS_DROPDOWNLIST) << "the user could type an entry";
            EXPECT_FALSE(seen.style & CBS_SORT) << "entries would be sorted";
        } else if (kind == "Edit") {
            EXPECT_FALSE(seen.style & ES_MULTILINE);
            EXPECT_EQ(seen.style & (ES_CENTER | ES_RIGHT), ES_CENTER) << "text not centred";
            EXPECT_TRUE(seen.style & ES_AUTOHSCROLL) << "long text would not scroll sideways";
            EXPECT_FALSE(seen.style & ES_READONLY);
            EXPECT_FALSE(seen.style & ES_PASSWORD);
            EXPECT_FALSE(seen.style & ES_NOHIDESEL) << "selection shown without focus";
        } else if (kind == "Button") {
            LONG type = seen.style & BS_TYPEMASK;
            EXPECT_NE(type, BS_DEFPUSHBUTTON) << "a default button";
            EXPECT_TRUE(type == BS_PUSHBUTTON || type == BS_OWNERDRAW) << "button type " << type;
        } else {
            LONG align = seen.style & SS_TYPEMASK;
            EXPECT_EQ(align, i == 标签7 ? SS_LEFT : SS_CENTER);
            EXPECT_FALSE(seen.style & (WS_BORDER | SS_SUNKEN)) << "a label with a border";
            EXPECT_FALSE(seen.exStyle & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
        }
    }
}

TEST_F(StartState, DnsChooserHoldsItsEntriesWithNoneSelected) {
    HWND chooser = control(组合框1);
    EXPECT_EQ(listEntries(chooser), dnsChooserEntries);
    EXPECT_EQ(listSelection(chooser), -1);
    EXPECT_EQ(windowText(chooser), "") << "the field shows a choice";
    EXPECT_FALSE(listOpen(chooser));
}

TEST_F(StartState, AdapterListHasNoSelection) {
    HWND adapters = control(网卡列表);
    EXPECT_EQ(listSelection(adapters), -1);
    EXPECT_EQ(windowText(adapters), "");
    EXPECT_FALSE(listOpen(adapters));
}

TEST_F(StartState, DisabledSaveButtonIgnoresClicks) {
    ASSERT_TRUE(click(control(按钮2))) << lastFailure();
    // A later click that is seen proves the earlier one was handled.
    ASSERT_TRUE(click(control(编辑框1))) << lastFailure();
    ASSERT_TRUE(waitFocus(编辑框1));
    EXPECT_FALSE(IsWindowEnabled(control(按钮2)));
    EXPECT_EQ(findMessageBox(program->pid()), nullptr) << windowsOf(*program);
    EXPECT_EQ(topLevelWindows(program->pid()).size(), 1u) << windowsOf(*program);
}

} // namespace
} // namespace e2e
