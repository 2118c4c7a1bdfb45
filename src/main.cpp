#include "guide/clsGuia.h"
#include "platform/ui/Fonts.h"
#include "publisher/Calculator.h"
#include "publisher/clsEmpresa.h"
#include "publisher/clsPublicaciones.h"
#include "publisher/clsRanking.h"
#include "search/frmBuscar.h"
#include "shell/Application.h"
#include "shell/MenuForm.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QLocale>

int main(int argc, char* argv[])
{
    Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvesa 2010"));
    QApplication::setOrganizationName(QStringLiteral("KORVAN"));
    QLocale::setDefault(QLocale(QLocale::Spanish, QLocale::Spain));
    Fonts::install();
    clsMenu::registraPantalla(Screen::Company, [] { return std::make_unique<clsEmpresa>(); });
    clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
    clsMenu::registraPantalla(Screen::Rankings, [] { return std::make_unique<clsRanking>(); });
    clsMenu::registraPantalla(Screen::Publications, [] { return std::make_unique<clsPublicaciones>(); });
    clsMenu::registraBuscador(&frmBuscar::Muestra);
    MenuForm::registraCalculadora(&Calculator::muestra);
    mdMain::Main();
    return app.exec();
}
