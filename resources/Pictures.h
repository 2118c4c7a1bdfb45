#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// The program's pictures by name, looked up without regard to case: button faces (a normal face,
// an "R" roll-over face and, where a button can be disabled, a "D" face), screen titles and status
// pictures in their "800" and "1024" sizes, and the like. They are drawn by the program itself, in one
// look: dark frame, cream page, orange accents, Spanish captions.
namespace Pictures {

// A null pixmap when there is no picture of that name.
QPixmap get(const QString& name);
bool exists(const QString& name);
// The picture's size in pixels; an invalid size when unknown.
QSize size(const QString& name);
QStringList names();

// The hand pointer "MANO" of every button.
QCursor handCursor();
// The window icons: 24 x 24 for the borderless menu, 32 x 32 for the bordered one.
QIcon windowIcon(bool bordered);

// The full-window backgrounds of the menu form, written into the installation as
// "\fondos\fondo800.jpg" (code 2) and "\fondos\fondo1024.jpg"; they show the calculator hot spot.
QImage background(bool small);

} // namespace Pictures
