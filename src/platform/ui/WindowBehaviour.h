#pragma once

#include <functional>

class QWidget;
class QWindow;

// What the program's own windows do beyond Qt's defaults.
namespace WindowBehaviour {

// A borderless window moves when dragged with the left button anywhere on its own background.
void makeDraggable(QWidget* window);
// Tests see the moves asked of the window system instead; an empty function restores it.
void setSystemMove(std::function<bool(QWindow*)> move);

// Keeps a window above all others, shows it and gives it the keyboard, so that Esc closes it at once.
void showOnTop(QWidget* window);

} // namespace WindowBehaviour
