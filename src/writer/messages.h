// What the two apply buttons tell the user.
#pragma once

const unsigned stopIcon = 16, informationIcon = 64;

#define SUCCESS_TEXT "修改成功！请查看本地连接"
#define SUCCESS_TITLE "成功！"
#define ERROR_TITLE "错误！"
