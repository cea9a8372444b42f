// The apply button: writes the static settings script and has the shell run it.
#pragma once

#include <string>

void onApplyStaticClicked();
void onMainWindowDestroying();
std::string settingsScriptPath();
