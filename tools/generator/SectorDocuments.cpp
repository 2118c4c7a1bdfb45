#include "SectorDocuments.h"

#include "OutputFile.h"
#include "PdfReport.h"
#include "PublisherDocument.h"
#include "ReadOnlyDatabase.h"
#include "XlsxWorkbook.h"
#include "platform/db/SpanishText.h"

#include <QDir>
#include <QLocale>
#include <algorithm>
#include <vector>

namespace {

// The sectors as stored, as printed, and the turnover per employee (thousands of euros) the
// publisher's estimates assume for each.
struct Sector
{
    const char* stored;
    const char* printed;
    int turnoverPerEmployee;
};

const Sector kSectors[] = {
    {"CATERING", "Catering", 38},
    {"DISTRIBUCION", "Distribución", 210},
    {"EQUIPAMIENTO", "Equipamiento", 140},
    {"ESCUELAS", "Escuelas", 45},
    {"FRANQUICIAS", "Franquicias", 55},
    {"HOTELES", "Hoteles", 60},
    {"TRANSPORTE", "Transporte", 95},
    {"VENDING", "Vending", 85},
};

constexpr int kLeadersPerSector = 5;
constexpr int kLeadersInReport = 25;
constexpr int kChainsInReport = 20;

const QLocale& spanish()
{
    static const QLocale locale(QLocale::Spanish, QLocale::Spain);
    return locale;
}

QString number(qint64 value)
{
    return spanish().toString(value);
}

QString number(const QString& digits)
{
    return digits.isEmpty() ? QString() : number(digits.toLongLong());
}

QString percent(qint64 part, qint64 whole)
{
    return spanish().toString(whole > 0 ? 100.0 * double(part) / double(whole) : 0.0, 'f', 1)
        + QStringLiteral(" %");
}

// "a, b y c".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.value(0);
    return QStringList(items.mid(0, items.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" y ")
        + items.last();
}

// Columns of SectorDocuments::companies().
enum CompanyColumn { Empresa, Actividad, Poblacion, Provincia, Telefono, Empleados, Establecimientos };

} // namespace

struct SectorDocuments::Figures
{
    qint64 companies = 0;
    qint64 headOffices = 0;
    qint64 declaring = 0;
    qint64 employees = 0;
    QList<QStringList> activities; // actividad, empresas, empleados
    QList<QStringList> provinces; // provincia, comunidad, empresas, sedes, empleados
    QList<std::pair<QString, qint64>> autonomies; // most companies first
};

struct SectorDocuments::Folder
{
    struct Workbook
    {
        const char* file;
        const char* title;
        const char* condition;
        bool byPlace; // sorted by province and town, with a sheet of the provinces
        bool establishments; // the chains: how many establishments each has in the guide
    };

    const char* name;
    const char* condition;
    const char* what; // "empresas de catering"
    const char* reportFile;
    const char* reportKind;
    const char* reportTitle;
    const char* reportSummary;
    std::vector<const char*> trade; // what the trade is and where it stands
    std::vector<Workbook> workbooks;
    const char* chainsHeading = nullptr; // a table of the head offices with most establishments
};

SectorDocuments::SectorDocuments(QString databasePath, QString filesFolder)
    : m_databasePath(std::move(databasePath))
    , m_filesFolder(std::move(filesFolder))
{
}

QStringList SectorDocuments::folders()
{
    return {QStringLiteral("Distribuidores"), QStringLiteral("40 principales"), QStringLiteral("Catering"),
        QStringLiteral("Vending"), QStringLiteral("Franquicias"), QStringLiteral("Hoteles"),
        QStringLiteral("Escuelas"), QStringLiteral("Equipamientos")};
}

bool SectorDocuments::fail(const QString& message)
{
    m_error = message;
    return false;
}

QString SectorDocuments::path(const char* folder, const char* file) const
{
    return QDir(m_filesFolder)
        .filePath(QString::fromUtf8(folder) + QLatin1Char('/') + QString::fromUtf8(file));
}

bool SectorDocuments::write()
{
    m_error.clear();
    ReadOnlyDatabase db(m_databasePath);
    if (!db.isOpen())
        return fail(db.errorString());
    for (const Folder& folder : sectorFolders()) {
        if (!writeSector(db, folder))
            return false;
    }
    return writeLeaders(db) && writeSchoolDirectory(db);
}

bool SectorDocuments::figures(ReadOnlyDatabase& db, const QByteArray& condition, Figures& out)
{
    const QByteArray employees
        = "CASE WHEN empleados GLOB '[0-9]*' THEN CAST(empleados AS INTEGER) ELSE 0 END";
    const QList<QStringList> totals = db.rows("SELECT count(*), coalesce(sum(empresa_id IS NULL), 0), "
                                              "coalesce(sum(empleados GLOB '[0-9]*'), 0), coalesce(sum("
        + employees + "), 0) FROM tbl_empresas WHERE " + condition);
    out.activities = db.rows("SELECT actividad, count(*), sum(" + employees + ") FROM tbl_empresas WHERE "
        + condition + " GROUP BY actividad ORDER BY 2 DESC, actividad");
    out.provinces = db.rows("SELECT provincia, autonomia, count(*), sum(empresa_id IS NULL), sum(" + employees
        + ") FROM tbl_empresas WHERE " + condition + " GROUP BY provincia ORDER BY 3 DESC, provincia");
    if (db.failed() || totals.size() != 1)
        return fail(db.errorString());
    out.companies = totals[0][0].toLongLong();
    out.headOffices = totals[0][1].toLongLong();
    out.declaring = totals[0][2].toLongLong();
    out.employees = totals[0][3].toLongLong();

    out.autonomies.clear();
    for (QStringList& row : out.provinces) {
        if (const SpanishGeography::Province* province = m_geography.provinceByName(row[0]))
            row[0] = QString::fromStdString(province->name);
        const auto it = std::find_if(out.autonomies.begin(), out.autonomies.end(),
            [&row](const auto& autonomy) { return autonomy.first == row[1]; });
        if (it == out.autonomies.end())
            out.autonomies.append({row[1], row[2].toLongLong()});
        else
            it->second += row[2].toLongLong();
    }
    std::stable_sort(out.autonomies.begin(), out.autonomies.end(),
        [](const auto& a, const auto& b) { return a.second > b.second; });
    return true;
}

QList<QStringList> SectorDocuments::companies(
    ReadOnlyDatabase& db, const QByteArray& condition, int limit, bool byEstablishments)
{
    // Equal figures go by name, then by id, so that the order is the same on every run. Establishments
    // are only counted when asked for: it takes a pass over the whole table.
    const QByteArray establishments = byEstablishments
        ? "coalesce(o.establecimientos, 0) AS locales FROM tbl_empresas e LEFT JOIN (SELECT empresa_id, "
          "count(*) AS establecimientos FROM tbl_empresas WHERE empresa_id IS NOT NULL GROUP BY empresa_id) "
          "o "
          "ON o.empresa_id = e.id_emp"
        : "0 AS locales FROM tbl_empresas e";
    QList<QStringList> rows
        = db.rows("SELECT e.empresa, e.actividad, e.poblacion, e.provincia, e.telefono, "
                  "CASE WHEN e.empleados GLOB '[0-9]*' THEN CAST(e.empleados AS INTEGER) END AS plantilla, "
            + establishments + " WHERE e.empresa_id IS NULL AND (" + condition + ") ORDER BY "
            + (byEstablishments ? "locales DESC, " : "")
            + "plantilla IS NULL, plantilla DESC, e.empresa, e.id_emp LIMIT " + QByteArray::number(limit));
    tidyPlaces(rows, Poblacion, Provincia);
    return rows;
}

// The directory's places are not typed consistently; the documents print them as the map does.
void SectorDocuments::tidyPlaces(QList<QStringList>& rows, int townColumn, int provinceColumn) const
{
    for (QStringList& row : rows) {
        const SpanishGeography::Province* province = m_geography.provinceByName(row[provinceColumn]);
        if (!province)
            continue;
        row[provinceColumn] = QString::fromStdString(province->name);
        if (const SpanishGeography::Town* town = SpanishGeography::townByName(*province, row[townColumn]))
            row[townColumn] = QString::fromStdString(town->name);
    }
}

void SectorDocuments::sortByPlace(QList<QStringList>& rows, int townColumn, int provinceColumn)
{
    std::stable_sort(rows.begin(), rows.end(), [=](const QStringList& a, const QStringList& b) {
        for (const int column : {provinceColumn, townColumn, 0}) {
            if (const int order = SpanishText::compare(a[column], b[column]))
                return order < 0;
        }
        return false;
    });
}

bool SectorDocuments::writeSector(ReadOnlyDatabase& db, const Folder& folder)
{
    const QByteArray condition(folder.condition);
    Figures data;
    if (!figures(db, condition, data))
        return false;
    const QList<QStringList> leaders = companies(db, condition, kLeadersInReport);
    const QList<QStringList> chains
        = folder.chainsHeading ? companies(db, condition, kChainsInReport, true) : QList<QStringList>();
    if (db.failed())
        return fail(db.errorString());

    const QString what = QString::fromUtf8(folder.what);
    PdfReport report(QString::fromUtf8(folder.reportKind), QString::fromUtf8(folder.reportTitle),
        QString::fromUtf8(folder.reportSummary));
    report.heading(QStringLiteral("Introducción"));
    if (data.companies == 0) {
        report.paragraph(QStringLiteral("Esta edición de Tarvesa no recoge todavía %1.").arg(what));
    } else {
        report.paragraph(QStringLiteral(
            "La edición 2010 de Tarvesa recoge %1 %2 en %3 provincias de %4 comunidades autónomas. "
            "De ellas, %5 son sedes centrales y %6 son delegaciones, establecimientos o franquicias "
            "que dependen de otra empresa de la guía.")
                             .arg(number(data.companies), what, number(data.provinces.size()),
                                 number(data.autonomies.size()), number(data.headOffices),
                                 number(data.companies - data.headOffices)));
    }
    if (data.declaring > 0) {
        report.paragraph(
            QStringLiteral("Las %1 empresas que declaran su plantilla suman %2 empleados, una media "
                           "de %3 por empresa.")
                .arg(number(data.declaring), number(data.employees),
                    number((data.employees + data.declaring / 2) / data.declaring)));
    }
    for (const char* paragraph : folder.trade)
        report.paragraph(QString::fromUtf8(paragraph));
    if (!leaders.isEmpty() && !leaders[0][Empleados].isEmpty()) {
        QString text
            = QStringLiteral("Por número de empleados encabeza la clasificación %1, de %2 (%3), con %4 "
                             "empleados")
                  .arg(leaders[0][Empresa], leaders[0][Poblacion], leaders[0][Provincia],
                      number(leaders[0][Empleados]));
        QStringList followers;
        for (int i = 1; i < std::min<qsizetype>(3, leaders.size()); ++i) {
            if (!leaders[i][Empleados].isEmpty())
                followers.append(
                    QStringLiteral("%1 (%2)").arg(leaders[i][Empresa], number(leaders[i][Empleados])));
        }
        if (!followers.isEmpty())
            text += QStringLiteral(", seguida de ") + listed(followers);
        report.paragraph(text + QLatin1Char('.'));
    }
    if (!data.provinces.isEmpty()) {
        QStringList regions;
        for (int i = 0; i < std::min<qsizetype>(3, data.autonomies.size()); ++i)
            regions.append(
                QStringLiteral("%1 (%2)").arg(data.autonomies[i].first, number(data.autonomies[i].second)));
        report.paragraph(
            QStringLiteral("Por comunidades autónomas, el mayor número de empresas se concentra en %1. "
                           "Por provincias destaca %2, con %3 empresas, el %4 del total.")
                .arg(listed(regions), data.provinces[0][0], number(data.provinces[0][2]),
                    percent(data.provinces[0][2].toLongLong(), data.companies)));
    }

    report.heading(QStringLiteral("Empresas por actividad"));
    QList<QStringList> activityRows;
    for (const QStringList& row : std::as_const(data.activities))
        activityRows.append({row[0].isEmpty() ? QStringLiteral("Sin especificar") : row[0], number(row[1]),
            percent(row[1].toLongLong(), data.companies), number(row[2])});
    report.table({{QStringLiteral("Actividad"), 0.52}, {QStringLiteral("Empresas"), 0.16, true},
                     {QStringLiteral("% del sector"), 0.16, true}, {QStringLiteral("Empleados"), 0.16, true}},
        activityRows);

    report.heading(QStringLiteral("Empresas por provincia"));
    QList<QStringList> provinceRows;
    for (const QStringList& row : std::as_const(data.provinces))
        provinceRows.append({row[0], row[1], number(row[2]), number(row[3]), number(row[4])});
    report.table({{QStringLiteral("Provincia"), 0.27}, {QStringLiteral("Comunidad autónoma"), 0.31},
                     {QStringLiteral("Empresas"), 0.13, true}, {QStringLiteral("Sedes"), 0.13, true},
                     {QStringLiteral("Empleados"), 0.16, true}},
        provinceRows);

    report.heading(QStringLiteral("Las %1 empresas con más empleados").arg(kLeadersInReport));
    QList<QStringList> leaderRows;
    for (int i = 0; i < leaders.size(); ++i) {
        const QStringList& row = leaders[i];
        leaderRows.append({QString::number(i + 1), row[Empresa], row[Actividad],
            QStringLiteral("%1 (%2)").arg(row[Poblacion], row[Provincia]), number(row[Empleados])});
    }
    report.table({{QStringLiteral("Pos."), 0.06, true}, {QStringLiteral("Empresa"), 0.37},
                     {QStringLiteral("Actividad"), 0.19}, {QStringLiteral("Población (Provincia)"), 0.25},
                     {QStringLiteral("Empleados"), 0.13, true}},
        leaderRows);

    if (folder.chainsHeading) {
        report.heading(QString::fromUtf8(folder.chainsHeading));
        QList<QStringList> chainRows;
        for (const QStringList& row : chains) {
            if (row[Establecimientos].toInt() > 0)
                chainRows.append({row[Empresa], row[Actividad], row[Provincia], number(row[Establecimientos]),
                    number(row[Empleados])});
        }
        report.table({{QStringLiteral("Empresa"), 0.35}, {QStringLiteral("Actividad"), 0.19},
                         {QStringLiteral("Sede"), 0.15}, {QStringLiteral("Establecimientos"), 0.18, true},
                         {QStringLiteral("Empleados"), 0.13, true}},
            chainRows);
    }
    report.note(
        QStringLiteral("Fuente: KORVAN, base de datos de la guía Tarvesa 2010. Las plantillas son las "
                       "declaradas por cada empresa; las clasificaciones sólo cuentan las sedes "
                       "centrales. Los establecimientos son los que la guía recoge de cada empresa."));
    if (!OutputFile::write(path(folder.name, folder.reportFile), report.finish(), m_error))
        return false;

    for (const Folder::Workbook& spec : folder.workbooks) {
        QList<QStringList> rows = companies(db, spec.condition, kMaxRows, spec.establishments);
        if (db.failed())
            return fail(db.errorString());
        if (spec.byPlace)
            sortByPlace(rows, Poblacion, Provincia);
        QList<XlsxWorkbook::Column> columns {{QStringLiteral("Empresa"), 46},
            {QStringLiteral("Actividad"), 28}, {QStringLiteral("Población"), 24},
            {QStringLiteral("Provincia"), 20}, {QStringLiteral("Teléfono"), 13},
            {QStringLiteral("Empleados"), 11, true}};
        if (spec.establishments) {
            columns.append({QStringLiteral("Establecimientos"), 16, true});
        } else {
            for (QStringList& row : rows)
                row.removeLast();
        }

        XlsxWorkbook workbook(QString::fromUtf8(spec.title));
        workbook.addSheet(QStringLiteral("Empresas"), columns, rows);
        QStringList notes {QString::fromUtf8(spec.title) + QStringLiteral(" · Tarvesa 2010"),
            QStringLiteral("Elaborado por KORVAN con los datos de la guía Tarvesa 2010."),
            spec.establishments
                ? QStringLiteral(
                    "Sedes centrales con establecimientos en la guía, de más a menos establecimientos "
                    "(como máximo %1).")
                      .arg(kMaxRows)
                : QStringLiteral("Las %1 sedes centrales con más empleados%2.")
                      .arg(QString::number(kMaxRows),
                          spec.byPlace ? QStringLiteral(", ordenadas por provincia y población") : QString()),
            QStringLiteral(
                "Empleados: plantilla declarada por la empresa; en blanco si no la ha facilitado.")};
        if (spec.byPlace && qstrcmp(spec.condition, folder.condition) == 0) {
            workbook.addSheet(QStringLiteral("Provincias"),
                {{QStringLiteral("Provincia"), 22}, {QStringLiteral("Comunidad autónoma"), 28},
                    {QStringLiteral("Empresas"), 11, true}, {QStringLiteral("Sedes centrales"), 15, true},
                    {QStringLiteral("Empleados"), 12, true}},
                data.provinces);
            notes.append(QStringLiteral("La hoja Provincias cuenta todas las empresas del sector, con sus "
                                        "delegaciones."));
        }
        workbook.addNotes(QStringLiteral("Notas"), notes);
        if (!workbook.save(path(folder.name, spec.file), m_error))
            return false;
    }
    return true;
}

bool SectorDocuments::writeLeaders(ReadOnlyDatabase& db)
{
    struct Leader
    {
        QStringList company;
        const Sector* sector;
        qint64 employees;
    };
    QList<Leader> leaders;
    for (const Sector& sector : kSectors) {
        const QByteArray condition
            = "sector = '" + QByteArray(sector.stored) + "' AND empleados GLOB '[0-9]*'";
        for (const QStringList& row : companies(db, condition, kLeadersPerSector))
            leaders.append({row, &sector, row[Empleados].toLongLong()});
    }
    if (db.failed())
        return fail(db.errorString());
    std::stable_sort(leaders.begin(), leaders.end(), [](const Leader& a, const Leader& b) {
        if (a.employees != b.employees)
            return a.employees > b.employees;
        return SpanishText::compare(a.company[Empresa], b.company[Empresa]) < 0;
    });
    qint64 total = 0;
    for (const Leader& leader : std::as_const(leaders))
        total += leader.employees;

    const char* const folder = "40 principales";
    const QString title = QStringLiteral("Las 40 principales empresas de la hostelería");
    PdfReport report(QStringLiteral("Ranking 2010"), title,
        QStringLiteral("Las cinco empresas con más empleados de cada uno de los ocho sectores de la guía."));
    report.heading(QStringLiteral("Introducción"));
    QStringList sectorNames;
    for (const Sector& sector : kSectors)
        sectorNames.append(QString::fromUtf8(sector.printed).toLower());
    report.paragraph(
        QStringLiteral("Las 40 principales reúne las cinco empresas con más empleados de cada uno de "
                       "los ocho sectores que recoge la guía Tarvesa 2010: %1. Sólo se cuentan las "
                       "sedes centrales, con la plantilla que cada empresa ha declarado a KORVAN para "
                       "esta edición.")
            .arg(listed(sectorNames)));
    if (!leaders.isEmpty()) {
        QStringList followers;
        for (int i = 1; i < std::min<qsizetype>(3, leaders.size()); ++i)
            followers.append(
                QStringLiteral("%1 (%2)").arg(leaders[i].company[Empresa], number(leaders[i].employees)));
        report.paragraph(
            QStringLiteral("Entre todas suman %1 empleados. Encabeza la clasificación %2, empresa de "
                           "%3 con sede en %4 (%5) y %6 empleados%7.")
                .arg(number(total), leaders[0].company[Empresa],
                    QString::fromUtf8(leaders[0].sector->printed).toLower(), leaders[0].company[Poblacion],
                    leaders[0].company[Provincia], number(leaders[0].employees),
                    followers.isEmpty() ? QString() : QStringLiteral(", seguida de ") + listed(followers)));
    }
    report.paragraph(
        QStringLiteral("Las grandes redes de franquicia y los grupos de restauración colectiva, con "
                       "plantillas repartidas entre muchos establecimientos, ocupan los primeros "
                       "puestos; la distribución y el transporte aportan empresas medianas de fuerte "
                       "implantación regional, y las escuelas cierran la clasificación con los "
                       "centros de mayor claustro."));

    report.heading(QStringLiteral("La clasificación"));
    QList<QStringList> rows;
    for (int i = 0; i < leaders.size(); ++i) {
        const QStringList& company = leaders[i].company;
        rows.append({QString::number(i + 1), company[Empresa], QString::fromUtf8(leaders[i].sector->printed),
            company[Provincia], number(leaders[i].employees)});
    }
    report.table({{QStringLiteral("Pos."), 0.06, true}, {QStringLiteral("Empresa"), 0.46},
                     {QStringLiteral("Sector"), 0.16}, {QStringLiteral("Provincia"), 0.19},
                     {QStringLiteral("Empleados"), 0.13, true}},
        rows);

    report.heading(QStringLiteral("Resumen por sectores"));
    QList<QStringList> summary;
    for (const Sector& sector : kSectors) {
        qint64 employees = 0;
        QString first;
        int count = 0;
        for (const Leader& leader : std::as_const(leaders)) {
            if (leader.sector != &sector)
                continue;
            employees += leader.employees;
            if (count++ == 0)
                first = leader.company[Empresa];
        }
        summary.append({QString::fromUtf8(sector.printed), number(count), number(employees), first});
    }
    report.table({{QStringLiteral("Sector"), 0.18}, {QStringLiteral("Empresas"), 0.12, true},
                     {QStringLiteral("Empleados"), 0.14, true}, {QStringLiteral("Primera del sector"), 0.56}},
        summary);
    report.note(
        QStringLiteral("Fuente: KORVAN, base de datos de la guía Tarvesa 2010. La facturación estimada de "
                       "cada empresa figura en la hoja de cálculo que acompaña a este informe."));
    if (!OutputFile::write(
            path(folder, "Las 40 principales empresas de la hostelería.pdf"), report.finish(), m_error))
        return false;

    QList<QStringList> sheet;
    for (int i = 0; i < leaders.size(); ++i) {
        const QStringList& c = leaders[i].company;
        sheet.append({QString::number(i + 1), c[Empresa], QString::fromUtf8(leaders[i].sector->printed),
            c[Actividad], c[Poblacion], c[Provincia], c[Telefono], c[Empleados],
            QString::number(leaders[i].employees * leaders[i].sector->turnoverPerEmployee)});
    }
    XlsxWorkbook workbook(QStringLiteral("Facturación de las 40 principales"));
    workbook.addSheet(QStringLiteral("40 principales"),
        {{QStringLiteral("Posición"), 9, true}, {QStringLiteral("Empresa"), 46},
            {QStringLiteral("Sector"), 14}, {QStringLiteral("Actividad"), 28},
            {QStringLiteral("Población"), 22}, {QStringLiteral("Provincia"), 20},
            {QStringLiteral("Teléfono"), 13}, {QStringLiteral("Empleados"), 11, true},
            {QStringLiteral("Facturación estimada (miles de €)"), 22, true}},
        sheet);
    QStringList notes {QStringLiteral("Facturación de las 40 principales · Tarvesa 2010"),
        QStringLiteral("Las cinco sedes centrales con más empleados de cada sector de la guía."),
        QStringLiteral("Facturación estimada por KORVAN: plantilla declarada por la facturación media por "
                       "empleado del sector, en miles de euros:")};
    for (const Sector& sector : kSectors)
        notes.append(QStringLiteral("    %1: %2")
                         .arg(QString::fromUtf8(sector.printed), number(sector.turnoverPerEmployee)));
    workbook.addNotes(QStringLiteral("Notas"), notes);
    if (!workbook.save(path(folder, "Facturación de las 40 principales.xlsx"), m_error))
        return false;

    PublisherDocument press(
        QStringLiteral("Nota de prensa"), QStringLiteral("KORVAN presenta Las 40 principales 2010"));
    if (!leaders.isEmpty()) {
        press.paragraph(
            QStringLiteral("KORVAN, editora de la guía Tarvesa, publica la edición 2010 de Las 40 "
                           "principales, la clasificación de las cinco empresas con más empleados de "
                           "cada uno de los ocho sectores de la hostelería que recoge la guía. Entre "
                           "las 40 suman %1 empleados.")
                .arg(number(total)));
        press.paragraph(QStringLiteral("La primera posición es para %1, de %2 (%3), con %4 empleados. La "
                                       "clasificación completa y la facturación estimada de cada empresa se "
                                       "incluyen en la carpeta «40 principales» de la guía.")
                            .arg(leaders[0].company[Empresa], leaders[0].company[Poblacion],
                                leaders[0].company[Provincia], number(leaders[0].employees)));
    }
    press.heading(QStringLiteral("Las diez primeras"));
    press.table({{QStringLiteral("Pos."), 0.07, true}, {QStringLiteral("Empresa"), 0.5},
                    {QStringLiteral("Sector"), 0.17}, {QStringLiteral("Provincia"), 0.14},
                    {QStringLiteral("Empleados"), 0.12, true}},
        rows.mid(0, 10));
    press.paragraph(QStringLiteral("Para más información: KORVAN, departamento de publicaciones."));
    const QByteArray pressBytes = press.data(m_error);
    return !pressBytes.isEmpty()
        && OutputFile::write(path(folder, "Nota de prensa - Las 40 principales.docx"), pressBytes, m_error);
}

bool SectorDocuments::writeSchoolDirectory(ReadOnlyDatabase& db)
{
    QList<QStringList> schools = companies(db, "sector = 'ESCUELAS'", kMaxRows);
    if (db.failed())
        return fail(db.errorString());
    sortByPlace(schools, Poblacion, Provincia);
    PublisherDocument document(QStringLiteral("Directorio de escuelas de hostelería"),
        QStringLiteral("Centros de formación en hostelería, turismo y cocina · Edición 2010"));
    document.paragraph(
        QStringLiteral("Relación de escuelas de hostelería, centros de estudios turísticos y escuelas "
                       "de cocina recogidos en la guía Tarvesa 2010, ordenados por provincia y "
                       "población. Los datos completos de cada centro, con sus responsables y "
                       "observaciones, se consultan en la guía."));
    document.heading(QStringLiteral("Centros por provincia"));
    QList<QStringList> rows;
    for (const QStringList& school : std::as_const(schools))
        rows.append(
            {school[Empresa], school[Actividad], school[Poblacion], school[Provincia], school[Telefono]});
    document.table({{QStringLiteral("Centro"), 0.38}, {QStringLiteral("Tipo"), 0.19},
                       {QStringLiteral("Población"), 0.16}, {QStringLiteral("Provincia"), 0.14},
                       {QStringLiteral("Teléfono"), 0.13}},
        rows);
    document.paragraph(QStringLiteral("Fuente: KORVAN, base de datos de la guía Tarvesa 2010."));
    const QByteArray bytes = document.data(m_error);
    return !bytes.isEmpty()
        && OutputFile::write(path("Escuelas", "Directorio de escuelas de hostelería.docx"), bytes, m_error);
}

const std::vector<SectorDocuments::Folder>& SectorDocuments::sectorFolders()
{
    static const std::vector<Folder> folders = {
        {"Distribuidores", "sector = 'DISTRIBUCION'", "empresas de distribución para la hostelería",
            "Informe del sector Distribución 2010.pdf", "Informe sectorial",
            "Distribución para la hostelería",
            "Mayoristas de alimentación y bebidas, especialistas y autoservicios Cash & Carry.",
            {"La distribución a la hostelería reúne a los mayoristas de alimentación y bebidas, a los "
             "especialistas "
             "en congelados, café y vinos, y a los autoservicios mayoristas o Cash & Carry, donde el propio "
             "hostelero hace la compra. Es el eslabón que lleva los productos de los fabricantes a los "
             "bares, "
             "restaurantes y hoteles de cada comarca.",
                "La integración de los distribuidores en grupos de compra y la ampliación de las gamas de "
                "producto "
                "marcan la evolución del canal, que sigue siendo en su mayor parte de ámbito provincial y de "
                "empresa familiar."},
            {{"Distribuidores por provincia.xlsx", "Distribuidores por provincia", "sector = 'DISTRIBUCION'",
                 true, false},
                {"Mayoristas Cash and Carry.xlsx", "Mayoristas Cash and Carry", "actividad = 'Cash & Carry'",
                    false, false}}},
        {"Catering", "sector = 'CATERING'", "empresas de catering", "Informe del sector Catering 2010.pdf",
            "Informe sectorial", "Informe del sector Catering",
            "Restauración colectiva, comedores escolares, catering hospitalario, aéreo y de eventos.",
            {"El catering abarca la restauración colectiva de empresas, hospitales y colegios, el servicio "
             "de "
             "banquetes y eventos y el catering aéreo. Es un sector de grandes plantillas y de contratos a "
             "varios "
             "años, en el que las concesiones de comedores públicos y privados dan estabilidad a las "
             "empresas.",
                "En 2010 el sector afronta la renovación de los contratos de comedores escolares y una "
                "exigencia "
                "creciente en seguridad alimentaria y trazabilidad, mientras el catering de eventos acusa el "
                "recorte de los presupuestos de las empresas."},
            {{"Empresas de catering por provincia.xlsx", "Empresas de catering por provincia",
                "sector = 'CATERING'", true, false}}},
        {"Vending", "sector = 'VENDING'", "empresas de vending", "Informe del sector Vending 2010.PDF",
            "Informe sectorial", "Informe del sector Vending",
            "Operadores, máquinas expendedoras y café para oficinas.",
            {"El vending comprende a los operadores que instalan y reponen máquinas de café, bebidas frías y "
             "aperitivos en empresas, hospitales, centros de enseñanza y estaciones, a los fabricantes y "
             "distribuidores de máquinas expendedoras y a las empresas de café para oficinas.",
                "Es un sector de rutas y de servicio técnico, en el que la calidad del café y la "
                "incorporación de "
                "productos saludables son hoy los principales argumentos comerciales."},
            {{"Operadores de vending por provincia.xlsx", "Operadores de vending por provincia",
                "sector = 'VENDING'", true, false}}},
        {"Franquicias", "sector = 'FRANQUICIAS'", "empresas de franquicia de restauración",
            "Guía de franquicias 2010.pdf", "Guía de franquicias", "Guía de franquicias 2010",
            "Enseñas de restauración rápida, cafeterías, pizzerías, heladerías, cervecerías y panaderías.",
            {"La franquicia de restauración agrupa enseñas de comida rápida, cafeterías, pizzerías, "
             "heladerías, "
             "cervecerías y panaderías con cafetería. La central aporta la marca, el saber hacer y la "
             "central de "
             "compras; el franquiciado, la inversión y la gestión diaria del local.",
                "La guía recoge la sede central de cada enseña y los establecimientos que ha comunicado, lo "
                "que "
                "permite conocer la implantación territorial de cada red."},
            {{"Enseñas franquiciadoras.xlsx", "Enseñas franquiciadoras", "sector = 'FRANQUICIAS'", false,
                true}},
            "Las enseñas con más establecimientos"},
        {"Hoteles", "sector = 'HOTELES'", "empresas hoteleras y de alojamiento",
            "Informe del sector hotelero 2010.pdf", "Informe sectorial", "Informe del sector hotelero",
            "Hoteles, cadenas hoteleras, apartamentos turísticos, hostales, hoteles rurales y balnearios.",
            {"El sector hotelero de la guía incluye hoteles de dos a cinco estrellas, cadenas hoteleras, "
             "apartamentos turísticos, hostales, hoteles rurales y balnearios. Es el primer cliente del "
             "resto de "
             "sectores de la guía: distribución, equipamiento, lencería y servicios.",
                "Las cadenas hoteleras ganan peso con la incorporación de establecimientos en gestión y en "
                "franquicia, mientras el turismo rural y de salud amplía la oferta fuera de los destinos de "
                "costa."},
            {{"Hoteles por provincia.xlsx", "Hoteles por provincia", "sector = 'HOTELES'", true, false},
                {"Cadenas hoteleras.xlsx", "Cadenas hoteleras",
                    "sector = 'HOTELES' AND actividad = 'Cadena hotelera'", false, true}},
            "Las cadenas con más establecimientos"},
        {"Escuelas", "sector = 'ESCUELAS'", "escuelas de hostelería, turismo y cocina",
            "Escuelas de hostelería y turismo 2010.pdf", "Informe sectorial",
            "Escuelas de hostelería y turismo",
            "Escuelas de hostelería, centros de estudios turísticos y escuelas de cocina.",
            {"La formación en hostelería y turismo se imparte en escuelas de hostelería públicas y privadas, "
             "centros de estudios turísticos y escuelas de cocina y pastelería. Muchas cuentan con "
             "restaurante "
             "didáctico y con acuerdos de prácticas con hoteles y restaurantes de su entorno.",
                "La demanda de profesionales de cocina, sala y recepción mantiene el interés por estos "
                "estudios, "
                "tanto en los ciclos formativos como en los cursos de especialización para profesionales en "
                "activo."},
            {{"Centros de formación por provincia.xlsx", "Centros de formación por provincia",
                "sector = 'ESCUELAS'", true, false}}},
        {"Equipamientos", "sector = 'EQUIPAMIENTO'", "empresas de equipamiento para la hostelería",
            "Informe del sector Equipamiento 2010.pdf", "Informe sectorial",
            "Informe del sector Equipamiento",
            "Maquinaria, frío, menaje, mobiliario, lencería, climatización y punto de venta.",
            {"El equipamiento para la hostelería comprende la maquinaria de cocina y de frío, el menaje y la "
             "vajilla, el mobiliario, la lencería hotelera, la climatización y los sistemas de punto de "
             "venta. "
             "Sus clientes son tanto los establecimientos de nueva apertura como las reformas de los "
             "existentes.",
                "Es un sector de empresas medianas y pequeñas, con un peso importante del servicio técnico y "
                "de "
                "posventa, en el que la eficiencia energética de los equipos gana protagonismo en las "
                "decisiones "
                "de compra."},
            {{"Empresas de equipamiento por provincia.XLSX", "Empresas de equipamiento por provincia",
                "sector = 'EQUIPAMIENTO'", true, false}}},
    };
    return folders;
}
