// Shows the main window in one colour scheme, with the OpenDNS preset chosen,
// for the screenshots of the README: scheme_shot <1|2|3>. Ends when the
// window is closed.
#include "app/controls.h"
#include "app/skin.h"
#include "app/window.h"
#include "profiles/dns_chooser.h"

#include <cstdlib>

int main(int argc, char** argv) {
    if (!createMainWindow()) return 1;
    setVisualStyle(argc > 1 ? std::atoi(argv[1]) : 1);
    SendMessageA(controlWindow(组合框1), CB_SETCURSEL, 0, 0);
    onDnsChooserSelected();
    MSG message;
    while (mainWindow() && GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
