#include "BenchSupport.h"

#include "core/Installation.h"
#include "generator/CompanyGenerator.h"
#include "platform/db/Connection.h"
#include "platform/db/SpanishText.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <sqlite3.h>
#include <vector>

namespace Bench {
namespace {
long s_peakBeforeFloorsKb = 0;
bool s_failed = false;
} // namespace

const QString kSelect = QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, "
                                       "provincia, poblacion, domicilio, cp, telefono, "
                                       "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
                                       "superficie, vehiculos, empleados, observaciones, "
                                       "empresa_id  FROM tbl_empresas");

bool generate(const QString& path, int companies)
{
    sqlite3* db = nullptr;
    bool ok = sqlite3_open(QFile::encodeName(path).constData(), &db) == SQLITE_OK;
    if (ok) {
        SpanishText::install(db);
        sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
        CompanyGenerator generator(20100301);
        ok = generator.generate(db, companies);
    }
    sqlite3_close(db);
    if (!ok)
        fail("generate the database", QStringLiteral("made no database of %1 companies").arg(companies));
    return ok;
}

void fail(const char* figure, const QString& what)
{
    s_failed = true;
    std::fprintf(stderr, "tarvesa-bench: «%s» %s\n", figure, qPrintable(what));
    std::fflush(stderr);
}

bool expect(bool happened, const char* figure, const QString& what)
{
    if (!happened)
        fail(figure, what);
    return happened;
}

bool failed()
{
    return s_failed;
}

void click(QWidget* widget, QPoint pos)
{
    if (pos == QPoint(-1, -1))
        pos = widget->rect().center();
    const QPoint global = widget->mapToGlobal(pos);
    QMouseEvent move(QEvent::MouseMove, pos, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    QMouseEvent press(QEvent::MouseButtonPress, pos, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(
        QEvent::MouseButtonRelease, pos, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

bool runSelf(const QStringList& arguments)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    std::fputs(child.readAllStandardOutput().constData(), stdout);
    std::fflush(stdout);
    if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0)
        return true;
    // What it said is passed on only now: the figures it names, among the platform's warnings.
    std::fputs(child.readAllStandardError().constData(), stderr);
    s_failed = true;
    std::fprintf(stderr, "tarvesa-bench: %s %s\n", qPrintable(arguments.value(0)),
        child.exitStatus() == QProcess::NormalExit
            ? qPrintable(QStringLiteral("ended with status %1").arg(child.exitCode()))
            : "crashed");
    std::fflush(stderr);
    return false;
}

double median(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double medianOf(int runs, const std::function<double()>& timed)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(timed());
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(int companies, const char* figure, double value, const char* unit)
{
    std::printf("%8d  %-44s %10.2f %s\n", companies, figure, value, unit);
    std::fflush(stdout);
}

long peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}

long residentKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qsizetype(qstrlen(key))).trimmed().split(' ').first().toLong();
    }
    return 0;
}

bool resetPeakResident()
{
    QFile clearRefs(QStringLiteral("/proc/self/clear_refs"));
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

qint64 rawStepLoop(Connection& conn, const QString& query)
{
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = query.toUtf8();
    sqlite3_prepare_v2(conn.handle(), sql.constData(), int(sql.size()), &st, nullptr);
    const int columns = sqlite3_column_count(st);
    qint64 rows = 0;
    size_t bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        ++rows;
        for (int c = 0; c < columns; ++c) {
            sqlite3_column_text(st, c);
            bytes += size_t(sqlite3_column_bytes(st, c));
        }
    }
    sqlite3_finalize(st);
    return bytes > 0 ? rows : 0;
}

void reportAgainstFloor(int companies, const char* figure, double ms, const QString& sql, const char* unit)
{
    report(companies, figure, ms, unit);
    s_peakBeforeFloorsKb = std::max(s_peakBeforeFloorsKb, peakResidentKb());
    qint64 rows = 0;
    const double floor = median(3, [&] { rows = rawStepLoop(gConexion(), sql); });
    expect(rows > 0, figure, QStringLiteral("has a floor that read no rows"));
    malloc_trim(0);
    resetPeakResident();
    const QByteArray ratio
        = QByteArray(figure) + ": ratio to the raw step loop (" + QByteArray::number(floor, 'f', 0) + " ms)";
    report(companies, ratio.constData(), floor > 0 ? ms / floor : 0, "x");
}

long peakOutsideFloorsKb()
{
    return std::max(s_peakBeforeFloorsKb, peakResidentKb());
}

} // namespace Bench
