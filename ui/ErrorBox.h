// The application's error box: the message and a full stop, titled "VexlorKit",
// with a stop icon and an OK button. Ctrl+C in it copies its title and text.
#pragma once

#include <QString>

#include <functional>

void ShowErrorBox(const QString &message);

// Runs a handler and shows any error that escapes it in the error box, since an
// exception must not unwind through the event loop.
void RunGuarded(const std::function<void()> &handler);

// Tests take the box's text here instead of a modal box being shown; an empty
// function restores the box.
void SetErrorBoxHandler(std::function<void(const QString &text)> handler);
