// The adapter list, filled once when the main window has been created.
#pragma once

void onMainWindowCreated();
void fillAdapterList();
