#pragma once

#include <QByteArray>
#include <QString>

// A parsed search criterion of the form "field op value", as a recordset's find takes it.
class FindCriterion
{
public:
    enum class Op { Equal, NotEqual, Less, Greater, LessEqual, GreaterEqual, Like };

    // Throws DbError when the text is not a criterion.
    static FindCriterion parse(const QString& text);

    QString field() const { return m_field; }
    Op op() const { return m_op; }

    // For text values: true when `text` (UTF-8) satisfies the criterion.
    bool matchesText(QByteArrayView text) const;
    // For numeric values.
    bool matchesNumber(double number) const;
    bool isNumeric() const { return m_numeric; }
    // For LIKE: the lower-case ASCII letter or digit every match starts with (any case); 0 when none.
    char leadingAscii() const { return m_op == Op::Like ? m_leadingAscii : 0; }

private:
    bool holds(int comparison) const;

    QString m_field;
    Op m_op = Op::Equal;
    QString m_value;
    QByteArray m_utf8Value;
    QByteArray m_likePattern; // SQL LIKE form with '\' as its escape
    char m_leadingAscii
        = 0; // the pattern's first character when it is a plain ASCII letter or digit, lower-case
    bool m_numeric = false;
    double m_number = 0;
};
