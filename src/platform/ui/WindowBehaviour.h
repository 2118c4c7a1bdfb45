#pragma once

class QWidget;

// What the program's own windows do beyond Qt's defaults.
namespace WindowBehaviour {

// A borderless window moves when dragged with the left button anywhere on its own background.
void makeDraggable(QWidget* window);

// Keeps a window above all others and shows it without taking the focus.
void showOnTopWithoutFocus(QWidget* window);

} // namespace WindowBehaviour
