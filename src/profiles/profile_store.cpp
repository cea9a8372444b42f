#include "profile_store.h"

#include "app/controls.h"
#include "host/host.h"

const char* const profileFileName = "\\kavro.ini";

namespace {

struct ProfileKey {
    const char* key;
    Control box;
};

// In the order they are read and written. "子掩网码" is spelled so in the
// files users already have.
const ProfileKey profileKeys[] = {
    {"IP地址", 编辑框1},  {"子掩网码", 编辑框2}, {"默认网关", 编辑框3},
    {"首选DNS", 编辑框4}, {"备用DNS", 编辑框5},
};

std::string profilePath() {
    return programDirectory() + profileFileName;
}

} // namespace

void loadProfile(const std::string& section) {
    for (const ProfileKey& row : profileKeys)
        setBoxText(row.box, readProfileValue(profilePath(), section, row.key));
}

bool saveProfile(const std::string& section) {
    bool saved = true;
    for (const ProfileKey& row : profileKeys)
        saved = writeProfileValue(profilePath(), section, row.key, boxText(row.box)) && saved;
    return saved;
}

void onSaveProfileClicked() {
    bool saved = true;
    if (selectedIndex(组合框1) == 2) saved = saveProfile("1");
    if (selectedIndex(组合框1) == 3) saved = saveProfile("2");
    // Losing a profile silently would be worse than the one message.
    if (!saved) showMessage("保存错误！无法保存自定义配置：" + profilePath(), 16, "错误！");
}
