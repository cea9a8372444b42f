// The control skin: a flat look in the manner of Windows XP for the buttons,
// edit boxes and drop-down lists of every window of the calling (GUI) thread,
// those that exist and those created later, message boxes included.
#pragma once

// Scheme 1 blue, 2 olive or 3 silver switches the skin on, replacing any
// scheme that was on; any other number switches it off and gives the drawing
// back to the system. True when a scheme was applied.
bool setVisualStyle(int scheme);
