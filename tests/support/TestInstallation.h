#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

class Connection;
class FlexGrid;
class QWidget;

// What every test of the program needs: the copy of the installation it runs on, the program
// started at a screen width, controls found by name, and single values read from the database.
namespace TestInstallation {

// The installation copy this test runs on (TARVESA_PROGRAM_DIR) and its database file.
QString folder();
QString databasePath();

// Starts the program afresh at a screen width, as the user would: any previous menu form and
// navigation are gone first. Returns false when no menu form came up.
bool startProgram(int screenWidth);
// Starts the program and shows the guide (screen 1, registered by the test). Returns false when the
// guide's grid did not come up.
bool showGuide(int screenWidth = 1024);

// A control the screens put on the menu form, found by name without regard to case.
QWidget* control(const QString& name);
template<class T> T* control(const QString& name)
{
    return qobject_cast<T*>(control(name));
}
// The guide's company grid, or null when the guide is not shown.
FlexGrid* guideGrid();

// The first column of the first row of `sql` on `connection` (the program's own when omitted).
QVariant scalar(const QString& sql);
QVariant scalar(const QString& sql, Connection& connection);
int count(const QString& sql);
int count(const QString& sql, Connection& connection);
// How many rows `sql` returns, counted by the database.
int rowCount(const QString& sql);

} // namespace TestInstallation
