#include "capture_state.h"

std::string reportLine;
int osKind = 0;
int reportFile = 0;
