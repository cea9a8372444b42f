#include "automatic_settings.h"

#include "host/host.h"
#include "messages.h"

#include <string>

const char* const automaticCommands[2] = {
    "netsh interface ip set address \"本地连接\" dhcp",
    "netsh interface ip set dns \"本地连接\" dhcp",
};

// Only a command that could not be started counts as a failure: netsh ends
// with a non-zero code also when DHCP was already on.
void onAutomaticSettingsClicked() {
    std::string notStarted;
    setWaitCursor(true);
    for (const char* command : automaticCommands)
        if (!runAndWait(command) && notStarted.empty()) notStarted = command;
    setWaitCursor(false);
    if (!notStarted.empty())
        showMessage("修改错误！无法运行命令：" + notStarted, stopIcon, ERROR_TITLE);
    else
        showMessage(SUCCESS_TEXT, informationIcon, SUCCESS_TITLE);
}
