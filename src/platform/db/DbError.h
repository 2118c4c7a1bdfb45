#pragma once

#include <QString>
#include <stdexcept>

// An error raised by the data-access layer, with the number and text the callers report.
class DbError : public std::runtime_error
{
public:
    enum Number {
        Failed = 3000,
        ArgumentOutOfRange = 3001,
        NoCurrentRecord = 3021,
        NotAllowedWhenClosed = 3704,
        NotUpdatable = 3251,
        BadCriterion = 3265,
        NoConnection = 30000,
    };

    DbError(int number, const QString& description)
        : std::runtime_error(description.toStdString())
        , m_number(number)
        , m_description(description)
    {
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};
