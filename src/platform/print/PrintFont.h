#pragma once

#include <QFont>
#include <QString>

// A font as the layout routines name it: the Windows face name, the size in points and the styles.
struct PrintFont
{
    QString name = QStringLiteral("Arial");
    double pointSize = 10;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    // Width of the letters in percent of their own: below 100 the type is narrowed to fit a width.
    int stretch = 100;

    // The installed face that stands for the name, at the size in points.
    QFont toFont() const;

    bool operator==(const PrintFont&) const = default;
};
