#include "printing/preview/PreviewDocument.h"

#include "platform/print/PreviewSurface.h"
#include "platform/print/Printers.h"

int PreviewDocument::pageStart(int number, const QSizeF& pageCm)
{
    int start = 1;
    for (int page = 1; page < number; ++page) {
        PreviewSurface scratch(PageExtent::fromCm(pageCm));
        const int next = drawPage(scratch, PreviewPage {start, page, true});
        // A document that does not move on has ended.
        if (next <= start)
            return 0;
        start = next;
    }
    return number >= 1 ? start : 0;
}

QList<PaperOption> otherPapers(const QPageLayout& current)
{
    const bool a3 = current.pageSize().id() == QPageSize::A3;
    const bool landscape = current.orientation() == QPageLayout::Landscape;
    const auto option = [&](bool otherPaper, bool turned) {
        const bool optionA3 = a3 != otherPaper;
        const bool optionLandscape = landscape != turned;
        const QString turn = optionLandscape ? QStringLiteral(" apaisado") : QStringLiteral(" vertical");
        QString advice = otherPaper ? (optionA3 ? QStringLiteral("el A3") : QStringLiteral("el A4"))
                                    : QStringLiteral("el papel");
        if (turned)
            advice += turn;
        QPageLayout layout
            = Printers::turned(current, optionLandscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        layout.setPageSize(QPageSize(optionA3 ? QPageSize::A3 : QPageSize::A4));
        return PaperOption {advice, layout.paintRect(QPageLayout::Millimeter).size() / 10.0};
    };
    return {option(false, true), option(true, false), option(true, true)};
}
