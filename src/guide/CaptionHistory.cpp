#include "guide/CaptionHistory.h"

#include "platform/db/SqlText.h"

QString CaptionHistory::key(const QString& sql)
{
    const qsizetype orden = SqlText::indexOfKeyword(sql, QStringLiteral("ORDER BY"));
    const QString sinOrden = orden >= 0 ? sql.left(orden) : sql;
    // The query service compares texts without regard to case.
    return sinOrden.trimmed().toUpper();
}

void CaptionHistory::remember(const QString& sql, const QString& caption)
{
    const QString k = key(sql);
    m_entries.removeIf([&k](const Entry& e) { return e.key == k; });
    m_entries.append({k, caption});
    while (m_entries.size() > kKept)
        m_entries.removeFirst();
}

QString CaptionHistory::captionFor(const QString& sql, const QString& fallback) const
{
    const QString k = key(sql);
    for (qsizetype i = m_entries.size() - 1; i >= 0; --i) {
        if (m_entries.at(i).key == k)
            return m_entries.at(i).caption;
    }
    return fallback;
}
