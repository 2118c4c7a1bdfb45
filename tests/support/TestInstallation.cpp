#include "TestInstallation.h"

#include "core/Installation.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/FlexGrid.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QCoreApplication>
#include <QEvent>

namespace TestInstallation {

QString folder()
{
    return qEnvironmentVariable("TARVESA_PROGRAM_DIR");
}

QString databasePath()
{
    return folder() + QStringLiteral("/DATA/DIdarari.idb");
}

bool startProgram(int screenWidth)
{
    delete gFormMenu.data();
    liberaGlobales();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    qputenv("TARVESA_SCREEN_WIDTH", QByteArray::number(screenWidth));
    mdMain::Main();
    return !gFormMenu.isNull();
}

bool showGuide(int screenWidth)
{
    if (!startProgram(screenWidth))
        return false;
    gMenu().Muestra(Screen::Guide);
    QCoreApplication::processEvents();
    return guideGrid() != nullptr;
}

QWidget* control(const QString& name)
{
    return ControlRegistry::find(gFormMenu, name);
}

FlexGrid* guideGrid()
{
    return ControlRegistry::find<FlexGrid>(gFormMenu, QStringLiteral("mfgdatos"));
}

QVariant scalar(const QString& sql, Connection& connection)
{
    Recordset rs;
    rs.open(sql, connection);
    return rs.isEOF() ? QVariant() : rs.field(0).value();
}

QVariant scalar(const QString& sql)
{
    return scalar(sql, gConexion());
}

int count(const QString& sql)
{
    return scalar(sql).toInt();
}

int count(const QString& sql, Connection& connection)
{
    return scalar(sql, connection).toInt();
}

int rowCount(const QString& sql)
{
    return count(QStringLiteral("SELECT count(*) FROM (%1)").arg(sql));
}

} // namespace TestInstallation
