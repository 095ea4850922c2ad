// Placing a window by its outer rectangle, the frame included.
#include "WindowFrame.h"

#include <QWidget>
#include <QWindow>

QMargins ExpectedFrameMargins(const QWidget *owner)
{
    const QWindow *handle = owner ? owner->window()->windowHandle() : nullptr;
    return handle && handle->isVisible() ? handle->frameMargins() : QMargins();
}
