// Checks the boxes before they go into the settings script: each text lands
// between double quotes of script code, so only plain addresses may pass.
#pragma once

#include <string>

// Four decimal numbers 0-255 with contiguous one bits from the left.
bool isContiguousMask(const std::string& text);

// The error text for the first box that holds no usable value, or the empty
// text when all of them may go into the script. Blanks around
// each text (half- or full-width) are dropped here.
std::string checkStaticBoxes(std::string (&boxes)[5]);
