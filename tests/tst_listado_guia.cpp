#include "PdfReader.h"
#include "PreviewWidths.h"
#include "TestInstallation.h"
#include "guide/GuideQueries.h"
#include "guide/clsGuia.h"
#include "platform/db/Recordset.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/print/RecordingSurface.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PictureCheckBox.h"
#include "printing/CompanyReport.h"
#include "printing/ListingDocument.h"
#include "printing/ListingSettings.h"
#include "printing/frmListado.h"
#include "printing/preview/PreviewLayout.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

constexpr int kNombre = 2; // the company name's column in the guide's query
const QString kEscuelas = QStringLiteral("iSectorEscuelas");

clsGuia* guia()
{
    return dynamic_cast<clsGuia*>(gMenu().pantalla());
}

void suelta(QWidget* w)
{
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
}

ImageButton* boton(const frmVPreliminar& vista, const char* nombre)
{
    return vista.findChild<ImageButton*>(QLatin1String(nombre));
}

QRadioButton* opcion(const frmVPreliminar& vista, const QString& nombre)
{
    return vista.findChild<QRadioButton*>(nombre);
}

QString sinBlancosDobles(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// The text of one page of a PDF, blanks run together.
QString textoPdf(const QString& pdf, int pagina)
{
    return sinBlancosDobles(PdfReader::output(QStringLiteral("pdftotext"),
        {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(pagina), QStringLiteral("-l"),
            QString::number(pagina), pdf, QStringLiteral("-")}));
}

const PrintItem* textoQueEmpieza(const PrintPage& page, const QString& comienzo)
{
    for (const PrintItem& item : page) {
        if (item.kind == PrintItem::Kind::Text && item.text.startsWith(comienzo))
            return &item;
    }
    return nullptr;
}

// The page's rule: the one line drawn below the headings.
double regla(const PrintPage& page)
{
    for (const PrintItem& item : page) {
        if (item.kind == PrintItem::Kind::Line)
            return item.at.y();
    }
    return -1;
}

// The column headings of a page, left to right.
QStringList encabezados(const PrintPage& page)
{
    const double y = regla(page) - 0.4;
    QStringList list;
    for (const PrintItem& item : page) {
        if (item.kind == PrintItem::Kind::Text && qAbs(item.at.y() - y) < 1e-6)
            list.append(item.text);
    }
    return list;
}

// The company names of a page: the texts below the rule under the heading "Nombre Empresa".
QStringList nombres(const PrintPage& page)
{
    const PrintItem* cabecera = textoQueEmpieza(page, QStringLiteral("Nombre Empresa"));
    const double y = regla(page);
    QStringList list;
    for (const PrintItem& item : page) {
        if (cabecera && item.kind == PrintItem::Kind::Text && item.at.y() > y
            && qAbs(item.at.x() - cabecera->at.x()) < 1e-6)
            list.append(item.text);
    }
    return list;
}

bool mismoTexto(const PrintPage& a, const PrintPage& b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const PrintItem& x = a.at(i);
        const PrintItem& y = b.at(i);
        if (x.kind != y.kind || x.at != y.at || x.to != y.to || x.text != y.text || !(x.font == y.font)
            || x.picture.size() != y.picture.size())
            return false;
    }
    return true;
}

void escribeCampos(const QStringList& claves)
{
    FieldChoice campos;
    for (const ReportField& field : ReportFields::all())
        campos.insert(QString::fromLatin1(field.key), claves.contains(QLatin1String(field.key)) ? 1 : 0);
    QVERIFY(ListingSettings::write(ListingSettings::path(), campos));
}

} // namespace

class TestListadoGuia : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdf;

    // The names of the companies the guide's grid shows, in its order.
    QStringList empresasDeLaGuia()
    {
        const FlexGrid* grid = TestInstallation::guideGrid();
        QStringList list;
        for (int fila = 1; fila < grid->rows(); ++fila)
            list.append(grid->textMatrix(fila, kNombre + 1));
        return list;
    }

    // Presses Listado on the guide, which shows the schools, and runs `handler` on the preview it opens.
    void abreListado(const std::function<void(frmVPreliminar&)>& handler)
    {
        QCOMPARE(empresasDeLaGuia().size(),
            TestInstallation::count(
                QStringLiteral("SELECT COUNT(*) FROM tbl_empresas WHERE sector LIKE 'ESCUELA%'")));
        bool abierta = false;
        DialogService::queueForm([&](QDialog& dialog) {
            abierta = true;
            auto* vista = qobject_cast<frmVPreliminar*>(&dialog);
            QVERIFY(vista);
            QVERIFY(vista->isVisible());
            // The header's time stands still, so every drawing of the first page is the same.
            auto* listado = dynamic_cast<ListingDocument*>(vista->documento());
            QVERIFY(listado);
            listado->report().setClock([] { return QDateTime(QDate(2010, 3, 1), QTime(17, 45, 30)); });
            vista->redibuja();
            handler(*vista);
        });
        suelta(TestInstallation::control(QStringLiteral("iListado")));
        QVERIFY(abierta);
    }

    // Every page from the one shown onwards, turning with Next; the preview is left on the last.
    static QList<PrintPage> paginasHastaElFinal(frmVPreliminar& vista)
    {
        QList<PrintPage> paginas {vista.picTexto()->page()};
        while (boton(vista, "cmdSiguiente")->isEnabled()) {
            suelta(boton(vista, "cmdSiguiente"));
            paginas.append(vista.picTexto()->page());
        }
        return paginas;
    }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
        m_pdf = m_dir.filePath(QStringLiteral("listado.pdf"));
    }

    void init()
    {
        PrinterCheck::setOverride(true);
        Printers::setPdfOutput(m_pdf);
        QFile::remove(m_pdf);
        QFile::remove(ListingSettings::path());
        QVERIFY(TestInstallation::startProgram(1024));
        gMenu().Muestra(Screen::Guide);
        QVERIFY(guia());
        suelta(TestInstallation::control(kEscuelas));
        DialogService::clearShown();
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
        PrinterCheck::setOverride(std::nullopt);
        Printers::setPdfOutput(QString());
    }

    void opensWithTheChosenFieldsAndPagesThroughEveryCompany()
    {
        escribeCampos({"SECTOR", "NOMBRE", "LOCALIDAD", "TELEFONO"});
        const QStringList empresas = empresasDeLaGuia();
        abreListado([&](frmVPreliminar& vista) {
            QCOMPARE(vista.modo(), int(frmVPreliminar::Informe));
            QCOMPARE(vista.impresora().docName(), QStringLiteral("Listado de empresas"));
            // Landscape A4, as the printer lays it out.
            QVERIFY(opcion(vista, "optOrientacion1")->isChecked());
            QVERIFY(opcion(vista, "optPapel0")->isChecked());
            QCOMPARE(vista.impresora().pageLayout().pageSize().id(), QPageSize::A4);
            QCOMPARE(vista.impresora().pageLayout().orientation(), QPageLayout::Landscape);
            QVERIFY(vista.areaPagina().width > vista.areaPagina().height);
            // The recording surface of the report's tests lays out on this same area.
            RecordingSurface grabacion;
            QVERIFY(grabacion.setPage(QPageSize::A4, QPageLayout::Landscape));
            QVERIFY(qAbs(vista.areaPagina().width.toCm() - grabacion.pageSize().width()) < 1e-3);
            QVERIFY(qAbs(vista.areaPagina().height.toCm() - grabacion.pageSize().height()) < 1e-3);

            const PrintPage primera = vista.picTexto()->page();
            QCOMPARE(
                encabezados(primera), QStringList({"Sector", "Nombre Empresa", "Localidad", "Teléfono"}));
            QVERIFY(textoQueEmpieza(primera, QStringLiteral("EMPRESAS TARVESA 2010")));
            QVERIFY(textoQueEmpieza(primera, QStringLiteral("Total Empresas: %1").arg(empresas.size())));
            QVERIFY(
                textoQueEmpieza(primera, QStringLiteral("Criterio de selección: ") + guia()->getTitulo()));
            QVERIFY(!boton(vista, "cmdAnterior")->isEnabled());

            // Forward to the end: every company once, in the guide's order, each page labelled.
            const QList<PrintPage> paginas = paginasHastaElFinal(vista);
            QVERIFY(paginas.size() > 2);
            QCOMPARE(vista.paginacion().pagina(), paginas.size());
            QCOMPARE(boton(vista, "cmdSiguiente")->face(), QStringLiteral("DSIGUIENTE"));
            int fila = 0;
            for (qsizetype p = 0; p < paginas.size(); ++p) {
                const PrintPage& pagina = paginas.at(p);
                QVERIFY(textoQueEmpieza(
                    pagina, QStringLiteral("Página: %1 de %2").arg(p + 1).arg(paginas.size())));
                QCOMPARE(textoQueEmpieza(pagina, QStringLiteral("EMPRESAS TARVESA")) != nullptr, p == 0);
                QCOMPARE(encabezados(pagina), encabezados(primera));
                const QStringList enPagina = nombres(pagina);
                QVERIFY(!enPagina.isEmpty());
                for (const QString& nombre : enPagina) {
                    QVERIFY(fila < empresas.size());
                    QVERIFY2(empresas.at(fila).startsWith(nombre), qPrintable(nombre));
                    ++fila;
                }
            }
            QCOMPARE(fila, empresas.size());

            // And back to the first page, as it was.
            while (boton(vista, "cmdAnterior")->isEnabled())
                suelta(boton(vista, "cmdAnterior"));
            QCOMPARE(vista.paginacion().pagina(), 1);
            QVERIFY(mismoTexto(vista.picTexto()->page(), primera));
            QCOMPARE(boton(vista, "cmdAnterior")->face(), QStringLiteral("DANTERIOR"));
            QCOMPARE(boton(vista, "cmdSiguiente")->face(), QStringLiteral("SIGUIENTE"));
        });
        // The chosen columns fit: nothing was said.
        QVERIFY(DialogService::shown().isEmpty());
    }

    void paperAndOrientationLayOutAgainFromPageOne_data()
    {
        QTest::addColumn<QString>("papel");
        QTest::addColumn<QString>("orientacion");
        QTest::addColumn<int>("hoja");
        QTest::addColumn<int>("giro");
        QTest::addColumn<int>("noCaben");
        // The default columns run to 28.5 cm: three do not fit across an upright A4.
        QTest::newRow("A4 upright") << QStringLiteral("optPapel0") << QStringLiteral("optOrientacion0")
                                    << int(QPageSize::A4) << int(QPageLayout::Portrait) << 3;
        QTest::newRow("A3 landscape") << QStringLiteral("optPapel1") << QStringLiteral("optOrientacion1")
                                      << int(QPageSize::A3) << int(QPageLayout::Landscape) << 0;
        QTest::newRow("A3 upright") << QStringLiteral("optPapel1") << QStringLiteral("optOrientacion0")
                                    << int(QPageSize::A3) << int(QPageLayout::Portrait) << 0;
    }

    void paperAndOrientationLayOutAgainFromPageOne()
    {
        QFETCH(QString, papel);
        QFETCH(QString, orientacion);
        QFETCH(int, hoja);
        QFETCH(int, giro);
        QFETCH(int, noCaben);
        const int empresas = int(empresasDeLaGuia().size());
        abreListado([&](frmVPreliminar& vista) {
            const int paginasApaisado = vista.documento()->pageCount(vista.areaPagina().toCm());
            suelta(boton(vista, "cmdSiguiente"));
            QCOMPARE(vista.paginacion().pagina(), 2);
            // Both options, each a new layout from the first page.
            suelta(opcion(vista, papel));
            suelta(opcion(vista, orientacion));
            QCOMPARE(vista.paginacion().pagina(), 1);
            QCOMPARE(vista.paginacion().iniciosPagina(), QList<int> {1});
            QVERIFY(!boton(vista, "cmdAnterior")->isEnabled());
            QCOMPARE(int(vista.impresora().pageLayout().pageSize().id()), hoja);
            QCOMPARE(int(vista.impresora().pageLayout().orientation()), giro);

            // The page is the printer's area, and the rows fill it: the next row would cross the edge.
            const QSizeF area = vista.areaPagina().toCm();
            QCOMPARE(vista.picTexto()->pageSizeCm(), area);
            QCOMPARE(giro == QPageLayout::Landscape, area.width() > area.height());
            const PrintPage primera = vista.picTexto()->page();
            const FieldChoice campos = ReportFields::defaultChoice();
            QCOMPARE(encabezados(primera).size(), campos.values().count(1) - noCaben);
            for (const PrintItem& item : primera)
                QVERIFY2(item.at.x() < area.width() && item.at.y() < area.height(), qPrintable(item.text));
            const QList<PrintPage> paginas = paginasHastaElFinal(vista);
            int filas = 0;
            for (const PrintPage& pagina : paginas)
                filas += int(nombres(pagina).size());
            QCOMPARE(filas, empresas);
            QVERIFY(textoQueEmpieza(paginas.last(), QStringLiteral("Página: %1 de %1").arg(paginas.size())));
            // A taller page holds more rows: fewer pages than on landscape A4.
            QVERIFY(paginas.size() < paginasApaisado || giro == QPageLayout::Landscape);
            // The first page is full: its last row is the one that crossed the allowance above the edge.
            double abajo = 0;
            for (const PrintItem& item : primera)
                abajo = qMax(abajo, item.at.y());
            QVERIFY(abajo > area.height() - 1.0);
            QVERIFY(abajo < area.height() - 0.3);
        });
        // Columns that do not fit are said once, however the pages turn.
        const QList<DialogService::Shown> dichos = DialogService::shown();
        QCOMPARE(dichos.size(), noCaben > 0 ? 1 : 0);
        if (noCaben > 0) {
            QVERIFY2(dichos.first().text.startsWith(QStringLiteral("%1 de las columnas").arg(noCaben)),
                qPrintable(dichos.first().text));
            QCOMPARE(dichos.first().icon, DialogService::Icon::Exclamation);
        }
    }

    void reconfiguresItsColumns()
    {
        abreListado([&](frmVPreliminar& vista) {
            suelta(boton(vista, "cmdSiguiente"));
            // Cancelled: nothing changes.
            DialogService::queueForm([](QDialog& dialog) {
                auto& form = dynamic_cast<frmListado&>(dialog);
                form.chkCampo(8)->toggle();
                form.imgCancelar_Click();
            });
            suelta(boton(vista, "cmdConf"));
            QCOMPARE(vista.paginacion().pagina(), 2);
            QVERIFY(!QFileInfo::exists(ListingSettings::path()));

            // Accepted: the chooser opens on the fields shown; Direccion and Telefono in, Actividad out.
            DialogService::queueForm([](QDialog& dialog) {
                auto& form = dynamic_cast<frmListado&>(dialog);
                form.chkCampo(8)->toggle(); // Telefono
                form.chkCampo(3)->toggle(); // Direccion
                form.chkCampo(2)->toggle(); // Actividad
                QTest::keyClick(&form, Qt::Key_Return);
            });
            suelta(boton(vista, "cmdConf"));
            QCOMPARE(vista.paginacion().pagina(), 1);
            QVERIFY(!boton(vista, "cmdAnterior")->isEnabled());
            QCOMPARE(encabezados(vista.picTexto()->page()),
                QStringList({"Sector", "Nombre Empresa", "Provincia", "Localidad", "Dirección", "C.P."}));
            QCOMPARE(ListingSettings::read(ListingSettings::path()).value(QStringLiteral("TELEFONO")), 1);
        });
        QCOMPARE(DialogService::formsShown(), QStringList({"frmVPreliminar", "frmListado", "frmListado"}));
        // The telephone no longer fits across the page, and that is said.
        QCOMPARE(DialogService::shown().size(), 1);
        QVERIFY(DialogService::shown().first().text.startsWith(QStringLiteral("Una de las columnas")));
    }

    void printsToPdf_data()
    {
        QTest::addColumn<DialogService::Answer>("respuesta");
        QTest::newRow("yes: every page") << DialogService::Answer::Yes;
        QTest::newRow("no: the page shown") << DialogService::Answer::No;
        QTest::newRow("cancel: nothing") << DialogService::Answer::Cancel;
    }

    void printsToPdf()
    {
        QFETCH(DialogService::Answer, respuesta);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        const QStringList empresas = empresasDeLaGuia();
        QList<PrintPage> paginas;
        abreListado([&](frmVPreliminar& vista) {
            paginas = paginasHastaElFinal(vista);
            while (vista.paginacion().pagina() > 2)
                suelta(boton(vista, "cmdAnterior"));
            DialogService::queueAnswer(DialogService::Answer::Ok);
            DialogService::queueAnswer(respuesta);
            suelta(boton(vista, "cmdImprime"));
            // The preview is where it was.
            QCOMPARE(vista.paginacion().pagina(), 2);
            QVERIFY(!vista.ocupado());
        });
        const QList<DialogService::Shown> dichos = DialogService::shown();
        QCOMPARE(dichos.size(), 2);
        QCOMPARE(dichos.at(1).text,
            QStringLiteral("¿Desea imprmir todas las páginas?\nSi= Todas las paginas\nNo=Pagina actual"));
        QCOMPARE(dichos.at(1).buttons, DialogService::Buttons::YesNoCancel);
        // Enter prints the page shown only.
        QCOMPARE(dichos.at(1).defaultAnswer, DialogService::Answer::No);
        if (respuesta == DialogService::Answer::Cancel) {
            QVERIFY(!QFileInfo::exists(m_pdf));
            return;
        }
        QVERIFY(PdfReader::output(QStringLiteral("pdfinfo"), {m_pdf})
                    .contains(QStringLiteral("Listado de empresas")));
        const bool todas = respuesta == DialogService::Answer::Yes;
        QCOMPARE(PdfReader::pages(m_pdf), todas ? paginas.size() : 1);
        int fila = 0;
        for (int p = 1; p <= paginas.size(); ++p) {
            const int filas = int(nombres(paginas.at(p - 1)).size());
            if (!todas && p != 2) {
                fila += filas;
                continue;
            }
            const QString texto = textoPdf(m_pdf, todas ? p : 1);
            QVERIFY2(texto.contains(QStringLiteral("Página: %1 de %2").arg(p).arg(paginas.size())),
                qPrintable(texto));
            QCOMPARE(texto.contains(QStringLiteral("EMPRESAS TARVESA 2010")), p == 1);
            QCOMPARE(texto.contains(QStringLiteral("Total Empresas: %1").arg(empresas.size())), p == 1);
            QCOMPARE(texto.contains(QStringLiteral("Criterio de selección: ") + guia()->getTitulo()), p == 1);
            QVERIFY(texto.contains(QStringLiteral("Nombre Empresa")));
            for (int i = 0; i < filas; ++i, ++fila) {
                // The start of the name, which fits its column whatever its length.
                const QString nombre = sinBlancosDobles(empresas.at(fila).left(30));
                QVERIFY2(
                    texto.contains(nombre), qPrintable(QStringLiteral("page %1: %2").arg(p).arg(nombre)));
            }
        }
        QCOMPARE(fila, empresas.size());
    }

    // The printer dialog leaves a smaller printable area: the pages are laid out again and shown,
    // columns that no longer fit are said, and the page printed holds the first company that was shown.
    void anotherPrintableAreaLaysOutAgain()
    {
        const QStringList empresas = empresasDeLaGuia();
        int primera = 0;
        QString etiqueta;
        abreListado([&](frmVPreliminar& vista) {
            suelta(boton(vista, "cmdSiguiente"));
            suelta(boton(vista, "cmdSiguiente"));
            primera = vista.paginacion().start();
            DialogService::queuePrinterChoice([](QPrinter& impresora) {
                impresora.setPageMargins(QMarginsF(30, 30, 30, 30), QPageLayout::Millimeter);
            });
            DialogService::queueAnswer(DialogService::Answer::Ok);
            DialogService::queueAnswer(DialogService::Answer::No);
            suelta(boton(vista, "cmdImprime"));
            const QSizeF area = vista.areaPagina().toCm();
            const int pagina = vista.paginacion().pagina();
            QVERIFY(vista.paginacion().start() <= primera);
            const int siguiente = vista.documento()->pageStart(pagina + 1, area);
            QVERIFY(siguiente == 0 || siguiente > primera);
            etiqueta = QStringLiteral("Página: %1 de %2").arg(pagina).arg(vista.documento()->pageCount(area));
            QVERIFY(textoQueEmpieza(vista.picTexto()->page(), etiqueta));
        });
        const QList<DialogService::Shown> dichos = DialogService::shown();
        QCOMPARE(dichos.size(), 3);
        QVERIFY2(
            dichos.at(1).text.startsWith(QStringLiteral("2 de las columnas")), qPrintable(dichos.at(1).text));
        const QString texto = textoPdf(m_pdf, 1);
        QVERIFY2(texto.contains(etiqueta), qPrintable(texto));
        QVERIFY(texto.contains(sinBlancosDobles(empresas.at(primera - 1).left(30))));
    }

    void previewAndPaperAgreeItemForItem()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        PrintPage mostrada;
        PrintPage grabada;
        QMarginsF margenes;
        abreListado([&](frmVPreliminar& vista) {
            suelta(boton(vista, "cmdSiguiente"));
            mostrada = vista.picTexto()->page();
            // What the printer is given for the page shown, recorded on the printer's page area.
            RecordingSurface grabacion(vista.areaPagina().toCm());
            vista.documento()->drawPage(
                grabacion, PreviewPage {vista.paginacion().start(), vista.paginacion().pagina(), true});
            grabada = grabacion.pages().value(0);
            margenes = vista.impresora().pageLayout().margins(QPageLayout::Point);
            DialogService::queueAnswer(DialogService::Answer::Ok);
            DialogService::queueAnswer(DialogService::Answer::No);
            suelta(boton(vista, "cmdImprime"));
        });
        QVERIFY(mostrada.size() > 100);
        QVERIFY(mismoTexto(mostrada, grabada));

        // Each text of the page shown is on paper where the preview put it: its first word at its
        // left edge, every one the same distance below its place.
        QList<PdfReader::Word> palabras = PdfReader::words(m_pdf);
        std::optional<double> bajada;
        int textos = 0;
        for (const PrintItem& item : std::as_const(mostrada)) {
            if (item.kind != PrintItem::Kind::Text)
                continue;
            ++textos;
            const QString primera = item.text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
            const QPointF esperado = QPointF(margenes.left(), margenes.top()) + item.at * 72 / 2.54;
            const auto it = std::find_if(palabras.begin(), palabras.end(), [&](const PdfReader::Word& p) {
                return p.text == primera && qAbs(p.topLeft.x() - esperado.x()) < 1.5
                    && qAbs(p.topLeft.y() - esperado.y()) < 6;
            });
            QVERIFY2(it != palabras.end(), qPrintable(item.text));
            const double y = it->topLeft.y() - esperado.y();
            // The same font size and style: the same drop from the place to the top of the glyphs.
            if (item.font.pointSize == 7 && !item.font.bold) {
                if (!bajada)
                    bajada = y;
                QVERIFY2(qAbs(y - *bajada) < 1.0, qPrintable(item.text));
            }
            palabras.erase(it);
        }
        QVERIFY(textos > 100);
    }

    // A search on six fields, listed on an upright A4: each line of the first page, the criterion
    // wrapped at the page's edge among them, ends on screen where it ends on paper.
    void screenLinesAreAsWideAsOnPaper()
    {
        gMenu().muestraGuiaSQL(
            GuideQueries::selectList() + QStringLiteral(" FROM tbl_empresas WHERE sector LIKE 'ESCUELA%'"),
            QStringLiteral("  Empresa: *ESCUELA*  Sector: ESCUELAS DE HOSTELERÍA  Autonomia: COMUNIDAD FORAL "
                           "DE NAVARRA  Provincia: NAVARRA  Poblacion: SAN ADRIÁN  Actividad: ESCUELA DE "
                           "HOSTELERÍA Y TURISMO"));
        QList<PreviewWidths::Line> lineas;
        abreListado([&](frmVPreliminar& vista) {
            suelta(opcion(vista, QStringLiteral("optPapel0")));
            suelta(opcion(vista, QStringLiteral("optOrientacion0")));
            QVERIFY(vista.areaPagina().width < vista.areaPagina().height);
            DialogService::queueAnswer(DialogService::Answer::Ok);
            DialogService::queueAnswer(DialogService::Answer::No);
            suelta(boton(vista, "cmdImprime"));
            lineas = PreviewWidths::measure(*vista.picTexto(), vista.picTexto()->page(),
                PreviewLayout::kPixelsPerCm, m_pdf,
                vista.impresora().pageLayout().paintRectPoints().topLeft());
        });
        QVERIFY(lineas.size() > 100);
        // The criterion wrapped: its last part on a line of its own.
        QVERIFY(std::any_of(lineas.begin(), lineas.end(), [](const PreviewWidths::Line& linea) {
            return linea.text == QStringLiteral("DE HOSTELERÍA Y TURISMO");
        }));
        const QString diferencia = PreviewWidths::difference(lineas, 0.01);
        QVERIFY2(diferencia.isEmpty(), qPrintable(diferencia));
    }
};

QTEST_MAIN(TestListadoGuia)
#include "tst_listado_guia.moc"
