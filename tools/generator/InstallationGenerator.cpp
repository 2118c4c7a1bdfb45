#include "InstallationGenerator.h"

#include "BackgroundWriter.h"
#include "CompanyGenerator.h"
#include "HelpWriter.h"
#include "PublisherContent.h"
#include "RankingWriter.h"
#include "SectorDocuments.h"
#include "platform/db/SpanishText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHashSeed>
#include <cstdio>
#include <memory>
#include <sqlite3.h>

namespace {

struct ConnectionCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

} // namespace

InstallationGenerator::InstallationGenerator(Options options)
    : m_options(std::move(options))
{
}

QString InstallationGenerator::databasePath(const QString& outputDir)
{
    return QDir(outputDir).filePath(QStringLiteral("DATA/DIdarari.idb"));
}

bool InstallationGenerator::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool InstallationGenerator::run()
{
    // Qt writes some files (the fonts of a PDF) in hash order: a fixed seed keeps every run's bytes equal.
    QHashSeed::setDeterministicGlobalSeed();
    m_error.clear();
    if (m_options.outputDir.isEmpty())
        return fail(QStringLiteral("No output folder given"));
    if (m_options.companies < 0)
        return fail(QStringLiteral("The number of companies cannot be negative"));
    if (!generateDatabase())
        return false;
    const QDir out(m_options.outputDir);
    BackgroundWriter backgrounds(out.path());
    if (!backgrounds.write())
        return fail(backgrounds.errorString());
    HelpWriter help(out.filePath(QStringLiteral("DATA/AYUDA")));
    if (!help.write())
        return fail(help.errorString());
    PublisherContent publisher(out.path());
    if (!publisher.write())
        return fail(publisher.errorString());
    // The rankings are read from the database just written, so they always agree with it.
    RankingWriter rankings(databasePath(m_options.outputDir), out.filePath(QStringLiteral("DATA/RANKING")));
    if (!rankings.write())
        return fail(rankings.errorString());
    SectorDocuments documents(databasePath(m_options.outputDir), out.filePath(QStringLiteral("DATA/Files")));
    if (!documents.write())
        return fail(documents.errorString());
    return true;
}

bool InstallationGenerator::generateDatabase()
{
    const QString finalPath = databasePath(m_options.outputDir);
    const QString dataDir = QFileInfo(finalPath).absolutePath();
    if (!QDir().mkpath(dataDir))
        return fail(QStringLiteral("Cannot create the folder %1").arg(dataDir));
    const QString tempPath = finalPath + QStringLiteral(".tmp");
    QFile::remove(tempPath);

    bool ok = false;
    {
        sqlite3* raw = nullptr;
        const int opened = sqlite3_open_v2(QFile::encodeName(tempPath).constData(), &raw,
            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        const Connection db(raw);
        if (opened != SQLITE_OK)
            return fail(
                QStringLiteral("Cannot create %1: %2").arg(tempPath, QString::fromUtf8(sqlite3_errmsg(raw))));
        if (!SpanishText::install(db.get()))
            return fail(QStringLiteral("Cannot install the %1 collation")
                            .arg(QLatin1String(SpanishText::kCollation)));
        // The file is thrown away if anything fails, so no journal is needed while it is built.
        sqlite3_exec(db.get(),
            "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF; PRAGMA cache_size = -65536", nullptr,
            nullptr, nullptr);
        CompanyGenerator companies(m_options.seed);
        ok = companies.generate(db.get(), m_options.companies);
        if (!ok)
            m_error = companies.errorString();
    }
    if (!ok) {
        QFile::remove(tempPath);
        return false;
    }
    // rename() replaces an older database in one step.
    if (std::rename(QFile::encodeName(tempPath).constData(), QFile::encodeName(finalPath).constData()) != 0) {
        QFile::remove(tempPath);
        return fail(QStringLiteral("Cannot rename %1 to %2").arg(tempPath, finalPath));
    }
    return true;
}
