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

// Keeps a window above all others and shows it without taking the focus.
void showOnTopWithoutFocus(QWidget* window);

} // namespace WindowBehaviour
