// Placing a window by its outer rectangle, the frame included.
#pragma once

#include <QMargins>

class QWidget;

// The frame a new window of this owner will wear. The window system tells a frame
// only once a window shows, so this is the frame of the owner's window, which wears
// the same decoration; none when the owner is not showing, or under a platform
// without frames.
QMargins ExpectedFrameMargins(const QWidget *owner);
