#pragma once

// How far the cursor the pointer shows now reaches below its hotspot, in pixels: what a tooltip
// placed under the pointer must clear. The usual cursor size where the server cannot tell.
int PointerCursorDepth();
