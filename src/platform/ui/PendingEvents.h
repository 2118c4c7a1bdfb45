#pragma once

// Lets the window system repaint in the middle of long work without taking user input, so no
// click or key can re-enter the action that is running.
namespace PendingEvents {

void process();

} // namespace PendingEvents
