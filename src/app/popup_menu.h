// The pop-up menu over the version label, and what its items do.
#pragma once

void onVersionLabelMouseMoved(int x, int y, unsigned keys);
void onExitItemSelected();
void onUpdateItemSelected();
void onAboutItemSelected();

// Shows the menu's items at the pointer and returns once it has closed; a
// chosen item arrives afterwards as a queued command.
void showPopupMenu();
