#include "PdfReader.h"
#include "PreviewWidths.h"
#include "core/SettingsFile.h"
#include "guide/GuideQueries.h"
#include "guide/clsGuia.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/print/PreviewSurface.h"
#include "platform/print/PrinterCheck.h"
#include "platform/print/Printers.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/ImageButton.h"
#include "printing/AttentionControls.h"
#include "printing/labels/LabelSheet.h"
#include "printing/preview/PreviewLayout.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"
#include "printing/settings/EnvelopeSettings.h"
#include "printing/settings/LabelSettings.h"
#include "shell/MenuForm.h"
#include "shell/clsMenu.h"
#include "shell/mdMain.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QPageRanges>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>

namespace {

const QString kSelect = GuideQueries::selectList() + QStringLiteral(" FROM tbl_empresas");

QWidget* control(const QString& nombre)
{
    return ControlRegistry::find<QWidget>(gFormMenu, nombre);
}

FlexGrid* grid()
{
    return ControlRegistry::find<FlexGrid>(gFormMenu, QStringLiteral("mfgdatos"));
}

void suelta(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, 4));
}

template<class T = QWidget> T* hijo(const QWidget& padre, const char* nombre)
{
    return padre.findChild<T*>(QLatin1String(nombre));
}

// One line of text on a page: its words joined by one blank, and its top-left corner in points.
struct Linea
{
    QString texto;
    QPointF en;
};

// The lines of the preview's page, each at its place in points from the page area's corner.
QList<Linea> lineasVista(const PrintPage& page)
{
    QList<Linea> lineas;
    for (const PrintItem& item : page) {
        if (item.kind != PrintItem::Kind::Text)
            continue;
        const QStringList partes = item.text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < partes.size(); ++i) {
            if (partes.at(i).trimmed().isEmpty())
                continue;
            const QPointF cm = item.at + QPointF(0, i * PrintSurface::lineSpacing(item.font).toCm());
            lineas.append({partes.at(i).simplified(), cm * 72 / 2.54});
        }
    }
    std::sort(
        lineas.begin(), lineas.end(), [](const Linea& a, const Linea& b) { return a.en.y() < b.en.y(); });
    return lineas;
}

// What was printed is what the preview showed: every word printed lies on a line shown, the lines
// hold the same words and begin at the same places (the page area begins at `origen` on the sheet);
// tops differ by the font's own leading, the same for every line.
void mismaPagina(const PrintPage& vista, const QString& pdf, const QPointF& origen)
{
    const QList<Linea> mostradas = lineasVista(vista);
    QList<Linea> palabras;
    for (const PdfReader::Word& w : PdfReader::words(pdf, 1))
        palabras.append({w.text, w.topLeft});
    QVERIFY(!mostradas.isEmpty());
    QVERIFY(!palabras.isEmpty());
    std::sort(
        palabras.begin(), palabras.end(), [](const Linea& a, const Linea& b) { return a.en.x() < b.en.x(); });
    double arriba = palabras.first().en.y();
    for (const Linea& p : std::as_const(palabras))
        arriba = qMin(arriba, p.en.y());
    const double leading = arriba - origen.y() - mostradas.first().en.y();
    QList<QStringList> leidas(mostradas.size());
    QList<double> inicio(mostradas.size(), 1e9);
    for (const Linea& p : std::as_const(palabras)) {
        const QPointF en = p.en - origen - QPointF(0, leading);
        qsizetype linea = -1;
        for (qsizetype i = 0; i < mostradas.size(); ++i) {
            const Linea& m = mostradas.at(i);
            if (qAbs(m.en.y() - en.y()) < 1.5 && m.en.x() <= en.x() + 1.5
                && (linea < 0 || m.en.x() > mostradas.at(linea).en.x()))
                linea = i;
        }
        QVERIFY2(linea >= 0, qPrintable(p.texto));
        leidas[linea].append(p.texto);
        inicio[linea] = qMin(inicio[linea], en.x());
    }
    for (qsizetype i = 0; i < mostradas.size(); ++i) {
        QCOMPARE(leidas.at(i).join(QLatin1Char(' ')), mostradas.at(i).texto);
        QVERIFY2(qAbs(inicio.at(i) - mostradas.at(i).en.x()) < 1.5, qPrintable(mostradas.at(i).texto));
    }
}

QPointF origenImpreso(const frmVPreliminar& frame)
{
    return frame.impresora().pageLayout().paintRectPoints().topLeft();
}

// Where the envelope shown lies on the printed sheet, in points: against the sheet's right edge,
// centred between its top and bottom, 0.5 cm up and to the left.
QPointF origenSobre(const frmVPreliminar& frame)
{
    const QPageLayout hoja = frame.impresora().pageLayout();
    const QSizeF area = hoja.paintRect(QPageLayout::Millimeter).size() / 10;
    const QSizeF sobre = frame.areaPagina().toCm();
    const QPointF cm(area.width() - sobre.width() - 0.5, (area.height() - sobre.height()) / 2 - 0.5);
    return hoja.paintRect(QPageLayout::Point).topLeft() + cm * 72 / 2.54;
}

bool hojaA4Apaisada(const QString& pdf)
{
    const QSizeF hoja = PdfReader::pageSize(pdf);
    return qAbs(hoja.width() - Length::mm(297).toPoints()) < 1
        && qAbs(hoja.height() - Length::mm(210).toPoints()) < 1;
}

frmVPreliminar& vista(QDialog& dialog)
{
    return static_cast<frmVPreliminar&>(dialog);
}

// Runs `handler` on the preview that pressing `boton` on the guide opens.
void abre(const QString& boton, const std::function<void(frmVPreliminar&)>& handler)
{
    bool abierta = false;
    DialogService::queueForm([&](QDialog& dialog) {
        abierta = true;
        QCOMPARE(dialog.objectName(), QStringLiteral("frmVPreliminar"));
        handler(vista(dialog));
    });
    suelta(control(boton));
    QVERIFY(abierta);
}

// Prints with the pages (a range, "" for every one) and copies chosen in the printer dialog.
void imprime(frmVPreliminar& frame, const QString& paginas, int copias)
{
    DialogService::queuePrinterChoice([=](QPrinter& impresora) {
        impresora.setPrintRange(paginas.isEmpty() ? QPrinter::AllPages : QPrinter::PageRange);
        impresora.setPageRanges(QPageRanges::fromString(paginas));
        impresora.setCopyCount(copias);
    });
    DialogService::queueAnswer(DialogService::Answer::Ok);
    DialogService::queueAnswer(DialogService::Answer::Yes);
    suelta(hijo(frame, "cmdImprime"));
}

void imprime(frmVPreliminar& frame, DialogService::Answer todas)
{
    DialogService::queueAnswer(DialogService::Answer::Ok);
    DialogService::queueAnswer(todas);
    suelta(hijo(frame, "cmdImprime"));
}

QString texto(const PrintPage& page)
{
    QStringList textos;
    for (const PrintItem& item : page)
        textos.append(item.text);
    return textos.join(QLatin1Char('|'));
}

QPoint pixel(const QPointF& cm)
{
    return (cm * PreviewLayout::kPixelsPerCm).toPoint();
}

// The pointer takes the block at `desde` and lets it go at `hasta`, page centimetres.
void arrastra(QWidget* page, const QPointF& desde, const QPointF& hasta)
{
    QTest::mousePress(page, Qt::LeftButton, {}, pixel(desde));
    QMouseEvent move(QEvent::MouseMove, QPointF(pixel((desde + hasta) / 2)),
        page->mapToGlobal(QPointF(pixel((desde + hasta) / 2))), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(page, &move);
    QTest::mouseRelease(page, Qt::LeftButton, {}, pixel(hasta));
}

bool cerca(const QPointF& a, const QPointF& b, double tolerancia = 0.02)
{
    return qAbs(a.x() - b.x()) < tolerancia && qAbs(a.y() - b.y()) < tolerancia;
}

// A printer that takes no A4 sheet.
class SinA4 : public QPrinter
{
public:
    SinA4()
        : QPrinter(QPrinter::HighResolution)
    {
    }
    bool setPageSize(const QPageSize& size) override
    {
        return size.id() != QPageSize::A4 && QPrinter::setPageSize(size);
    }
};

} // namespace

class TestVistaEtiquetas : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdf;

    void guiaCon(const QString& where) { gMenu().muestraGuiaSQL(kSelect + where, QStringLiteral("Prueba")); }

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        clsMenu::registraPantalla(Screen::Guide, [] { return std::make_unique<clsGuia>(); });
        m_pdf = m_dir.filePath(QStringLiteral("impreso.pdf"));
        Printers::setPdfOutput(m_pdf);
        PrinterCheck::setOverride(true);
    }

    void init()
    {
        DialogService::clearShown();
        QFile::remove(m_pdf);
        QFile::remove(SettingsFile::programPath(LabelSettings::archivo()));
        QFile::remove(SettingsFile::programPath(EnvelopeSettings::archivo()));
        delete gFormMenu.data();
        liberaGlobales();
        qputenv("TARVESA_SCREEN_WIDTH", "1024");
        mdMain::Main();
        gMenu().Muestra(Screen::Guide);
        QVERIFY(grid());
    }

    void cleanupTestCase()
    {
        delete gFormMenu.data();
        liberaGlobales();
        PrinterCheck::setOverride(std::nullopt);
        Printers::setPdfOutput(QString());
    }

    // Labels open on their first page with the attention line, and print what is shown.
    void labelsFromTheGuide()
    {
        const Recordset* rs = grid()->dataSource();
        const QString primera = rs->textAt(0, 2);
        abre(QStringLiteral("etiquetas"), [&](frmVPreliminar& frame) {
            QCOMPARE(frame.modo(), int(frmVPreliminar::Etiquetas));
            QCOMPARE(frame.impresora().docName(), QStringLiteral("Etiquetas de empresas"));
            QVERIFY(frame.picAtencion()->isVisible());
            QVERIFY(!frame.picSobres()->isVisible());
            auto* cargo = hijo<QComboBox>(frame, "Combo1");
            QCOMPARE(cargo->itemText(2), QStringLiteral("CARGO_1"));
            QCOMPARE(cargo->itemText(3), QStringLiteral("CARGO_2"));
            QCOMPARE(frame.picTexto()->page().first().text, primera);
            QVERIFY(!texto(frame.picTexto()->page()).contains(QStringLiteral("Att.")));

            // Each keystroke redraws the page shown, not the first.
            suelta(hijo(frame, "cmdSiguiente"));
            QCOMPARE(frame.paginacion().pagina(), 2);
            cargo->setCurrentIndex(1);
            QTest::keyClicks(hijo(frame, "txtAtt"), QStringLiteral("Ana"));
            QCOMPARE(frame.paginacion().pagina(), 2);
            const PrintPage shown = frame.picTexto()->page();
            QCOMPARE(shown.at(1).text, QStringLiteral("Att.  Ana"));
            QCOMPARE(shown.first().text, rs->textAt(frame.paginacion().start() - 1, 2));

            imprime(frame, DialogService::Answer::No);
            QCOMPARE(PdfReader::pages(m_pdf), 1);
            mismaPagina(shown, m_pdf, origenImpreso(frame));
        });
    }

    // The layout dialog's new layout applies from the first page, and is kept in "\Etiqueta.ini".
    void configureLaysOutAgain()
    {
        abre(QStringLiteral("etiquetas"), [&](frmVPreliminar& frame) {
            suelta(hijo(frame, "cmdSiguiente"));
            QVERIFY(frame.paginacion().pagina() > 1);
            DialogService::queueForm([](QDialog& dialog) {
                QCOMPARE(dialog.objectName(), QStringLiteral("frmEtiquetas"));
                auto* separacion = hijo<QLineEdit>(dialog, "txtSep");
                separacion->selectAll();
                QTest::keyClicks(separacion, QStringLiteral("4,5"));
                QTest::keyClick(separacion, Qt::Key_Return);
            });
            suelta(hijo(frame, "cmdConf"));
            QCOMPARE(frame.paginacion().pagina(), 1);
            LabelSheet sheet;
            sheet.distEntreEtiq = 4.5;
            const int porPagina = LabelSheetLayout::labelsPerPage(sheet, frame.areaPagina().toCm());
            QCOMPARE(frame.paginacion().posicionSiguiente(), porPagina + 1);
            QCOMPARE(LabelSettings::read().separacion, 4.5);
        });
    }

    void fullSheet_data()
    {
        QTest::addColumn<int>("extra");
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("pages");
        QTest::newRow("a full sheet: one page") << 0 << QString() << 1 << 1;
        QTest::newRow("one more: two pages") << 1 << QString() << 1 << 2;
        QTest::newRow("the second sheet twice, from the dialog") << 1 << QStringLiteral("2") << 2 << 2;
    }

    void fullSheet()
    {
        QFETCH(int, extra);
        QFETCH(QString, range);
        QFETCH(int, copies);
        QFETCH(int, pages);
        const int porHoja = LabelSheetLayout::labelsPerPage(LabelSheet(), QSizeF(20, 29));
        const QString where
            = QStringLiteral(" WHERE rowid IN (SELECT rowid FROM tbl_empresas ORDER BY rowid LIMIT %1)")
                  .arg(porHoja + extra);
        Recordset cuenta;
        cuenta.open(QStringLiteral("SELECT COUNT(*) FROM tbl_empresas") + where, gConexion());
        QCOMPARE(cuenta.field(0).value().toInt(), porHoja + extra);
        guiaCon(where);
        abre(QStringLiteral("etiquetas"), [&](frmVPreliminar& frame) {
            QCOMPARE(frame.paginacion().hasNext(), extra > 0);
            imprime(frame, range, copies);
        });
        QCOMPARE(PdfReader::pages(m_pdf), pages);
        // Each page printed is the sheet asked for: its first label is that sheet's first company.
        for (int page = 1; page <= pages; ++page) {
            const int first = range.isEmpty() ? (page - 1) * porHoja : porHoja;
            QCOMPARE(PdfReader::words(m_pdf, page).first().text,
                grid()->textMatrix(first + 1, 3).section(QLatin1Char(' '), 0, 0));
        }
    }

    // The envelope opens on the grid's company with the stored type, size and font; the block dragged
    // prints where it is shown, and closing keeps the settings.
    void envelopeFromTheGuide()
    {
        grid()->setRow(5);
        const QString empresa = grid()->dataSource()->textAt(4, 2);
        QPointF arrastrado;
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) {
            QCOMPARE(frame.modo(), int(frmVPreliminar::Sobres));
            QCOMPARE(frame.impresora().docName(), QStringLiteral("Sobres de empresas"));
            QVERIFY(frame.picSobres()->isVisible());
            QVERIFY(frame.picAtencion()->isVisible());
            QCOMPARE(hijo<QComboBox>(frame, "cboSobreTipo")->currentText(), QStringLiteral("DL: 110x220 mm"));
            QCOMPARE(hijo<QLineEdit>(frame, "txtSobreAlto")->text(), QStringLiteral("110"));
            QCOMPARE(hijo<QLineEdit>(frame, "txtSobreAncho")->text(), QStringLiteral("220"));
            QCOMPARE(hijo<QComboBox>(frame, "cboSobreLetra")->currentText(), QStringLiteral("9"));
            QCOMPARE(frame.areaPagina().toCm(), QSizeF(22, 11));
            const PrintItem bloque = frame.picTexto()->page().first();
            QVERIFY(bloque.text.startsWith(empresa + QLatin1Char('\n')));
            QVERIFY(cerca(bloque.at, QPointF(11, 22.0 / 3)));

            // Dragged far past the corner, it stops at the envelope's edges and stays there.
            arrastra(frame.picTexto(), bloque.at + QPointF(0.3, 0.2), QPointF(40, 40));
            const QRectF puesto = PreviewSurface::bounds(frame.picTexto()->page().first());
            QVERIFY(qAbs(puesto.right() - 22) < 0.02 && qAbs(puesto.bottom() - 11) < 0.02);
            arrastra(
                frame.picTexto(), puesto.topLeft() + QPointF(0.3, 0.2), QPointF(0.3, 0.2) - QPointF(5, 5));
            arrastrado = frame.picTexto()->page().first().at;
            QVERIFY(cerca(arrastrado, QPointF(0, 0)));
            // A change of the attention line redraws it where it was put.
            auto* cargo = hijo<QComboBox>(frame, "Combo1");
            cargo->setCurrentIndex(cargo->findText(QStringLiteral("Dtor. General")));
            QFocusEvent fuera(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(cargo, &fuera);
            const PrintPage shown = frame.picTexto()->page();
            QVERIFY(shown.first().text.contains(QStringLiteral("\nAtt.  Dtor. General\n")));
            QVERIFY(cerca(shown.first().at, arrastrado));

            imprime(frame, DialogService::Answer::No);
            QCOMPARE(PdfReader::pages(m_pdf), 1);
            QVERIFY(hojaA4Apaisada(m_pdf));
            mismaPagina(shown, m_pdf, origenSobre(frame));
        });
        const EnvelopeSettings guardado = EnvelopeSettings::read();
        QVERIFY(guardado.automatico);
        QCOMPARE(guardado.tipoSobre, 0);
        QVERIFY(cerca(QPointF(guardado.izq, guardado.sup), arrastrado, 0.01));
        QVERIFY(DialogService::shown().size() == 2);
    }

    // After a drag, a new type puts the block at the new envelope's automatic place, and that is where
    // it prints.
    void typeChangeAfterADrag()
    {
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) {
            const PrintItem bloque = frame.picTexto()->page().first();
            arrastra(frame.picTexto(), bloque.at + QPointF(0.2, 0.2), QPointF(3, 2));
            QVERIFY(!cerca(frame.picTexto()->page().first().at, bloque.at));
            auto* tipo = hijo<QComboBox>(frame, "cboSobreTipo");
            tipo->setFocus();
            QTest::keyClick(tipo, Qt::Key_Down);
            QCOMPARE(tipo->currentText(), QStringLiteral("C5: 162x229 mm"));
            QCOMPARE(hijo<QLineEdit>(frame, "txtSobreAlto")->text(), QStringLiteral("162"));
            QVERIFY(hijo<QLineEdit>(frame, "txtSobreAlto")->isReadOnly());
            const QSizeF sobre = frame.areaPagina().toCm();
            QVERIFY(cerca(QPointF(sobre.width(), sobre.height()), QPointF(22.9, 16.2)));
            const PrintPage shown = frame.picTexto()->page();
            QVERIFY(cerca(shown.first().at, QPointF(11.45, 10.8)));
            imprime(frame, DialogService::Answer::No);
            QVERIFY(hojaA4Apaisada(m_pdf));
            mismaPagina(shown, m_pdf, origenSobre(frame));
        });
        QVERIFY(EnvelopeSettings::read().automatico);
        QCOMPARE(EnvelopeSettings::read().tipoSobre, 1);
    }

    void envelopeOnTheA4Sheet_data()
    {
        QTest::addColumn<int>("tipo");
        QTest::addColumn<bool>("arrastrado");
        QTest::newRow("DL, automatic place") << 0 << false;
        QTest::newRow("DL, dragged") << 0 << true;
        QTest::newRow("C5, automatic place") << 1 << false;
        QTest::newRow("C5, dragged") << 1 << true;
    }

    // Printed on an A4 sheet, landscape: the company's line starts where the envelope's place lies
    // on the sheet, x = sheet width - envelope width + place's x - 0.5 cm and y = (sheet height -
    // envelope height) / 2 + place's y - 0.5 cm, from the sheet's corner.
    void envelopeOnTheA4Sheet()
    {
        QFETCH(int, tipo);
        QFETCH(bool, arrastrado);
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) {
            auto* lista = hijo<QComboBox>(frame, "cboSobreTipo");
            lista->setFocus();
            for (int i = 0; i < tipo; ++i)
                QTest::keyClick(lista, Qt::Key_Down);
            QCOMPARE(lista->currentIndex(), tipo);
            const QSizeF sobre = frame.areaPagina().toCm();
            QPointF lugar(sobre.width() / 2, sobre.height() * 2 / 3);
            if (arrastrado) {
                arrastra(
                    frame.picTexto(), frame.picTexto()->page().first().at + QPointF(0.2, 0.2), QPointF(3, 2));
                lugar = frame.picTexto()->page().first().at;
                QVERIFY(cerca(lugar, QPointF(2.8, 1.8), 0.05));
            }
            const PrintItem bloque = frame.picTexto()->page().first();
            QVERIFY(cerca(bloque.at, lugar));
            imprime(frame, DialogService::Answer::No);
            QVERIFY(hojaA4Apaisada(m_pdf));
            const QPointF esperado = QPointF(29.7 - sobre.width() + lugar.x() - 0.5,
                                         (21.0 - sobre.height()) / 2 + lugar.y() - 0.5)
                * 72 / 2.54;
            const QString palabra
                = bloque.text.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 0, 0);
            const QList<PdfReader::Word> palabras = PdfReader::words(m_pdf, 1);
            QVERIFY(!palabras.isEmpty());
            QCOMPARE(palabras.first().text, palabra);
            const double mm = Length::mm(0.5).toPoints();
            QVERIFY2(qAbs(palabras.first().topLeft.x() - esperado.x()) < mm
                    && qAbs(palabras.first().topLeft.y() - esperado.y()) < mm,
                qPrintable(QStringLiteral("(%1, %2) for (%3, %4)")
                               .arg(palabras.first().topLeft.x())
                               .arg(palabras.first().topLeft.y())
                               .arg(esperado.x())
                               .arg(esperado.y())));
            mismaPagina(frame.picTexto()->page(), m_pdf, origenSobre(frame));
        });
    }

    // The font list redraws the block in the new size where it lies; a custom size typed makes the page
    // that size, and it prints where that envelope lies on the sheet.
    void fontAndCustomSize()
    {
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) {
            const PrintItem antes = frame.picTexto()->page().first();
            auto* letra = hijo<QComboBox>(frame, "cboSobreLetra");
            letra->setFocus();
            QTest::keyClick(letra, Qt::Key_Down);
            QCOMPARE(frame.picTexto()->page().first().font.pointSize, antes.font.pointSize + 1);
            QVERIFY(cerca(frame.picTexto()->page().first().at, antes.at));

            auto* tipo = hijo<QComboBox>(frame, "cboSobreTipo");
            tipo->setFocus();
            QTest::keyClick(tipo, Qt::Key_End);
            QCOMPARE(tipo->currentText(), QStringLiteral("Personalizado"));
            auto* ancho = hijo<QLineEdit>(frame, "txtSobreAncho");
            QVERIFY(!ancho->isReadOnly());
            ancho->setFocus();
            ancho->selectAll();
            QTest::keyClicks(ancho, QStringLiteral("2x00"));
            QCOMPARE(ancho->text(), QStringLiteral("200"));
            QTest::keyClick(ancho, Qt::Key_Return);
            QVERIFY(qAbs(frame.areaPagina().width.toCm() - 20.0) < 0.01);
            QCOMPARE(frame.picTexto()->pageSizeCm(), frame.areaPagina().toCm());
            const PrintPage shown = frame.picTexto()->page();
            QVERIFY(cerca(shown.first().at, QPointF(10.0, 22.0 / 3)));
            imprime(frame, DialogService::Answer::No);
            QVERIFY(hojaA4Apaisada(m_pdf));
            mismaPagina(shown, m_pdf, origenSobre(frame));
        });
        const EnvelopeSettings guardado = EnvelopeSettings::read();
        QCOMPARE(guardado.tipoSobre, 5);
        QCOMPARE(guardado.anchura, 200);
        QCOMPARE(guardado.fuente, 10);
    }

    // The type list shows its entries whole, and the block of a large envelope is in view when the
    // preview opens.
    void envelopeOpensOnItsBlock()
    {
        QVERIFY(
            (EnvelopeSettings {.altura = 210, .anchura = 297, .tipoSobre = EnvelopeGeometry::kPersonalizado})
                .write());
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) {
            auto* lista = hijo<QComboBox>(frame, "cboSobreTipo");
            QVERIFY(lista->width() >= lista->sizeHint().width());
            QVERIFY(frame.picSobres()->rect().contains(
                QRect(lista->mapTo(frame.picSobres(), QPoint()), lista->size())));
            auto* fondo = hijo(frame, "picFondo");
            const QRect bloque
                = PreviewLayout::toPixels(PreviewSurface::bounds(frame.picTexto()->page().first()));
            QVERIFY(fondo->rect().contains(bloque.translated(frame.picTexto()->pos())));
        });
    }

    void threeEnvelopesThreePages_data()
    {
        QTest::addColumn<QString>("range");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QList<int>>("companies");
        QTest::newRow("all") << QString() << 1 << QList<int> {0, 1, 2};
        QTest::newRow("the last two, from the dialog") << QStringLiteral("2-3") << 1 << QList<int> {1, 2};
        QTest::newRow("the second twice, from the dialog") << QStringLiteral("2") << 2 << QList<int> {1, 1};
    }

    void threeEnvelopesThreePages()
    {
        QFETCH(QString, range);
        QFETCH(int, copies);
        QFETCH(QList<int>, companies);
        guiaCon(QStringLiteral(" WHERE rowid IN (SELECT rowid FROM tbl_empresas ORDER BY rowid LIMIT 3)"));
        grid()->setRow(2);
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) { imprime(frame, range, copies); });
        QCOMPARE(PdfReader::pages(m_pdf), companies.size());
        QVERIFY(hojaA4Apaisada(m_pdf));
        for (qsizetype page = 0; page < companies.size(); ++page) {
            const QString empresa = grid()->textMatrix(companies.at(page) + 1, 3);
            QCOMPARE(
                PdfReader::words(m_pdf, int(page + 1)).first().text, empresa.section(QLatin1Char(' '), 0, 0));
        }
    }

    void screenLinesAreAsWideAsOnPaper_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<int>("letra");
        QTest::newRow("labels, default sheet") << "etiquetas" << 0;
        for (const int letra : {8, 9, 10, 11, 12})
            QTest::addRow("envelope at %d points, at the right edge", letra) << "sobres" << letra;
    }

    // The sample data's longest addresses: each line ends on screen where it ends on paper.
    void screenLinesAreAsWideAsOnPaper()
    {
        QFETCH(QString, boton);
        QFETCH(int, letra);
        guiaCon(QStringLiteral(
            " WHERE rowid IN (SELECT rowid FROM tbl_empresas ORDER BY LENGTH(domicilio) DESC LIMIT 16)"));
        QList<PreviewWidths::Line> lineas;
        abre(boton, [&](frmVPreliminar& frame) {
            if (letra > 0) {
                auto* tamano = hijo<QComboBox>(frame, "cboSobreLetra");
                tamano->setFocus();
                QTest::keyClick(tamano, Qt::Key_Home);
                for (int i = tamano->currentText().toInt(); i < letra; ++i)
                    QTest::keyClick(tamano, Qt::Key_Down);
                QCOMPARE(frame.picTexto()->page().first().font.pointSize, letra);
                const PrintItem bloque = frame.picTexto()->page().first();
                arrastra(frame.picTexto(), bloque.at + QPointF(0.3, 0.2), QPointF(40, bloque.at.y() + 0.2));
                const QRectF puesto = PreviewSurface::bounds(frame.picTexto()->page().first());
                // Against the edge, short of it by no more than a step of narrower type.
                QVERIFY(puesto.right() > frame.areaPagina().width.toCm() - 0.2);
            }
            imprime(frame, DialogService::Answer::No);
            lineas = PreviewWidths::measure(*frame.picTexto(), frame.picTexto()->page(),
                PreviewLayout::kPixelsPerCm, m_pdf, letra > 0 ? origenSobre(frame) : origenImpreso(frame));
        });
        QVERIFY(lineas.size() >= 3);
        const QString diferencia = PreviewWidths::difference(lineas, 0.01);
        QVERIFY2(diferencia.isEmpty(), qPrintable(diferencia));
    }

    // A job title empties the free text while the envelope is drawn, without a second drawing.
    void clearingTheFreeTextDrawsOnce()
    {
        abre(QStringLiteral("sobres"), [&](frmVPreliminar& frame) {
            auto* cargo = hijo<QComboBox>(frame, "Combo1");
            auto* libre = hijo<QLineEdit>(frame, "txtAtt");
            cargo->setCurrentIndex(1);
            QTest::keyClicks(libre, QStringLiteral("Ana"));
            QVERIFY(frame.picTexto()->page().first().text.contains(QStringLiteral("Att.  Ana")));
            auto* atencion = frame.findChild<AttentionControls*>();
            QSignalSpy pedidos(atencion, &AttentionControls::redibujar);
            cargo->setCurrentIndex(cargo->findText(QStringLiteral("Presidente")));
            QFocusEvent fuera(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(cargo, &fuera);
            QCOMPARE(pedidos.count(), 1);
            QVERIFY(libre->text().isEmpty());
            QVERIFY(frame.picTexto()->page().first().text.contains(QStringLiteral("Att.  Presidente")));
            QVERIFY(!frame.ocupado());
        });
        // Nothing was printed.
        QVERIFY(!QFileInfo::exists(m_pdf));
    }

    void printerWithoutA4_data()
    {
        QTest::addColumn<QString>("boton");
        QTest::addColumn<QString>("mensaje");
        QTest::newRow("labels")
            << "etiquetas"
            << "La impresora predeterminada de su sistema no permite la impresión de etiquetas";
        QTest::newRow("envelopes")
            << "sobres"
            << "La impresora predeterminada de su sistema no permite la impresión de sobres";
        QTest::newRow("listing")
            << "listado"
            << "La impresora predeterminada de su sistema no permite la impresión de informes";
    }

    // A printer without A4: said once, and no preview opens.
    void printerWithoutA4()
    {
        QFETCH(QString, boton);
        QFETCH(QString, mensaje);
        Printers::setFactory([] { return std::make_unique<SinA4>(); });
        suelta(control(boton));
        Printers::setFactory(nullptr);
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text, mensaje);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::formsShown().isEmpty());
        QVERIFY(!QFileInfo::exists(SettingsFile::programPath(EnvelopeSettings::archivo())));
    }

    // A folder stands in place of "\Sobre.ini": closing after a change says so once and leaves it.
    void closingOnAnUnwritableFile()
    {
        const QString path = SettingsFile::programPath(EnvelopeSettings::archivo());
        QVERIFY(QDir().mkpath(path));
        abre(QStringLiteral("sobres"), [](frmVPreliminar& frame) {
            QTest::keyClick(hijo<QComboBox>(frame, "cboSobreLetra"), Qt::Key_Down);
            frame.close();
        });
        QVERIFY(QFileInfo(path).isDir());
        QDir(path).removeRecursively();
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Exclamation);
        QVERIFY(DialogService::shown().first().text.startsWith(
            QStringLiteral("No se pueden guardar los ajustes")));
        QVERIFY(DialogService::shown().first().text.contains(QStringLiteral("Sobre.ini")));
    }
};

QTEST_MAIN(TestVistaEtiquetas)
#include "tst_vista_etiquetas.moc"
