#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>

// The front cover of one of the publisher's publications, as the catalogue screen shows it: the title
// on a coloured band, what the publication is, a drawing of its subject and the publisher's mark.
class PublicationCover
{
public:
    enum class Motif { Chart, Crates, Bottles, Headlines, Interview, Emblem };

    struct Spec
    {
        QString title;
        QString subtitle;
        QString edition;
        QColor colour;
        Motif motif;
    };

    explicit PublicationCover(Spec spec);

    // The cover drawn at twice the size and scaled down, so that small pictures stay smooth.
    QImage render(const QSize& size) const;

private:
    void paint(QImage& image) const;

    Spec m_spec;
};
