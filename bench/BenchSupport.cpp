#include "BenchSupport.h"

#include "core/Installation.h"
#include "platform/db/Connection.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <sqlite3.h>
#include <vector>

namespace Bench {
namespace {
long s_peakBeforeFloorsKb = 0;
} // namespace

const QString kSelect = QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, "
                                       "provincia, poblacion, domicilio, cp, telefono, "
                                       "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
                                       "superficie, vehiculos, empleados, observaciones, "
                                       "empresa_id  FROM tbl_empresas");

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

void rawStepLoop(Connection& conn, const QString& query)
{
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = query.toUtf8();
    sqlite3_prepare_v2(conn.handle(), sql.constData(), int(sql.size()), &st, nullptr);
    const int columns = sqlite3_column_count(st);
    size_t bytes = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            sqlite3_column_text(st, c);
            bytes += size_t(sqlite3_column_bytes(st, c));
        }
    }
    sqlite3_finalize(st);
    if (bytes == 0)
        std::fprintf(stderr, "no rows read\n");
}

void reportAgainstFloor(int companies, const char* figure, double ms, const QString& sql, const char* unit)
{
    report(companies, figure, ms, unit);
    s_peakBeforeFloorsKb = std::max(s_peakBeforeFloorsKb, peakResidentKb());
    const double floor = median(3, [&] { rawStepLoop(gConexion(), sql); });
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
