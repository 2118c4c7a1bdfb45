#include "TestInstallation.h"
#include "guide/GuideQueries.h"
#include "guide/clsGuia.h"
#include "output/clsExportar.h"
#include "output/frmExportar.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/Twips.h"
#include "shell/clsMenu.h"
#include "shell/frmWhile.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <sys/resource.h>

namespace {

using Answer = DialogService::Answer;

void pulsa(QWidget* w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(2, 2));
}

ImageButton* boton(QDialog& form, const char* nombre)
{
    return ControlRegistry::find<ImageButton>(&form, QString::fromLatin1(nombre));
}

// One call of the writer, as the fake saw it.
struct Llamada
{
    ExportFormat formato;
    QString fichero;
};

void tocar(const QString& ruta)
{
    QFile f(ruta);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("antes");
}

QList<DialogService::Shown> preguntas()
{
    QList<DialogService::Shown> lista;
    for (const DialogService::Shown& m : DialogService::shown()) {
        if (m.buttons == DialogService::Buttons::YesNo)
            lista << m;
    }
    return lista;
}

} // namespace

class TestExportar : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_carpeta;
    QList<Llamada> m_llamadas;
    ExportOutcome m_resultado {true, {}};
    std::function<void(Recordset&)> m_duranteEscritura;

    // The guide's recordset, as its grid shows it.
    Recordset* registros() { return TestInstallation::guideGrid()->dataSource(); }

    // An export object whose writer is the fake.
    std::unique_ptr<clsExportar> exportador()
    {
        auto e = std::make_unique<clsExportar>();
        e->setEscritor([this](Recordset& rs, ExportFormat formato, const QString& fichero,
                           const std::function<bool(qint64, qint64)>& progreso) {
            m_llamadas << Llamada {formato, fichero};
            if (progreso)
                progreso(0, rs.recordCount());
            if (m_duranteEscritura)
                m_duranteEscritura(rs);
            return m_resultado;
        });
        return e;
    }

    QString ruta(const QString& nombre) const { return m_carpeta.filePath(nombre); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_carpeta.isValid());
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
        QVERIFY(TestInstallation::showGuide());
        QVERIFY(registros());
    }

    void init()
    {
        DialogService::clearShown();
        m_llamadas.clear();
        m_resultado = {true, {}};
        m_duranteEscritura = nullptr;
        QDir carpeta(m_carpeta.path());
        for (const QString& f : carpeta.entryList(QDir::Files))
            carpeta.remove(f);
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
    }

    void opensOnTheSpreadsheetWithTheCount()
    {
        Recordset* rs = registros();
        const int total = TestInstallation::count(QStringLiteral("SELECT count(*) FROM tbl_empresas"));
        QCOMPARE(rs->recordCount(), total);
        QString cuenta;
        int elegido = -1;
        DialogService::queueForm([&](QDialog& form) {
            cuenta = form.findChild<QLabel*>(QStringLiteral("Label5"))->text();
            elegido = qobject_cast<frmExportar*>(&form)->getPulsado();
            pulsa(boton(form, "icancelar"));
        });
        // From the guide's toolbar.
        pulsa(TestInstallation::control(QStringLiteral("exportar")));
        QCOMPARE(DialogService::formsShown(), QStringList {QStringLiteral("frmExportar")});
        QCOMPARE(cuenta, QString::number(total) + QStringLiteral(" Registros"));
        QCOMPARE(elegido, clsExportar::kHojaCalculo);
        QVERIFY(DialogService::saveDialogsShown().isEmpty());
    }

    void eachFormatAsksWithItsFilter_data()
    {
        QTest::addColumn<int>("boton");
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("filtro");
        QTest::newRow("spreadsheet") << 1 << int(ExportFormat::Spreadsheet)
                                     << "Hoja de cálculo de Excel (*.xls, *.xlsx)|*.xls;*.xlsx";
        QTest::newRow("document") << 2 << int(ExportFormat::Document)
                                  << "Documento de Microsoft Word (*.doc, *.docx)|*.doc;*.docx";
        QTest::newRow("text") << 0 << int(ExportFormat::Text) << "Documento de Texto (*.txt)|*.txt";
    }

    void eachFormatAsksWithItsFilter()
    {
        QFETCH(int, boton);
        QFETCH(int, formato);
        QFETCH(QString, filtro);
        auto e = exportador();
        DialogService::queueFileName(ruta(QStringLiteral("lista")));
        DialogService::queueAnswer(Answer::Yes);
        DialogService::queueForm([&](QDialog& form) {
            pulsa(form.findChild<QToolButton*>(QStringLiteral("optOpcion%1").arg(boton)));
            // Enter accepts.
            QTest::keyClick(&form, Qt::Key_Return);
        });
        e->Muestra(registros());
        QCOMPARE(DialogService::saveDialogsShown(), QStringList {filtro});
        QCOMPARE(m_llamadas.size(), 1);
        QCOMPARE(int(m_llamadas.first().formato), formato);
    }

    void nameRules_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QStringList>("existentes");
        QTest::addColumn<QStringList>("elegidos");
        QTest::addColumn<QList<int>>("respuestas");
        QTest::addColumn<QStringList>("preguntados");
        QTest::addColumn<QString>("escrito");
        const int hoja = clsExportar::kHojaCalculo;
        const int doc = clsExportar::kDocumento;
        const int txt = clsExportar::kTexto;
        const int si = int(Answer::Yes);
        const int no = int(Answer::No);
        const int ok = int(Answer::Ok);
        QTest::newRow("extension added, spreadsheet")
            << hoja << QStringList() << QStringList {"datos"} << QList<int> {si}
            << QStringList {"datos.xlsx\nEste archivo no existe."} << "datos.xlsx";
        QTest::newRow("extension added, document")
            << doc << QStringList() << QStringList {"datos"} << QList<int> {si}
            << QStringList {"datos.docx\nEste archivo no existe."} << "datos.docx";
        QTest::newRow("extension added, text")
            << txt << QStringList() << QStringList {"datos"} << QList<int> {si}
            << QStringList {"datos.txt\nEste archivo no existe."} << "datos.txt";
        QTest::newRow(".xls becomes .xlsx")
            << hoja << QStringList() << QStringList {"datos.xls"} << QList<int> {si}
            << QStringList {"datos.xlsx\n"} << "datos.xlsx";
        QTest::newRow(".XLS becomes .XLSX")
            << hoja << QStringList() << QStringList {"DATOS.XLS"} << QList<int> {si}
            << QStringList {"DATOS.XLSX\n"} << "DATOS.XLSX";
        QTest::newRow(".xlsx kept") << hoja << QStringList() << QStringList {"datos.xlsx"} << QList<int> {si}
                                    << QStringList {"datos.xlsx\n"} << "datos.xlsx";
        QTest::newRow(".doc becomes .docx")
            << doc << QStringList() << QStringList {"carta.doc"} << QList<int> {si}
            << QStringList {"carta.docx\n"} << "carta.docx";
        QTest::newRow("overwrite asked of the final name")
            << hoja << QStringList {"datos.xls", "datos.xlsx"} << QStringList {"datos.xls"} << QList<int> {si}
            << QStringList {"datos.xlsx ya existe.\n¿Desea reemplazarlo?"} << "datos.xlsx";
        QTest::newRow("an .xls of the chosen name is no overwrite")
            << hoja << QStringList {"datos.xls"} << QStringList {"datos.xls"} << QList<int> {si}
            << QStringList {"datos.xlsx\nEste archivo no existe."} << "datos.xlsx";
        QTest::newRow("no to overwrite, then cancel")
            << hoja << QStringList {"datos.xlsx"} << QStringList {"datos.xlsx"} << QList<int> {no}
            << QStringList {"datos.xlsx ya existe."} << "";
        QTest::newRow("no to create, then cancel")
            << txt << QStringList() << QStringList {"nuevo.txt"} << QList<int> {no}
            << QStringList {"nuevo.txt\nEste archivo no existe."} << "";
        // A new file is written unnamed, then named: no room is kept for a temporary name.
        const QString largo = QString(246, u'x');
        QTest::newRow("a name of 250 characters")
            << txt << QStringList() << QStringList {largo} << QList<int> {si}
            << QStringList {largo + ".txt\nEste archivo no existe."} << largo + ".txt";
        QTest::newRow("cancel at the save dialog")
            << txt << QStringList() << QStringList() << QList<int>() << QStringList() << "";
        QTest::newRow("no, then another name")
            << hoja << QStringList {"viejo.xlsx"} << QStringList {"viejo.xls", "otro"} << QList<int> {no, si}
            << QStringList {"viejo.xlsx ya existe.", "otro.xlsx\nEste archivo no existe."} << "otro.xlsx";
        // Refused by the save dialog, which stays open for another name: nothing is asked of it.
        QTest::newRow("a folder that does not exist, then another name")
            << txt << QStringList() << QStringList {"no-existe/datos", "datos"} << QList<int> {ok, si}
            << QStringList {"datos.txt\nEste archivo no existe."} << "datos.txt";
    }

    void nameRules()
    {
        QFETCH(int, formato);
        QFETCH(QStringList, existentes);
        QFETCH(QStringList, elegidos);
        QFETCH(QList<int>, respuestas);
        QFETCH(QStringList, preguntados);
        QFETCH(QString, escrito);
        for (const QString& f : existentes)
            tocar(ruta(f));
        for (const QString& f : elegidos)
            DialogService::queueFileName(ruta(f));
        for (const int r : respuestas)
            DialogService::queueAnswer(Answer(r));
        auto e = exportador();
        bool abiertoTrasAceptar = false;
        DialogService::queueForm([&](QDialog& form) {
            e->Exportar(formato);
            abiertoTrasAceptar = form.isVisible();
        });
        e->Muestra(registros());

        const QList<DialogService::Shown> hechas = preguntas();
        QCOMPARE(hechas.size(), preguntados.size());
        for (qsizetype i = 0; i < hechas.size(); ++i) {
            // The whole path; Enter keeps an existing file.
            QVERIFY2(hechas.at(i).text.startsWith(ruta(preguntados.at(i))), qPrintable(hechas.at(i).text));
            if (hechas.at(i).text.contains(QStringLiteral("reemplazarlo")))
                QCOMPARE(hechas.at(i).defaultAnswer, Answer::No);
        }
        // After a No the save dialog opens again on the name typed.
        const QStringList inicios = DialogService::saveDialogStarts();
        for (qsizetype i = 1; i < inicios.size(); ++i)
            QCOMPARE(inicios.at(i), ruta(elegidos.at(i - 1)));
        // A cancelled name leaves the dialog open; a settled one closes it and writes.
        QCOMPARE(abiertoTrasAceptar, escrito.isEmpty());
        if (escrito.isEmpty()) {
            QVERIFY(m_llamadas.isEmpty());
        } else {
            QCOMPARE(m_llamadas.size(), 1);
            QCOMPARE(m_llamadas.first().fichero, ruta(escrito));
        }
        // A file of another name is never deleted.
        for (const QString& f : existentes)
            QVERIFY2(QFile::exists(ruta(f)), qPrintable(f));
    }

    void failureSaysWhyAndRestoresTheWindow()
    {
        m_resultado = {false, QStringLiteral("No queda espacio en el disco.")};
        Recordset* rs = registros();
        rs->setAbsolutePosition(42);
        bool menuActivo = true;
        bool esperaVisible = false;
        bool ocupado = false;
        m_duranteEscritura = [&](Recordset& r) {
            menuActivo = gFormMenu->isEnabled();
            esperaVisible = frmWhile::instance().isVisible();
            ocupado = BusyPointer::isBusy();
            // A writer that leaves the recordset elsewhere.
            r.moveLast();
            r.moveNext();
        };
        DialogService::queueFileName(ruta(QStringLiteral("fallo.txt")));
        DialogService::queueAnswer(Answer::Yes);
        auto e = exportador();
        DialogService::queueForm([&](QDialog&) { e->Exportar(clsExportar::kTexto); });
        e->Muestra(rs);
        QVERIFY(!menuActivo);
        QVERIFY(esperaVisible);
        QVERIFY(ocupado);
        QVERIFY(gFormMenu->isEnabled());
        QVERIFY(!frmWhile::instance().isVisible());
        QVERIFY(!BusyPointer::isBusy());
        QCOMPARE(rs->absolutePosition(), 42);
        const DialogService::Shown aviso = DialogService::shown().constLast();
        QCOMPARE(aviso.icon, DialogService::Icon::Critical);
        QVERIFY(aviso.text.contains(QStringLiteral("fallo.txt")));
        QVERIFY(aviso.text.endsWith(QStringLiteral("No queda espacio en el disco.")));
    }

    // Once started, a write past the file-size limit fails and is said as a full disk.
    void aFileSizeLimitIsSaidAsAFullDisk()
    {
        const QString fichero = ruta(QStringLiteral("limite"));
        tocar(fichero);
        struct rlimit antes = {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &antes), 0);
        for (const ExportFormat formato :
            {ExportFormat::Text, ExportFormat::Spreadsheet, ExportFormat::Document}) {
            for (const rlim_t limite : {rlim_t(0), rlim_t(50000)}) {
                struct rlimit lleno = antes;
                lleno.rlim_cur = limite;
                QCOMPARE(::setrlimit(RLIMIT_FSIZE, &lleno), 0);
                const ExportOutcome hecho = exportCompanies(*registros(), formato, fichero);
                ::setrlimit(RLIMIT_FSIZE, &antes);
                QVERIFY(!hecho.ok);
                QVERIFY2(hecho.message.startsWith(QStringLiteral("No queda espacio libre")),
                    qPrintable(hecho.message));
                QFile viejo(fichero);
                QVERIFY(viejo.open(QIODevice::ReadOnly));
                QCOMPARE(viejo.readAll(), QByteArray("antes"));
            }
        }
    }

    void successSaysNothingAndKeepsThePosition()
    {
        Recordset* rs = registros();
        rs->setAbsolutePosition(7);
        m_duranteEscritura = [](Recordset& r) { r.moveFirst(); };
        DialogService::queueFileName(ruta(QStringLiteral("bien.xlsx")));
        DialogService::queueAnswer(Answer::Yes);
        auto e = exportador();
        DialogService::queueForm([&](QDialog&) { e->Exportar(clsExportar::kHojaCalculo); });
        e->Muestra(rs);
        QCOMPARE(m_llamadas.size(), 1);
        QCOMPARE(DialogService::shown().size(), 1); // the create question only
        QCOMPARE(rs->absolutePosition(), 7);

        // Unless the file lacks something: that is said once it is written.
        m_resultado.notice = QStringLiteral("Se cortó «Observaciones» de «ZUMOS».");
        DialogService::queueFileName(ruta(QStringLiteral("bien.xlsx")));
        DialogService::queueAnswer(Answer::Yes);
        DialogService::queueForm([&](QDialog&) { e->Exportar(clsExportar::kHojaCalculo); });
        e->Muestra(rs);
        QCOMPARE(DialogService::shown().constLast().icon, DialogService::Icon::Information);
        QVERIFY(DialogService::shown().constLast().text.endsWith(m_resultado.notice));
    }

    void aDirectoryOfThatNameIsRefusedBeforeAsking()
    {
        QVERIFY(QDir(m_carpeta.path()).mkpath(QStringLiteral("carpeta.xlsx")));
        DialogService::queueFileName(ruta(QStringLiteral("carpeta.xls")));
        auto e = exportador();
        bool abierto = false;
        DialogService::queueForm([&](QDialog& form) {
            e->Exportar(clsExportar::kHojaCalculo);
            abierto = form.isVisible();
        });
        e->Muestra(registros());
        QVERIFY(abierto);
        QVERIFY(preguntas().isEmpty());
        QVERIFY(m_llamadas.isEmpty());
        QVERIFY(DialogService::shown().constFirst().text.contains(ruta(QStringLiteral("carpeta.xlsx"))));
        QCOMPARE(DialogService::saveDialogsShown().size(), 2);
    }

    // Refused at once, not after the whole file has been written; the save dialog opens again on it.
    void aNameTooLongIsRefusedBeforeAsking()
    {
        const QString largo = ruta(QString(253, u'x'));
        DialogService::queueFileName(largo);
        DialogService::queueFileName(ruta(QStringLiteral("corto")));
        DialogService::queueAnswer(Answer::Ok);
        DialogService::queueAnswer(Answer::Yes);
        auto e = exportador();
        DialogService::queueForm([&](QDialog&) { e->Exportar(clsExportar::kTexto); });
        e->Muestra(registros());
        const QList<DialogService::Shown> dichos = DialogService::shown();
        QCOMPARE(dichos.size(), 2);
        QCOMPARE(dichos.first().icon, DialogService::Icon::Exclamation);
        QVERIFY2(dichos.first().text.contains(largo + QStringLiteral(".txt"))
                && dichos.first().text.contains(QStringLiteral("demasiado largo")),
            qPrintable(dichos.first().text));
        QVERIFY(dichos.last().text.startsWith(ruta(QStringLiteral("corto.txt\nEste archivo no existe."))));
        QCOMPARE(DialogService::saveDialogStarts(), (QStringList {QString(), largo}));
        QCOMPARE(m_llamadas.size(), 1);
        QCOMPARE(m_llamadas.first().fichero, ruta(QStringLiteral("corto.txt")));
    }

    // A path longer than the box is wide is shown whole, wrapped onto further lines.
    void theReplaceQuestionShowsTheWholePathWrapped()
    {
        const QString largo
            = ruta(QStringLiteral("Exportaciones/") + QString(240, u'x') + QStringLiteral(".txt"));
        const QString texto = largo + QStringLiteral(" ya existe.\n¿Desea reemplazarlo?");
        DialogService::setScripted(false);
        QString visto;
        int cabe = -1;
        int ancho = -1;
        bool enPantalla = false;
        QTimer mira;
        QObject::connect(&mira, &QTimer::timeout, [&] {
            auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caja || !caja->isVisible())
                return;
            mira.stop();
            auto* etiqueta = caja->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            visto = etiqueta->text().remove(QChar(0x200B));
            cabe = etiqueta->minimumSizeHint().width();
            ancho = etiqueta->width();
            enPantalla = caja->screen()->availableGeometry().contains(caja->frameGeometry());
            for (QAbstractButton* b : caja->buttons()) {
                if (b->text() == QLatin1String("No"))
                    b->click();
            }
        });
        mira.start(10);
        const Answer respuesta = DialogService::message(texto, DialogService::Buttons::YesNo,
            DialogService::Icon::Exclamation, QStringLiteral("Guardar como"), nullptr, Answer::No);
        DialogService::setScripted(true);
        QCOMPARE(respuesta, Answer::No);
        QCOMPARE(visto, texto);
        QVERIFY2(cabe <= ancho,
            qPrintable(QStringLiteral("%1 px of text in a label %2 px wide").arg(cabe).arg(ancho)));
        QVERIFY(enPantalla);
    }

    void quotesInTheNameAreKept()
    {
        // Qt's own save dialog, typed into as a user would.
        DialogService::setScripted(false);
        QTimer escribe;
        QObject::connect(&escribe, &QTimer::timeout, [&] {
            auto* dialogo = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            auto* nombre = dialogo ? dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
            if (!nombre)
                return;
            escribe.stop();
            nombre->setText(QStringLiteral("el \"mejor\" hotel.txt"));
            QTest::keyClick(nombre, Qt::Key_Return);
        });
        escribe.start(10);
        const QString elegido = DialogService::saveFileName(
            QStringLiteral("Documento de Texto (*.txt)|*.txt"), nullptr, ruta(QStringLiteral("lista.txt")));
        DialogService::setScripted(true);
        QCOMPARE(elegido, ruta(QStringLiteral("el \"mejor\" hotel.txt")));
    }

    // Qt's own save dialog, typed into as a user would: a name in a folder that does not exist is
    // refused there, saying so, and the same dialog takes another name; every format asks through it.
    void aMissingFolderIsRefusedInTheSaveDialog_data()
    {
        QTest::addColumn<int>("formato");
        QTest::addColumn<QString>("tecleado");
        QTest::addColumn<QString>("carpeta");
        QTest::addColumn<QString>("escrito");
        QTest::newRow("text") << clsExportar::kTexto << "no-existe/lista"
                              << "no-existe"
                              << "lista.txt";
        QTest::newRow("document") << clsExportar::kDocumento << "no-existe/lista.docx"
                                  << "no-existe"
                                  << "lista.docx";
        QTest::newRow("spreadsheet, two folders down")
            << clsExportar::kHojaCalculo << "no-existe/otra/lista.xls"
            << "no-existe/otra"
            << "lista.xlsx";
        QTest::newRow("quotes in the name") << clsExportar::kTexto << "no-existe/el \"mejor\" hotel.txt"
                                            << "no-existe"
                                            << "lista.txt";
    }

    void aMissingFolderIsRefusedInTheSaveDialog()
    {
        QFETCH(int, formato);
        QFETCH(QString, tecleado);
        QFETCH(QString, carpeta);
        QFETCH(QString, escrito);
        QStringList avisos;
        QPointer<QFileDialog> primero;
        bool mismoDialogo = false;
        int tecleados = 0;
        bool tecleando = false;
        QTimer usuario;
        QObject::connect(&usuario, &QTimer::timeout, [&] {
            QWidget* arriba = QApplication::activeModalWidget();
            // Every box is answered with Enter.
            if (auto* caja = qobject_cast<QMessageBox*>(arriba); caja && caja->isVisible()) {
                avisos << caja->text().remove(QChar(0x200B));
                caja->defaultButton()->click();
                return;
            }
            auto* dialogo = qobject_cast<QFileDialog*>(arriba);
            if (!dialogo || !dialogo->isVisible() || tecleando || tecleados == 2)
                return;
            if (tecleados == 0)
                primero = dialogo;
            else
                mismoDialogo = primero == dialogo;
            const QString nombre = ruta(tecleados == 0 ? tecleado : QStringLiteral("lista"));
            ++tecleados;
            tecleando = true;
            // Typed from the event loop, so that this timer answers the boxes it brings up.
            QTimer::singleShot(0, dialogo, [dialogo, nombre, &tecleando] {
                auto* edit = dialogo->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                edit->setText(nombre);
                QTest::keyClick(edit, Qt::Key_Return);
                tecleando = false;
            });
        });
        auto e = exportador();
        DialogService::queueForm([&](QDialog&) {
            DialogService::setScripted(false);
            usuario.start(10);
            e->Exportar(formato);
            usuario.stop();
            DialogService::setScripted(true);
        });
        e->Muestra(registros());
        QCOMPARE(avisos.value(0), QStringLiteral("La carpeta «%1» no existe.").arg(ruta(carpeta)));
        QVERIFY(mismoDialogo);
        QCOMPARE(avisos.size(), 2);
        QVERIFY2(avisos.at(1).startsWith(ruta(escrito) + QStringLiteral("\nEste archivo no existe.")),
            qPrintable(avisos.at(1)));
        QCOMPARE(m_llamadas.size(), 1);
        QCOMPARE(m_llamadas.first().fichero, ruta(escrito));
        QVERIFY(!QFileInfo::exists(ruta(QStringLiteral("no-existe"))));
    }

    void escClosesWithoutWriting()
    {
        auto e = exportador();
        bool cerrado = false;
        DialogService::queueForm([&](QDialog& form) {
            QTest::keyClick(&form, Qt::Key_Escape);
            cerrado = !form.isVisible();
        });
        e->Muestra(registros());
        QVERIFY(cerrado);
        QVERIFY(DialogService::saveDialogsShown().isEmpty());
        QVERIFY(m_llamadas.isEmpty());
    }

    void buttonsSitByTheRule()
    {
        auto e = exportador();
        DialogService::queueForm([](QDialog& form) {
            ImageButton* aceptar = boton(form, "iaceptar");
            ImageButton* cancelar = boton(form, "icancelar");
            ImageButton* ayuda = boton(form, "iayuda");
            for (ImageButton* b : {aceptar, cancelar, ayuda}) {
                QVERIFY(b->isVisible());
                QCOMPARE(Twips::top(b), Twips::height(&form) - 750);
            }
            QVERIFY(qAbs(Twips::left(cancelar) + Twips::width(cancelar) - (Twips::width(&form) - 550))
                < Twips::kPerPixel);
            QVERIFY(qAbs(Twips::left(aceptar) + Twips::width(aceptar) - (Twips::left(cancelar) - 300))
                < Twips::kPerPixel);
            QCOMPARE(Twips::left(ayuda), 300);
        });
        e->Muestra(registros());
    }
};

QTEST_MAIN(TestExportar)
#include "tst_exportar.moc"
