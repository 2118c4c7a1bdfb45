#include "PdfReader.h"
#include "core/Installation.h"
#include "platform/print/PreviewSurface.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "printing/preview/PreviewDocument.h"
#include "printing/preview/PreviewLayout.h"
#include "printing/preview/PreviewPageWidget.h"
#include "printing/preview/frmVPreliminar.h"
#include "shell/QtSpanish.h"
#include "shell/frmAyudaGrande.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QPageRanges>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

namespace {

// A document of `pages` pages, one record each: its page's record, its label and a two-line text.
class FakeDocument : public PreviewDocument
{
public:
    explicit FakeDocument(int pages)
        : m_pages(pages)
    {
    }

    int drawPage(PrintSurface& surface, const PreviewPage& page) override
    {
        drawn.append(page);
        if (onDraw)
            onDraw(surface, page);
        PrintFont font;
        font.name = QStringLiteral("Arial");
        font.pointSize = 12;
        surface.text(QPointF(1, 1), QStringLiteral("Registro%1").arg(page.start), font);
        font.pointSize = 9;
        surface.text(
            QPointF(surface.pageSize().width() - 6, 2.5), QStringLiteral("Hoja%1").arg(page.number), font);
        surface.line(QPointF(1, 3), QPointF(surface.pageSize().width(), 3));
        surface.text(QPointF(4, 6), QStringLiteral("Arriba\nAbajo"), font);
        return page.start < m_pages ? page.start + 1 : 0;
    }

    int pageCount(const QSizeF& /*pageCm*/) const override { return m_pages; }

    QString notice(const QSizeF& /*pageCm*/, const QList<PaperOption>& /*others*/) const override
    {
        return aviso;
    }

    bool configure(QWidget* /*parent*/) override
    {
        ++configured;
        return accept;
    }

    QList<PreviewPage> drawn;
    QString aviso;
    std::function<void(PrintSurface&, const PreviewPage&)> onDraw;
    int configured = 0;
    bool accept = true;

private:
    int m_pages;
};

// Envelopes of a given size, the preview opening on the company of record 3.
class EnvelopeDocument : public FakeDocument
{
public:
    EnvelopeDocument()
        : FakeDocument(5)
    {
    }
    QSizeF previewPage() const override { return QSizeF(width.toCm(), 11.0); }
    int firstStart() const override { return 3; }
    Length width = Length::mm(220);
};

// A printer that will not take A3.
class NoA3Printer : public QPrinter
{
public:
    NoA3Printer()
        : QPrinter(QPrinter::HighResolution)
    {
    }
    bool setPageSize(const QPageSize& size) override
    {
        return size.id() != QPageSize::A3 && QPrinter::setPageSize(size);
    }
};

// A printer that takes any paper until it is told to refuse every one (as a queue chosen in the
// printer dialog might).
class RefusingPrinter : public QPrinter
{
public:
    RefusingPrinter()
        : QPrinter(QPrinter::HighResolution)
    {
    }
    bool setPageSize(const QPageSize& size) override { return !refuse && QPrinter::setPageSize(size); }
    bool refuse = false;
};

ImageButton* button(const frmVPreliminar& frame, const char* name)
{
    return frame.findChild<ImageButton*>(QLatin1String(name));
}

QRadioButton* option(const frmVPreliminar& frame, const char* name)
{
    return frame.findChild<QRadioButton*>(QLatin1String(name));
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(4, 4));
}

} // namespace

class TestPreview : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_pdf;

private Q_SLOTS:
    void initTestCase()
    {
        DialogService::setScripted(true);
        m_pdf = m_dir.filePath(QStringLiteral("vista.pdf"));
        Printers::setPdfOutput(m_pdf);
        gRutaApp = qEnvironmentVariable("TARVESA_PROGRAM_DIR");
    }

    void init()
    {
        DialogService::clearShown();
        QFile::remove(m_pdf);
    }

    void layout_data()
    {
        QTest::addColumn<bool>("twoRows");
        QTest::addColumn<QSizeF>("page");
        QTest::addColumn<QRectF>("frame");
        QTest::addColumn<int>("horizontal");
        QTest::addColumn<int>("vertical");
        QTest::newRow("listing, A4 landscape")
            << false << QSizeF(29, 20) << QRectF(0.55, 1.75, 19.77, 12.46) << 40 << 36;
        QTest::newRow("labels, A4 upright")
            << true << QSizeF(20, 29) << QRectF(0.55, 2.55, 19.77, 11.66) << 4 << 72;
        QTest::newRow("a page that fits")
            << false << QSizeF(10, 8) << QRectF(0.55, 1.75, 19.77, 12.46) << 0 << 0;
    }

    void layout()
    {
        QFETCH(bool, twoRows);
        QFETCH(QSizeF, page);
        QFETCH(QRectF, frame);
        QFETCH(int, horizontal);
        QFETCH(int, vertical);
        const PreviewLayout layout = PreviewLayout::compute(QSizeF(20.77, 14.66), twoRows, page);
        QVERIFY(qAbs(layout.frame.left() - frame.left()) < 1e-9);
        QVERIFY(qAbs(layout.frame.top() - frame.top()) < 1e-9);
        QVERIFY(qAbs(layout.frame.width() - frame.width()) < 1e-9);
        QVERIFY(qAbs(layout.frame.height() - frame.height()) < 1e-9);
        QCOMPARE(layout.horizontalMaximum, horizontal);
        QCOMPARE(layout.verticalMaximum, vertical);
        // The rulers run along the frame; the scroll bars along the window's edges.
        QCOMPARE(layout.horizontalRuler.left(), layout.frame.left());
        QCOMPARE(layout.verticalRuler.top(), layout.frame.top());
        QVERIFY(qAbs(layout.verticalBar.left() - (20.77 - 0.47)) < 1e-9);
    }

    void scrollMaximumRoundsHalvesToEven_data()
    {
        QTest::addColumn<double>("excess");
        QTest::addColumn<int>("maximum");
        QTest::newRow("2.5") << 2.5 << 8;
        QTest::newRow("3.5") << 3.5 << 16;
        QTest::newRow("none") << 0.0 << 0;
        QTest::newRow("short of the frame") << -3.0 << 0;
    }

    void scrollMaximumRoundsHalvesToEven()
    {
        QFETCH(double, excess);
        QFETCH(int, maximum);
        // The excess counts against the frame less a centimetre.
        QCOMPARE(PreviewLayout::scrollMaximum(10 + excess, 11), maximum);
    }

    void optionCaptionsShowWhole()
    {
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.show();
        const QList<QRadioButton*> options = frame.findChildren<QRadioButton*>();
        QCOMPARE(options.size(), 4);
        for (const QRadioButton* o : options) {
            const auto* box = qobject_cast<const QGroupBox*>(o->parentWidget());
            QVERIFY(box);
            // The option's text is not cut, it stays inside its frame, and under the frame's caption.
            QVERIFY2(o->width() >= o->sizeHint().width(), qPrintable(o->text()));
            QVERIFY2(box->rect().contains(o->geometry()), qPrintable(o->text()));
            QVERIFY2(o->y() >= QFontMetrics(box->font()).height(), qPrintable(box->title()));
            QVERIFY(box->geometry().bottom() < box->parentWidget()->height());
        }
    }

    void pagingForwardAndBack()
    {
        FakeDocument document(3);
        document.aviso = QStringLiteral("Aviso");
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        // Nothing is drawn before the window shows.
        QVERIFY(document.drawn.isEmpty());
        frame.show();
        QCOMPARE(document.drawn.size(), 1);
        // The document's notice comes once the preview is on the screen, not while it appears.
        QVERIFY(DialogService::shown().isEmpty());
        QTRY_COMPARE(DialogService::shown().size(), 1);
        ImageButton* next = button(frame, "cmdSiguiente");
        ImageButton* previous = button(frame, "cmdAnterior");
        QCOMPARE(next->face(), QStringLiteral("SIGUIENTE"));
        QCOMPARE(previous->face(), QStringLiteral("DANTERIOR"));

        click(next);
        click(next);
        QCOMPARE(frame.paginacion().pagina(), 3);
        QCOMPARE(frame.paginacion().iniciosPagina(), (QList<int> {1, 2, 3}));
        QCOMPARE(document.drawn.last().start, 3);
        QCOMPARE(document.drawn.last().number, 3);
        QVERIFY(!document.drawn.last().printing);
        QCOMPARE(next->face(), QStringLiteral("DSIGUIENTE"));
        QCOMPARE(previous->face(), QStringLiteral("ANTERIOR"));
        // The last page offers no further one.
        const int drawings = document.drawn.size();
        click(next);
        QCOMPARE(document.drawn.size(), drawings);

        click(previous);
        click(previous);
        QCOMPARE(frame.paginacion().pagina(), 1);
        QCOMPARE(document.drawn.last().start, 1);
        QCOMPARE(previous->face(), QStringLiteral("DANTERIOR"));
        QVERIFY(!previous->isEnabled());
        QCOMPARE(next->face(), QStringLiteral("SIGUIENTE"));
    }

    void buttonsActOnTheClick_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("listing") << int(frmVPreliminar::Informe);
        QTest::newRow("labels") << int(frmVPreliminar::Etiquetas);
    }

    // A double click on a button is one click; the right button does nothing.
    void buttonsActOnTheClick()
    {
        QFETCH(int, mode);
        FakeDocument document(5);
        frmVPreliminar frame;
        frame.setConfiguracion(mode);
        frame.setDocumento(&document);
        frame.show();
        ImageButton* next = button(frame, "cmdSiguiente");
        click(next);
        QTest::mouseDClick(next, Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseRelease(next, Qt::LeftButton, {}, QPoint(4, 4));
        QCOMPARE(frame.paginacion().pagina(), 2);
        const qsizetype drawings = document.drawn.size();
        for (const char* name : {"cmdSiguiente", "cmdAnterior", "cmdConf", "cmdImprime", "cmdCerrar"})
            QTest::mouseClick(button(frame, name), Qt::RightButton, {}, QPoint(4, 4));
        QCOMPARE(frame.paginacion().pagina(), 2);
        QCOMPARE(document.drawn.size(), drawings);
        QCOMPARE(document.configured, 0);
        QVERIFY(DialogService::shown().isEmpty());
        QVERIFY(frame.isVisible());
    }

    void relayoutGoesBackToTheFirstPage_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("paper") << QStringLiteral("optPapel1");
        QTest::newRow("orientation") << QStringLiteral("optOrientacion0");
        QTest::newRow("configure") << QStringLiteral("cmdConf");
    }

    void relayoutGoesBackToTheFirstPage()
    {
        QFETCH(QString, change);
        FakeDocument document(5);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        click(button(frame, "cmdSiguiente"));
        click(button(frame, "cmdSiguiente"));
        QCOMPARE(frame.paginacion().pagina(), 3);
        if (change.startsWith(QLatin1String("opt")))
            click(frame.findChild<QRadioButton*>(change));
        else
            click(frame.findChild<ImageButton*>(change));
        QCOMPARE(frame.paginacion().pagina(), 1);
        QCOMPARE(frame.paginacion().iniciosPagina(), QList<int> {1});
        QCOMPARE(document.drawn.last().start, 1);
        QCOMPARE(document.drawn.last().number, 1);
        QVERIFY(!button(frame, "cmdAnterior")->isEnabled());
        QCOMPARE(button(frame, "cmdAnterior")->face(), QStringLiteral("DANTERIOR"));
        QVERIFY(button(frame, "cmdSiguiente")->isEnabled());
    }

    void cancelledConfigurationChangesNothing()
    {
        FakeDocument document(5);
        document.accept = false;
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        click(button(frame, "cmdSiguiente"));
        auto* bar = frame.findChild<QScrollBar*>(QStringLiteral("VScroll1"));
        bar->setValue(3);
        const int drawings = document.drawn.size();
        click(button(frame, "cmdConf"));
        QCOMPARE(document.configured, 1);
        QCOMPARE(document.drawn.size(), drawings);
        QCOMPARE(frame.paginacion().pagina(), 2);
        QCOMPARE(bar->value(), 3);
    }

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("paging");
        QTest::addColumn<bool>("configure");
        QTest::addColumn<bool>("envelope");
        QTest::addColumn<bool>("attention");
        QTest::addColumn<QString>("orientation");
        QTest::newRow("listing") << 0 << true << true << false << false << QStringLiteral("optOrientacion1");
        QTest::newRow("labels") << 1 << true << true << false << true << QStringLiteral("optOrientacion0");
        QTest::newRow("envelopes") << 2 << false << false << true << true
                                   << QStringLiteral("optOrientacion1");
    }

    void modes()
    {
        QFETCH(int, mode);
        QFETCH(bool, paging);
        QFETCH(bool, configure);
        QFETCH(bool, envelope);
        QFETCH(bool, attention);
        QFETCH(QString, orientation);
        frmVPreliminar frame;
        frame.setConfiguracion(mode);
        QCOMPARE(frame.modo(), mode);
        QCOMPARE(button(frame, "cmdSiguiente")->isVisibleTo(&frame), paging);
        QCOMPARE(button(frame, "cmdConf")->isEnabled(), configure);
        QCOMPARE(button(frame, "cmdConf")->face(),
            configure ? QStringLiteral("CONFIGURAR") : QStringLiteral("DCONFIGURAR"));
        QCOMPARE(frame.picSobres()->isVisibleTo(&frame), envelope);
        QCOMPARE(frame.picAtencion()->isVisibleTo(&frame), attention);
        QVERIFY(frame.findChild<QRadioButton*>(orientation)->isChecked());
        QCOMPARE(option(frame, "optPapel0")->isChecked(), !envelope);
        QCOMPARE(option(frame, "optPapel0")->isEnabled(), !envelope);
        // Any other mode changes nothing.
        frame.setConfiguracion(7);
        QCOMPARE(frame.modo(), mode);
    }

    void paperAndOrientation_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QString>("orientation");
        QTest::addColumn<QSizeF>("sheetPoints");
        QTest::addColumn<QSizeF>("areaCm"); // the sheet less the margins, which turn with it
        QTest::newRow("A4 upright") << QStringLiteral("optPapel0") << QStringLiteral("optOrientacion0")
                                    << QSizeF(595.28, 841.89) << QSizeF(20, 29);
        QTest::newRow("A4 landscape") << QStringLiteral("optPapel0") << QStringLiteral("optOrientacion1")
                                      << QSizeF(841.89, 595.28) << QSizeF(29, 20);
        QTest::newRow("A3 upright") << QStringLiteral("optPapel1") << QStringLiteral("optOrientacion0")
                                    << QSizeF(841.89, 1190.55) << QSizeF(28.7, 41.3);
        QTest::newRow("A3 landscape") << QStringLiteral("optPapel1") << QStringLiteral("optOrientacion1")
                                      << QSizeF(1190.55, 841.89) << QSizeF(41.3, 28.7);
    }

    void paperAndOrientation()
    {
        QFETCH(QString, paper);
        QFETCH(QString, orientation);
        QFETCH(QSizeF, sheetPoints);
        QFETCH(QSizeF, areaCm);
        FakeDocument document(1);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        click(frame.findChild<QRadioButton*>(paper));
        click(frame.findChild<QRadioButton*>(orientation));
        const QSizeF area = frame.areaPagina().toCm();
        QVERIFY2(qAbs(area.width() - areaCm.width()) < 0.02 && qAbs(area.height() - areaCm.height()) < 0.02,
            qPrintable(QStringLiteral("%1 x %2").arg(area.width()).arg(area.height())));
        QCOMPARE(frame.picTexto()->pageSizeCm(), area);
        // The layout was given that area, and the printed sheet has that size.
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::Yes);
        click(button(frame, "cmdImprime"));
        const QSizeF printed = PdfReader::pageSize(m_pdf);
        QVERIFY(qAbs(printed.width() - sheetPoints.width()) < 1);
        QVERIFY(qAbs(printed.height() - sheetPoints.height()) < 1);
        const QSizeF onPaper = frame.impresora().pageLayout().paintRect(QPageLayout::Millimeter).size() / 10;
        QVERIFY(
            qAbs(onPaper.width() - areaCm.width()) < 0.02 && qAbs(onPaper.height() - areaCm.height()) < 0.02);
    }

    void refusedPaperIsSaidOnceAndA4Comes()
    {
        FakeDocument document(2);
        frmVPreliminar frame;
        frame.setImpresora(std::make_unique<NoA3Printer>());
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        click(option(frame, "optPapel1"));
        QCOMPARE(DialogService::shown().size(), 1);
        QCOMPARE(DialogService::shown().first().text,
            QStringLiteral("La impresora no admite esa configuración de papel"));
        QCOMPARE(DialogService::shown().first().title, QStringLiteral("Impresora"));
        QCOMPARE(DialogService::shown().first().icon, DialogService::Icon::Critical);
        QVERIFY(option(frame, "optPapel0")->isChecked());
        QCOMPARE(frame.impresora().pageLayout().pageSize().id(), QPageSize::A4);
        QVERIFY(frame.areaPagina().height < Length::cm(21));
    }

    void paperRefusedWhenPrintingSendsNothing()
    {
        FakeDocument document(3);
        frmVPreliminar frame;
        auto printer = std::make_unique<RefusingPrinter>();
        RefusingPrinter* refusing = printer.get();
        refusing->setOutputFormat(QPrinter::PdfFormat);
        refusing->setOutputFileName(m_pdf);
        frame.setImpresora(std::move(printer));
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        refusing->refuse = true;
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::Yes);
        click(button(frame, "cmdImprime"));
        // Said once; the print question is never asked and nothing is printed.
        QCOMPARE(DialogService::shown().size(), 2);
        QCOMPARE(DialogService::shown().at(1).text,
            QStringLiteral("La impresora no admite esa configuración de papel"));
        QVERIFY(!QFileInfo::exists(m_pdf));
        for (const PreviewPage& page : std::as_const(document.drawn))
            QVERIFY(!page.printing);
        QVERIFY(!frame.ocupado());
    }

    void printQuestion_data()
    {
        // What the printer dialog asks: every page ("") or pages ("2-3", "actual" for the one shown).
        QTest::addColumn<QString>("pages");
        QTest::addColumn<int>("copies");
        QTest::addColumn<bool>("collate");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<DialogService::Answer>("answer");
        QTest::addColumn<QStringList>("printed");
        const auto registros = [](std::initializer_list<int> pages) {
            QStringList list;
            for (int page : pages)
                list.append(QStringLiteral("Registro%1").arg(page));
            return list;
        };
        QTest::newRow("yes: every page from the first")
            << QString() << 1 << true << false << DialogService::Answer::Yes << registros({1, 2, 3, 4});
        QTest::newRow("no: the page shown")
            << QString() << 1 << true << false << DialogService::Answer::No << registros({3});
        QTest::newRow("cancel: nothing")
            << QString() << 1 << true << false << DialogService::Answer::Cancel << QStringList();
        QTest::newRow("no, two copies")
            << QString() << 2 << true << false << DialogService::Answer::No << registros({3, 3});
        QTest::newRow("pages 2 to 3 twice, uncollated, last first")
            << QStringLiteral("2-3") << 2 << false << true << DialogService::Answer::Yes
            << registros({3, 3, 2, 2});
        QTest::newRow("pages 1 and 4 twice") << QStringLiteral("1,4") << 2 << true << false
                                             << DialogService::Answer::Yes << registros({1, 4, 1, 4});
        QTest::newRow("the page shown, from the dialog")
            << QStringLiteral("actual") << 1 << true << false << DialogService::Answer::Yes << registros({3});
    }

    void printQuestion()
    {
        QFETCH(QString, pages);
        QFETCH(int, copies);
        QFETCH(bool, collate);
        QFETCH(bool, reverse);
        QFETCH(DialogService::Answer, answer);
        QFETCH(QStringList, printed);
        FakeDocument document(4);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        click(button(frame, "cmdSiguiente"));
        click(button(frame, "cmdSiguiente"));
        DialogService::queuePrinterChoice([&](QPrinter& printer) {
            printer.setPrintRange(pages.isEmpty()      ? QPrinter::AllPages
                    : pages == QLatin1String("actual") ? QPrinter::CurrentPage
                                                       : QPrinter::PageRange);
            printer.setPageRanges(QPageRanges::fromString(pages));
            printer.setCopyCount(copies);
            printer.setCollateCopies(collate);
            printer.setPageOrder(reverse ? QPrinter::LastPageFirst : QPrinter::FirstPageFirst);
        });
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(answer);
        click(button(frame, "cmdImprime"));
        // Pages chosen in the printer dialog are not asked about again.
        const QList<DialogService::Shown> shown = DialogService::shown();
        QCOMPARE(shown.size(), pages.isEmpty() ? 2 : 1);
        if (pages.isEmpty()) {
            QCOMPARE(shown.at(1).text,
                QStringLiteral("¿Desea imprmir todas las páginas?\nSi= Todas las paginas\nNo=Pagina actual"));
            QCOMPARE(shown.at(1).buttons, DialogService::Buttons::YesNoCancel);
            QCOMPARE(shown.at(1).icon, DialogService::Icon::Information);
        }
        if (printed.isEmpty()) {
            QVERIFY(!QFileInfo::exists(m_pdf));
        } else {
            QStringList found;
            for (const PdfReader::Word& word : PdfReader::words(m_pdf)) {
                if (word.text.startsWith(QLatin1String("Registro")))
                    found.append(word.text);
            }
            QCOMPARE(found, printed);
            QCOMPARE(PdfReader::pages(m_pdf), printed.size());
        }
        // The preview is as it was.
        QCOMPARE(frame.paginacion().pagina(), 3);
        QVERIFY(!frame.ocupado());
        QVERIFY(button(frame, "cmdImprime")->isEnabled());
    }

    void cancelledPrinterDialogPrintsNothing()
    {
        FakeDocument document(2);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        DialogService::queueAnswer(DialogService::Answer::Cancel);
        click(button(frame, "cmdImprime"));
        QCOMPARE(DialogService::shown().size(), 1);
        QVERIFY(!QFileInfo::exists(m_pdf));
        for (const PreviewPage& page : std::as_const(document.drawn))
            QVERIFY(!page.printing);
    }

    void previewAndPaperAgreeItemForItem()
    {
        FakeDocument document(3);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        click(button(frame, "cmdSiguiente"));
        const PrintPage shown = frame.picTexto()->page();
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::No);
        click(button(frame, "cmdImprime"));

        QStringList shownWords;
        QList<QPointF> shownAt;
        for (const PrintItem& item : shown) {
            if (item.kind != PrintItem::Kind::Text)
                continue;
            const QStringList lines = item.text.split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                shownWords.append(lines.at(i));
                shownAt.append(item.at + QPointF(0, i * PrintSurface::lineSpacing(item.font).toCm()));
            }
        }
        const QList<PdfReader::Word> words = PdfReader::words(m_pdf);
        QCOMPARE(words.size(), shownWords.size());
        // Every word where the preview put it: the page area starts at the printer's margins.
        const QMarginsF margins = frame.impresora().pageLayout().margins(QPageLayout::Point);
        const QPointF first = words.at(0).topLeft - shownAt.at(0) * 72 / 2.54;
        for (qsizetype i = 0; i < words.size(); ++i) {
            QCOMPARE(words.at(i).text, shownWords.at(i));
            const QPointF expected = QPointF(margins.left(), margins.top()) + shownAt.at(i) * 72 / 2.54;
            QVERIFY2(qAbs(words.at(i).topLeft.x() - expected.x()) < 1.5, qPrintable(words.at(i).text));
            // Tops differ from the placement by the font's own leading: the same for every line.
            const QPointF relative = words.at(i).topLeft - shownAt.at(i) * 72 / 2.54;
            QVERIFY2(qAbs(relative.y() - first.y()) < 1.5, qPrintable(words.at(i).text));
        }
        QVERIFY(shown.size() > shownWords.size() - 1);
        QCOMPARE(document.drawn.last().start, 2);
        QCOMPARE(document.drawn.last().number, 2);
        QVERIFY(document.drawn.last().printing);
    }

    void itemUnderThePointer()
    {
        FakeDocument document(1);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Sobres);
        frame.setDocumento(&document);
        frame.show();
        const PreviewPageWidget* page = frame.picTexto();
        const auto at = [](double xCm, double yCm) {
            return QPoint(
                qRound(xCm * PreviewLayout::kPixelsPerCm), qRound(yCm * PreviewLayout::kPixelsPerCm));
        };
        QCOMPARE(page->itemAt(at(1.2, 1.2)), 0);
        QCOMPARE(page->itemAt(at(5, 3)), 2);
        // The second line of a two-line text belongs to it.
        const double pitch = PrintSurface::lineSpacing(page->page().at(3).font).toCm();
        QCOMPARE(page->itemAt(at(4.2, 6 + pitch * 1.5)), 3);
        QCOMPARE(page->itemAt(at(12, 12)), -1);
    }

    void longPrintStreamsWithProgress()
    {
        FakeDocument document(200);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        QStringList progress;
        QList<int> sentBefore;
        document.onDraw = [&](PrintSurface& surface, const PreviewPage& page) {
            if (!page.printing)
                return;
            // Every page but the one just finished has gone to the printer: no more than one is held.
            sentBefore.append(dynamic_cast<PrinterSurface&>(surface).pagesSent());
            if (auto* dialog = frame.findChild<QProgressDialog*>())
                progress.append(dialog->labelText());
            // Nothing else starts meanwhile.
            click(button(frame, "cmdSiguiente"));
            click(option(frame, "optPapel1"));
        };
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::Yes);
        const int previewDrawings = int(document.drawn.size());
        click(button(frame, "cmdImprime"));
        QCOMPARE(PdfReader::pages(m_pdf), 200);
        QCOMPARE(sentBefore.size(), 200);
        for (int i = 0; i < sentBefore.size(); ++i)
            QCOMPARE(sentBefore.at(i), qMax(0, i - 1));
        QCOMPARE(progress.first(), QStringLiteral("Imprimiendo la página 1 de 200"));
        QCOMPARE(progress.last(), QStringLiteral("Imprimiendo la página 200 de 200"));
        QCOMPARE(document.drawn.size(), previewDrawings + 200);
        QCOMPARE(frame.paginacion().pagina(), 1);
        QVERIFY(option(frame, "optPapel0")->isChecked());
    }

    void cancelledProgressSendsNothing()
    {
        FakeDocument document(50);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        document.onDraw = [&](PrintSurface&, const PreviewPage& page) {
            if (page.printing && page.number == 5)
                frame.findChild<QProgressDialog*>()->cancel();
        };
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::Yes);
        click(button(frame, "cmdImprime"));
        QVERIFY(!QFileInfo::exists(m_pdf));
        QCOMPARE(document.drawn.last().number, 5);
        QVERIFY(!frame.ocupado());
        // No failure is reported for a job the user stopped.
        QCOMPARE(DialogService::shown().size(), 2);
        // The printer prints again afterwards.
        document.onDraw = nullptr;
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(DialogService::Answer::Yes);
        click(button(frame, "cmdImprime"));
        QCOMPARE(PdfReader::pages(m_pdf), 50);
    }

    void envelopeOfItsOwnSize_data()
    {
        QTest::addColumn<DialogService::Answer>("answer");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("the one shown")
            << DialogService::Answer::No << QStringList {QStringLiteral("Registro3")};
        QTest::newRow("all from the first")
            << DialogService::Answer::Yes
            << QStringList {QStringLiteral("Registro1"), QStringLiteral("Registro2"),
                   QStringLiteral("Registro3"), QStringLiteral("Registro4"), QStringLiteral("Registro5")};
    }

    void envelopeOfItsOwnSize()
    {
        QFETCH(DialogService::Answer, answer);
        QFETCH(QStringList, printed);
        EnvelopeDocument document;
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Sobres);
        frame.setDocumento(&document);
        frame.show();
        QCOMPARE(document.drawn.last().start, 3);
        // The page shown is the envelope.
        QVERIFY(qAbs(frame.areaPagina().width.toCm() - 22.0) < 0.01);
        QVERIFY(qAbs(frame.areaPagina().height.toCm() - 11.0) < 0.01);
        QVERIFY(!button(frame, "cmdSiguiente")->isVisibleTo(&frame));
        DialogService::queueAnswer(DialogService::Answer::Ok);
        DialogService::queueAnswer(answer);
        click(button(frame, "cmdImprime"));
        QStringList found;
        for (const PdfReader::Word& word : PdfReader::words(m_pdf)) {
            if (word.text.startsWith(QLatin1String("Registro")))
                found.append(word.text);
        }
        QCOMPARE(found, printed);
        // Printed on an A4 sheet, landscape, whose page area the document was given.
        const QSizeF sheet = PdfReader::pageSize(m_pdf);
        QVERIFY(qAbs(sheet.width() - Length::mm(297).toPoints()) < 1);
        QVERIFY(qAbs(sheet.height() - Length::mm(210).toPoints()) < 1);
        const QRectF area = frame.impresora().pageLayout().paintRectPoints();
        bool hoja = false;
        for (const PdfReader::Word& word : PdfReader::words(m_pdf, 1)) {
            if (word.text.startsWith(QLatin1String("Hoja")))
                hoja = qAbs(word.topLeft.x() - (area.right() - Length::cm(6).toPoints())) < 2;
        }
        QVERIFY(hoja);
    }

    void envelopeSizeChanged()
    {
        EnvelopeDocument document;
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Sobres);
        frame.setDocumento(&document);
        frame.show();
        document.width = Length::mm(241);
        QVERIFY(frame.configuraPagina());
        frame.vuelveAEmpezar();
        QVERIFY(qAbs(frame.areaPagina().width.toCm() - 24.1) < 0.01);
        QCOMPARE(frame.picTexto()->pageSizeCm(), frame.areaPagina().toCm());
        QCOMPARE(document.drawn.last().start, 3);
        // Its new width reaches the layout.
        QCOMPARE(frame.picTexto()->page().at(2).to.x(), frame.areaPagina().width.toCm());
    }

    void helpPageOfTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("page");
        QTest::newRow("listing") << 0 << QStringLiteral("/DATA/AYUDA/listado.htm");
        QTest::newRow("labels") << 1 << QStringLiteral("/DATA/AYUDA/etiquetas.htm");
        QTest::newRow("envelopes") << 2 << QStringLiteral("/DATA/AYUDA/sobres.htm");
    }

    void helpPageOfTheMode()
    {
        QFETCH(int, mode);
        QFETCH(QString, page);
        frmVPreliminar frame;
        frame.setConfiguracion(mode);
        // Modal, as the launchers show it.
        frame.setWindowModality(Qt::ApplicationModal);
        frame.show();
        const QWidgetList before = QApplication::topLevelWidgets();
        // A double click opens it once.
        click(button(frame, "cmdAyuda"));
        QTest::mouseDClick(button(frame, "cmdAyuda"), Qt::LeftButton, {}, QPoint(4, 4));
        QTest::mouseRelease(button(frame, "cmdAyuda"), Qt::LeftButton, {}, QPoint(4, 4));
        int shown = 0;
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows) {
            auto* help = qobject_cast<frmAyudaGrande*>(w);
            if (!help || before.contains(w) || !help->isVisible())
                continue;
            shown += help->navegador()->source().toLocalFile().endsWith(page, Qt::CaseInsensitive) ? 1 : 0;
            // It takes the keyboard above the modal preview: Esc closes it.
            const QPointer<frmAyudaGrande> open(help);
            QTest::keyClick(help->windowHandle(), Qt::Key_Escape);
            QVERIFY(!open || !open->isVisible());
        }
        QCOMPARE(shown, 1);
    }

    // Every text of the printer dialog, its options and the printer's properties in Spanish.
    void printDialogSpeaksSpanish()
    {
        QtSpanish spanish;
        if (!spanish.loadCatalogue())
            QSKIP("Qt's Spanish catalogue (qt6-translations-l10n) is not installed");
        // Asks the program's translator for each text of Qt's printing and keeps those it has not.
        struct Untranslated : QTranslator
        {
            const QTranslator* spanish = nullptr;
            mutable QStringList texts;
            QString translate(
                const char* context, const char* source, const char* disambiguation, int n) const override
            {
                const QString text = spanish->translate(context, source, disambiguation, n);
                if (text.isEmpty() && QByteArrayView(context).contains("Print"))
                    texts.append(QLatin1String(context) + QLatin1String(": ") + QLatin1String(source));
                return text;
            }
            bool isEmpty() const override { return false; }
        } untranslated;
        untranslated.spanish = &spanish;
        QCoreApplication::installTranslator(&untranslated);
        {
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_pdf);
            QPrintDialog dialog(&printer);
            // The properties are a modal dialog of their own, closed once up.
            QTimer::singleShot(0, &dialog, [] { QApplication::activeModalWidget()->close(); });
            click(dialog.findChild<QPushButton*>(QStringLiteral("properties")));
        }
        QCoreApplication::removeTranslator(&untranslated);
        QVERIFY2(untranslated.texts.isEmpty(), qPrintable(untranslated.texts.join(QLatin1Char('\n'))));
    }

    void noPageChangeWhileAPageIsDrawn()
    {
        FakeDocument document(4);
        frmVPreliminar frame;
        frame.setConfiguracion(frmVPreliminar::Informe);
        frame.setDocumento(&document);
        frame.show();
        bool clicked = false;
        document.onDraw = [&](PrintSurface&, const PreviewPage& page) {
            if (clicked || page.start != 2)
                return;
            clicked = true;
            click(button(frame, "cmdSiguiente"));
            click(button(frame, "cmdAnterior"));
            click(option(frame, "optOrientacion0"));
        };
        click(button(frame, "cmdSiguiente"));
        QVERIFY(clicked);
        QCOMPARE(frame.paginacion().pagina(), 2);
        QCOMPARE(document.drawn.size(), 2);
        QVERIFY(option(frame, "optOrientacion1")->isChecked());
    }
};

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
