// Captures the current configuration: ipconfig writes its report through a
// small batch file, and the parser of the running system's layout reads it.
#pragma once

#include <string>

std::string captureCurrentConfig();
