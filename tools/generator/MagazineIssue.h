#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <memory>

class QFont;
class QPainter;
class QPdfWriter;
class QColor;

// The PDF issue of the fortnightly magazine Sendavo that the publications screen opens: an A4 issue of
// six pages (cover, contents and editorial, the news of food and of drugstore and perfumery, the
// hospitality section, the trade fairs and the subscription page). The bytes do not depend on the day
// they are made.
class MagazineIssue
{
public:
    MagazineIssue();
    ~MagazineIssue();
    MagazineIssue(const MagazineIssue&) = delete;
    MagazineIssue& operator=(const MagazineIssue&) = delete;

    QByteArray write();

private:
    struct Article
    {
        const char* headline;
        const char* body;
    };

    qreal units(qreal points) const;
    QRectF rect(qreal x, qreal y, qreal w, qreal h) const;
    QFont font(qreal points, bool bold = false, bool italic = false, bool serif = false) const;
    // Writes wrapped text from `top` in the column (points); gives the top of what follows.
    qreal text(const QRectF& column, qreal top, const QFont& font, const QColor& colour, const QString& text,
        qreal after = 6);
    void newPage();
    void runningHead(const QString& section, int page);
    qreal sectionTitle(const QString& section, const QString& summary);
    void articles(qreal top, const Article* first, int count);
    void advert(const QRectF& box, const QString& title, const QString& body);

    void cover();
    void contents();
    void food();
    void drugstore();
    void horeca();
    void fairs();

    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    QByteArray m_bytes;
};
