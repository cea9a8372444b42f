// What the configuration reader keeps from one capture to the next.
#pragma once

#include <string>

extern std::string reportLine; // the batch text, then the report line read last
extern int osKind;             // operating-system kind of the last capture
extern int reportFile;         // file number of the report; 0 when it could not be opened
