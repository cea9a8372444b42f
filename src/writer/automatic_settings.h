// The automatic button: address and DNS servers of "本地连接" back to DHCP.
#pragma once

extern const char* const automaticCommands[2];

void onAutomaticSettingsClicked();
