#include "dns_chooser.h"

#include "app/controls.h"
#include "app/web_pages.h"
#include "host/host.h"
#include "profile_store.h"

const DnsPreset openDnsPreset = {"192.168.1.33", "255.255.255.0", "192.168.1.1", "208.67.222.222",
                                 "208.67.220.220"};
const DnsPreset hubeiPreset = {"192.168.1.33", "255.255.255.0", "192.168.1.1", "202.103.24.68",
                               "202.103.0.68"};

namespace {

void fillFromPreset(const DnsPreset& preset) {
    setBoxText(编辑框1, preset.ipAddress);
    setBoxText(编辑框2, preset.subnetMask);
    setBoxText(编辑框3, preset.gateway);
    setBoxText(编辑框4, preset.preferredDns);
    setBoxText(编辑框5, preset.alternateDns);
    setDisabled(按钮2, true);
}

void fillFromProfile(const char* section) {
    loadProfile(section);
    setDisabled(按钮2, false);
}

} // namespace

// The entries in list order: OpenDNS, 湖北, 自定义1, 自定义2, 申请添加当地DNS.
void onDnsChooserSelected() {
    if (selectedIndex(组合框1) == 0) fillFromPreset(openDnsPreset);
    if (selectedIndex(组合框1) == 1) fillFromPreset(hubeiPreset);
    if (selectedIndex(组合框1) == 2) fillFromProfile("1");
    if (selectedIndex(组合框1) == 3) fillFromProfile("2");
    if (selectedIndex(组合框1) == 4) openWebPage(helpPage);
}
