#include "apply_static.h"

#include "app/controls.h"
#include "app/web_pages.h"
#include "box_check.h"
#include "host/host.h"
#include "messages.h"
#include "settings_script.h"

namespace {

// Long enough for the script host to have read the script it was just given.
const unsigned scriptReadWait = 5000;

} // namespace

std::string settingsScriptPath() {
    return programDirectory() + settingsScriptName;
}

void onApplyStaticClicked() {
    if (boxText(编辑框4).empty()) {
        showMessage("修改错误！请填写首选DNS服务器", stopIcon, ERROR_TITLE);
        openWebPage(helpPage);
        return;
    }
    std::string path = settingsScriptPath();
    std::string boxes[5] = {boxText(编辑框1), boxText(编辑框2), boxText(编辑框3), boxText(编辑框4),
                            boxText(编辑框5)};
    std::string problem = checkStaticBoxes(boxes);
    if (!problem.empty()) {
        showMessage(problem, stopIcon, ERROR_TITLE);
        return;
    }
    if (!writeFile(path, buildSettingsScript(boxes[0], boxes[1], boxes[2], boxes[3], boxes[4]))) {
        showMessage("修改错误！无法写入设置脚本：" + path, stopIcon, ERROR_TITLE);
        return;
    }
    if (shellOpen(path) <= 32) {
        showMessage("修改错误！无法运行设置脚本：" + path, stopIcon, ERROR_TITLE);
        return;
    }
    showMessage(SUCCESS_TEXT, informationIcon, SUCCESS_TITLE);
}

void onMainWindowDestroying() {
    waitForShellProcess(scriptReadWait);
    deleteFile(settingsScriptPath());
}
