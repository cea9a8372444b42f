// One adapter selection in quorbel-ip against the capture batch run alone.
#pragma once

#include <string>

int selectMode(int runs, const std::string& program, const std::string& expectedAddress);
