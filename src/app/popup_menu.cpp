#include "popup_menu.h"

#include "host/host.h"
#include "menu.h"
#include "program.h"
#include "web_pages.h"
#include "window.h"

void onVersionLabelMouseMoved(int, int, unsigned) {
    showPopupMenu();
}

void onExitItemSelected() {
    destroyMainWindow();
}
void onUpdateItemSelected() {
    openWebPage(updatePage);
}
void onAboutItemSelected() {
    openWebPage(aboutPage);
}

void showPopupMenu() {
    HMENU popup = CreatePopupMenu();
    if (!popup) return;
    for (int i = 0; i < 3; ++i)
        AppendMenuA(popup, MF_STRING, static_cast<UINT_PTR>(firstMenuCommand) + i,
                    menuItems[i].caption);
    POINT at;
    GetCursorPos(&at);
    // Without TPM_RETURNCMD the choice is posted to the window as WM_COMMAND.
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON | TPM_RIGHTBUTTON, at.x + 3,
                   at.y + 3, 0, mainWindow(), nullptr);
    DestroyMenu(popup);
}
