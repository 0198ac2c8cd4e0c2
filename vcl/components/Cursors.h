#pragma once

// The mouse cursor a control shows while the mouse is over it.
enum TCursor : int {
    crDefault = 0,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crDrag = -12,
    crHelp = -20,
};
