#pragma once

#include <chrono>

class QWidget;

// Lets the window system repaint in the middle of long work without taking user input, so no
// click or key can re-enter the action that is running.
namespace PendingEvents {

// One pass; the clicks and keys it held back are handled as soon as the work returns to the event loop.
void process();

// Passes until `window` is on the screen (at most `limit`), so it shows before the work starts.
void untilExposed(QWidget* window, std::chrono::milliseconds limit = std::chrono::milliseconds(100));

} // namespace PendingEvents
