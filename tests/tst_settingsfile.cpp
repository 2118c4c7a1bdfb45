#include "core/RegularFile.h"
#include "core/SettingsFile.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

using Lines = QStringList;
using Number = std::optional<double>;
Q_DECLARE_METATYPE(Number)

namespace {
ino_t inode(const QString& path)
{
    struct stat info = {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}
} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("every line ends in CR LF")
            << Lines {"#Campos", "Sector=1"} << QByteArray("#Campos\r\nSector=1\r\n");
        QTest::newRow("an empty line keeps its line end")
            << Lines {"a", "", "b"} << QByteArray("a\r\n\r\nb\r\n");
        QTest::newRow("Spanish letters in one byte each") << Lines {"Vehículos=ñ", "Año"}
                                                          << QByteArray("Veh\xED"
                                                                        "culos=\xF1\r\nA\xF1o\r\n");
        QTest::newRow("the euro sign is 0x80") << Lines {"€"} << QByteArray("\x80\r\n");
        QTest::newRow("no lines, no bytes") << Lines {} << QByteArray();
    }

    void encode()
    {
        QFETCH(Lines, lines);
        QFETCH(QByteArray, bytes);
        QCOMPARE(SettingsFile::encode(lines), bytes);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Lines>("lines");
        QTest::newRow("CR LF") << QByteArray("a=1\r\nb=2\r\n") << Lines {"a=1", "b=2"};
        QTest::newRow("bare LF from another editor") << QByteArray("a=1\nb=2\n") << Lines {"a=1", "b=2"};
        QTest::newRow("last line without its end") << QByteArray("a=1\r\nb=2") << Lines {"a=1", "b=2"};
        QTest::newRow("blank line kept") << QByteArray("a\r\n\r\nb\r\n") << Lines {"a", "", "b"};
        QTest::newRow("Windows-1252 bytes") << QByteArray("Veh\xED"
                                                          "culos=\xF1\x80\r\n")
                                            << Lines {QStringLiteral("Vehículos=ñ€")};
        QTest::newRow("empty file") << QByteArray() << Lines {};
        QTest::newRow("UTF-8 with its mark") << QByteArray("\xEF\xBB\xBF#Campos\r\nVeh\xC3\xAD"
                                                           "culos=1\r\n")
                                             << Lines {"#Campos", QStringLiteral("Vehículos=1")};
        QTest::newRow("UTF-16 with its mark") << QByteArray("\xFF\xFE#\0a\0\r\0\n\0", 10) << Lines {"#a"};
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Lines, lines);
        QCOMPARE(SettingsFile::decode(bytes), lines);
    }

    void toNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Number>("number");
        QTest::newRow("decimal comma") << "0,5" << Number(0.5);
        QTest::newRow("decimal point") << "1.4" << Number(1.4);
        QTest::newRow("whole") << "110" << Number(110);
        QTest::newRow("blanks around") << "  10,5 " << Number(10.5);
        QTest::newRow("negative") << "-2,25" << Number(-2.25);
        QTest::newRow("no leading digit") << ",5" << Number(0.5);
        QTest::newRow("empty") << "" << Number();
        QTest::newRow("letters") << "abc" << Number();
        QTest::newRow("number then letters") << "12cm" << Number();
        QTest::newRow("two separators") << "1,2,3" << Number();
        QTest::newRow("thousands grouping") << "1.000,5" << Number();
        QTest::newRow("a lone comma") << "," << Number();
    }

    void toNumber()
    {
        QFETCH(QString, text);
        QFETCH(Number, number);
        // The reading must not depend on the user's locale.
        for (const QLocale& locale :
            {QLocale(QLocale::Spanish, QLocale::Spain), QLocale(QLocale::English, QLocale::UnitedStates)}) {
            QLocale::setDefault(locale);
            const Number read = SettingsFile::toNumber(text);
            QCOMPARE(read.has_value(), number.has_value());
            if (number)
                QCOMPARE(*read, *number);
        }
        QLocale::setDefault(QLocale::c());
    }

    void fromNumber_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("one decimal") << 0.5 << 1 << "0,5";
        QTest::newRow("whole with a decimal") << 2.0 << 1 << "2,0";
        QTest::newRow("rounded") << 0.56 << 1 << "0,6";
        QTest::newRow("no decimals") << 110.0 << 0 << "110";
    }

    void fromNumber()
    {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(SettingsFile::fromNumber(value, decimals), text);
        QLocale::setDefault(QLocale::c());
        // What is written reads back.
        QCOMPARE(SettingsFile::toNumber(text).value_or(-1), QString(text).replace(',', '.').toDouble());
    }

    void parse()
    {
        const SettingsFile file
            = SettingsFile::parse(" stray=1\r\n  #margenes \r\nizquierdo = 0,5\r\nSuperior=2=3\r\n\r\n"
                                  "sin igual\r\n#Maquetar\r\nFuente=9\r\nFuente=10\r\n");
        QCOMPARE(file.sections().size(), 3);
        QCOMPARE(file.sections().at(0).name, QString());
        QCOMPARE(file.sections().at(1).name, QStringLiteral("#MARGENES"));
        const SettingsFile::Section* margenes = file.section(QStringLiteral("#Margenes"));
        QVERIFY(margenes);
        // The blank line is no entry; the line without "=" is kept whole, for readers by position.
        QCOMPARE(margenes->entries.size(), 3);
        QCOMPARE(margenes->entries.at(0).key, QStringLiteral("IZQUIERDO"));
        QCOMPARE(margenes->entries.at(0).value, QStringLiteral(" 0,5"));
        QCOMPARE(margenes->entries.at(1).value, QStringLiteral("2=3"));
        QVERIFY(!margenes->entries.at(2).hasEquals);
        QCOMPARE(margenes->entries.at(2).value, QStringLiteral("sin igual"));
        QCOMPARE(
            file.value(QStringLiteral("#maquetar"), QStringLiteral("fuente")), std::optional<QString>("9"));
        QVERIFY(!file.value(QStringLiteral("#Maquetar"), QStringLiteral("Izquierdo")));
        QVERIFY(!file.value(QStringLiteral("#Posicionado"), QStringLiteral("Izq")));
    }

    void saveReplacesTheFileWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Listado.ini"));
        QVERIFY(SettingsFile::save(path, {QStringLiteral("una línea larga"), QStringLiteral("y otra más")}));
        QVERIFY(SettingsFile::save(path, {QStringLiteral("Año=1")}));
        // A file that already holds the lines is not written again.
        const ino_t written = inode(path);
        QVERIFY(SettingsFile::save(path, {QStringLiteral("Año=1")}));
        QCOMPARE(inode(path), written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("A\xF1o=1\r\n"));
        // Nothing is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList {QStringLiteral("Listado.ini")});
    }

    void unchangedFileIsNotWritten_data()
    {
        QTest::addColumn<QByteArray>("held");
        QTest::addColumn<bool>("gives");
        QTest::addColumn<bool>("written");
        const QByteArray lines("#Dimensiones\r\nAltura=110\r\n\r\n#Maquetar\r\nVeh\xED"
                               "culos=1\r\n");
        QTest::newRow("as written") << lines << false << false;
        QTest::newRow("UTF-8 with its mark") << QByteArray(
            "\xEF\xBB\xBF#Dimensiones\r\nAltura=110\r\n\r\n#Maquetar\r\nVeh\xC3\xAD"
            "culos=1\r\n") << false << false;
        QTest::newRow("bare LF, last line without its end")
            << QByteArray(lines).replace("\r\n", "\n").chopped(1) << false << false;
        QTest::newRow("other text giving the same values")
            << QByteArray(" #dimensiones\r\nAltura = 110\r\n") << true << false;
        QTest::newRow("other text, other values")
            << QByteArray(" #dimensiones\r\nAltura = 120\r\n") << false << true;
    }

    // A file that holds the lines in any encoding or line ends, or gives the same values, stays as it
    // is: never replaced, so a read-only folder has nothing to refuse.
    void unchangedFileIsNotWritten()
    {
        QFETCH(QByteArray, held);
        QFETCH(bool, gives);
        QFETCH(bool, written);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sobre.ini"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(held) == held.size());
        }
        const ino_t before = inode(path);
        const Lines lines {"#Dimensiones", "Altura=110", "", "#Maquetar", QStringLiteral("Vehículos=1")};
        QVERIFY(SettingsFile::save(path, lines,
            [&](const SettingsFile& file) { return gives && file.section(QStringLiteral("#Dimensiones")); }));
        QCOMPARE(inode(path) != before, written);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), written ? SettingsFile::encode(lines) : held);
    }

    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Sobre.ini"));
        QVERIFY(SettingsFile::save(path, {QStringLiteral("#Dimensiones")}));
        // A folder in the way of the file cannot be replaced by it.
        QVERIFY(
            !SettingsFile::save(dir.filePath(QStringLiteral("no/such/folder.ini")), {QStringLiteral("x")}));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Etiqueta.ini")));
        QVERIFY(!SettingsFile::save(dir.filePath(QStringLiteral("Etiqueta.ini")), {QStringLiteral("x")}));
        // Neither a link nor a pipe is written through or replaced.
        const QString link = dir.filePath(QStringLiteral("Listado.ini"));
        QVERIFY(QFile::link(path, link));
        QString error;
        QVERIFY(!SettingsFile::save(link, {QStringLiteral("x")}, &error));
        QVERIFY2(error.startsWith(QStringLiteral("No se pueden guardar los ajustes")), qPrintable(error));
        QVERIFY(QFileInfo(link).isSymLink());
        const QString pipe = dir.filePath(QStringLiteral("tubo.ini"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!SettingsFile::save(pipe, {QStringLiteral("x")}));
        QCOMPARE(RegularFile::kindAt(pipe), RegularFile::Kind::Other);
        // The file itself, on a disk that takes 64 bytes and no more: the save fails part way.
        struct rlimit before = {};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &before), 0);
        struct rlimit full = before;
        full.rlim_cur = 64;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(::setrlimit(RLIMIT_FSIZE, &full), 0);
        const bool saved = SettingsFile::save(path, Lines(40, QStringLiteral("Ancho=210")), &error);
        ::setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
        QVERIFY(!saved);
        QVERIFY2(error.startsWith(QStringLiteral("No se pudo guardar el archivo")), qPrintable(error));
        // The old file is whole, and no part of the new one is left beside it.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("#Dimensiones\r\n"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
            (QStringList {
                QStringLiteral("Listado.ini"), QStringLiteral("Sobre.ini"), QStringLiteral("tubo.ini")}));
    }

    void load_data()
    {
        QTest::addColumn<QString>("stands");
        QTest::addColumn<bool>("loaded");
        QTest::newRow("a regular file") << "file" << true;
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("a pipe") << "pipe" << false;
        QTest::newRow("a link to /dev/zero") << "/dev/zero" << false;
        QTest::newRow("a link to a settings file") << "link" << false;
        QTest::newRow("a file past 64 KiB") << "large" << false;
    }

    // Only a regular file of a size a settings file can have is read, and nothing waits on a pipe.
    void load()
    {
        QFETCH(QString, stands);
        QFETCH(bool, loaded);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Etiqueta.ini"));
        const QString other = dir.filePath(QStringLiteral("otro.ini"));
        QByteArray bytes("#Margenes\r\n1\r\n");
        if (stands == QLatin1String("large"))
            bytes += QByteArray(SettingsFile::kMaxBytes, ' ');
        QFile out(stands == QLatin1String("file") || stands == QLatin1String("large") ? path : other);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        if (stands == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (stands == QLatin1String("link") || stands.startsWith(QLatin1Char('/')))
            QVERIFY(QFile::link(stands == QLatin1String("link") ? other : stands, path));
        SettingsFile file;
        QCOMPARE(file.load(path), loaded);
        QCOMPARE(file.section(QStringLiteral("#Margenes")) != nullptr, loaded);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
