#include "platform/ui/Fonts.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvesa 2010"));
    QApplication::setOrganizationName(QStringLiteral("KORVAN"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Fonts::install();
    mdMain::Main();
    return app.exec();
}
