#pragma once

#include <QString>
#include <QtGlobal>

// Builds a sample installation folder: the company database DATA/DIdarari.idb, the menu's backgrounds
// in fondos/, the help in DATA/AYUDA/ and the sector rankings in DATA/RANKING/. Each file is written
// under a temporary name and renamed when complete, so an interrupted run leaves no half file.
// The backgrounds are drawn, so a QGuiApplication must exist.
class InstallationGenerator
{
public:
    static constexpr int kDefaultCompanies = 12000;
    static constexpr quint64 kDefaultSeed = 20100301;

    struct Options
    {
        QString outputDir;
        int companies = kDefaultCompanies;
        quint64 seed = kDefaultSeed;
    };

    explicit InstallationGenerator(Options options);

    bool run();
    QString errorString() const { return m_error; }

    static QString databasePath(const QString& outputDir);

private:
    bool generateDatabase();
    bool fail(const QString& message);

    Options m_options;
    QString m_error;
};
