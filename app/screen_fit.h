// Small screens: the window's client area sits in a scroll area exactly its
// size, so at the default size nothing changes; on a screen (or at a scale)
// where the window does not fit, the window shrinks to the available area,
// keeps its title bar on screen and the content scrolls.
#pragma once

#include <QMainWindow>
#include <QRect>

namespace tavro::app {

// A secondary window's content in a frameless scroll area filling it:
// laid out to the window's size while that holds it, scrolled below its
// least size instead of reaching off screen. The window's preferred size
// stays the content's. Returns the widget to lay the content out in.
QWidget* ScrolledContent(QWidget& window);

// Puts the central widget (a fixed-size client area) into a frameless
// scroll area whose preferred size is the client's.
void MakeClientScrollable(QMainWindow& window);

// Fits the window into `available` (a screen's work area): unchanged when it
// fits; otherwise resizable up to its full size, as large as the area allows
// and placed with its frame inside the area. Returns whether it had to shrink.
bool FitToScreen(QMainWindow& window, const QRect& available);

// After the client area changed its size (another mode's content): the
// window takes the new client's size again, shrinking to `available` as
// FitToScreen does where it does not fit, and its frame is moved back inside
// the area if the change pushed it out.
void RefitToClient(QMainWindow& window, const QRect& available);

}  // namespace tavro::app
