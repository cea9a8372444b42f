// Two custom profiles, "1" and "2", kept in kavro.ini beside the program.
#pragma once

#include <string>

extern const char* const profileFileName; // appended to the program's folder

void loadProfile(const std::string& section);
// False when a value could not be written.
bool saveProfile(const std::string& section);
void onSaveProfileClicked();
