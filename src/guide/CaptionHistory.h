#pragma once

#include <QList>
#include <QString>

// The captions of the queries lately shown, so that going back to a query brings its caption back.
// A query is known by its text without its ORDER BY clause: sorting does not change what is shown.
class CaptionHistory
{
public:
    static constexpr int kKept = 16;

    void remember(const QString& sql, const QString& caption);
    // The caption last remembered for that query; `fallback` when none is.
    QString captionFor(const QString& sql, const QString& fallback) const;

    static QString key(const QString& sql);

private:
    struct Entry
    {
        QString key;
        QString caption;
    };
    QList<Entry> m_entries; // newest last
};
