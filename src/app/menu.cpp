#include "menu.h"

const char* const menuCaption = "菜单";

const MenuItem menuItems[3] = {
    {"退出", sourceExitItem},
    {"本软件更新", sourceUpdateItem},
    {"关于Quorbel", sourceAboutItem},
};
