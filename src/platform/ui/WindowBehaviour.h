#pragma once

#include <functional>

class QWidget;
class QWindow;

// What the program's own windows do beyond Qt's defaults.
namespace WindowBehaviour {

// A borderless window moves when dragged with the left button anywhere on its own background: the
// program follows the pointer from the press and stops at the release, with or without a window manager.
void makeDraggable(QWidget* window);
// Tests stand in for a platform that refuses a window's own placement: the move is asked of the window
// system through `move` instead. An empty function restores the platform's own answer.
void setSystemMove(std::function<bool(QWindow*)> move);

// Keeps a window above all others, shows it and gives it the keyboard, so that Esc closes it at once.
void showOnTop(QWidget* window);

// While a modal window is open, a window it blocks that becomes active hands the activation back to it,
// so the keyboard stays with the modal window (once for the application).
void keepModalWindowsActive();

} // namespace WindowBehaviour
