#pragma once

#include <functional>

class Fl_Window;

// What the stand-in tells the window manager about its top-level windows, and what it reads back.
// X windows are passed as their ids (Xlib's Window), so that no Xlib header leaks from here.

// The frame the window manager drew around a shown window: all zero where there is none.
struct FrameExtents {
    int left = 0, right = 0, top = 0, bottom = 0;
};
FrameExtents FrameExtentsOf(Fl_Window& window);

// Shows `window`. On its first showing, `describe` sets properties of the new X window before
// the window manager reads them: the server holds every other client from the window's creation
// until they are set, so that the window is managed as described from the moment it appears.
void ShowDescribed(Fl_Window& window, const std::function<void(unsigned long xid)>& describe);

// For `describe`: the frame's outer top-left goes to x, y of the screen (north-west gravity),
// and the window inside it wherever the frame puts it.
void RequestFramePosition(unsigned long xid, int x, int y);

// For `describe`: a modal dialog box of `owner` that can be moved and closed, and neither
// minimised nor maximised nor resized.
void DescribeDialog(unsigned long xid, unsigned long owner);

// For `describe`: a tooltip, which the window manager leaves alone.
void DescribeTooltip(unsigned long xid);
