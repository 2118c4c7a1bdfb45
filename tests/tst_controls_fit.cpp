#include "guide/clsGuia.h"
#include "platform/ui/DialogService.h"
#include "publisher/clsEmpresa.h"
#include "publisher/clsPublicaciones.h"
#include "publisher/clsRanking.h"
#include "shell/MenuForm.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QTest>
#include <QWidget>

// Every visible control of every screen lies inside the menu form, at every resolution code: the
// form and each screen's layout are walked control by control.
class TestControlsFit : public QObject
{
    Q_OBJECT

private:
    static QString describe(const QWidget* control)
    {
        QString name = control->objectName();
        for (const QWidget* w = control->parentWidget(); name.isEmpty() && w; w = w->parentWidget()) {
            if (!w->objectName().isEmpty())
                name = QStringLiteral("%1 in %2")
                           .arg(QString::fromLatin1(control->metaObject()->className()), w->objectName());
        }
        return name;
    }

    // The visible controls that reach outside the form's client area, with their place there;
    // `walked` counts the visible controls looked at.
    static QStringList outside(QWidget* form, int& walked)
    {
        QStringList found;
        const QRect area = form->rect();
        const auto controls = form->findChildren<QWidget*>();
        for (const QWidget* control : controls) {
            if (control->isWindow() || !control->isVisible() || control->width() <= 0
                || control->height() <= 0)
                continue;
            ++walked;
            const QRect place(control->mapTo(form, QPoint(0, 0)), control->size());
            if (!area.contains(place)) {
                found << QStringLiteral("%1 at %2,%3 %4x%5")
                             .arg(describe(control))
                             .arg(place.x())
                             .arg(place.y())
                             .arg(place.width())
                             .arg(place.height());
            }
        }
        return found;
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Company, [] { return std::make_unique<clsEmpresa>(); });
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
        clsMenu::registraPantalla(Screen::Rankings, [] { return std::make_unique<clsRanking>(); });
        clsMenu::registraPantalla(Screen::Publications, [] { return std::make_unique<clsPublicaciones>(); });
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
    }

    void everyControlLiesInsideTheForm_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("screen");
        const char* const screens[] = {"company", "guide", "ranking", "publications"};
        for (int width : {640, 800, 1024, 1280}) {
            for (int screen = 0; screen < 4; ++screen)
                QTest::addRow("%d, %s", width, screens[screen]) << width << screen;
        }
    }

    void everyControlLiesInsideTheForm()
    {
        QFETCH(int, width);
        QFETCH(int, screen);
        if (qEnvironmentVariableIntValue("TARVESA_SCREEN_WIDTH") != width || !gFormMenu) {
            delete gFormMenu.data();
            liberaGlobales();
            qputenv("TARVESA_SCREEN_WIDTH", QByteArray::number(width));
            mdMain::Main();
            QVERIFY(gFormMenu);
        }
        gMenu().Muestra(Screen(screen));
        QCOMPARE(gMenu().getTipo(), Screen(screen));
        QVERIFY(QTest::qWaitForWindowExposed(gFormMenu.data()));
        int walked = 0;
        const QStringList found = outside(gFormMenu.data(), walked);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
        // The form's own buttons and the screen's controls were there to be walked.
        QVERIFY2(walked > 15, qPrintable(QString::number(walked)));
    }
};

QTEST_MAIN(TestControlsFit)
#include "tst_controls_fit.moc"
