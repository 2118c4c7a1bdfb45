#include "InstallationGenerator.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    // The backgrounds are drawn with fonts, which needs a GUI application; at build time there is no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvesa-gen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Generates a sample installation of the directory."));
    parser.addHelpOption();
    const QCommandLineOption outOption(
        QStringLiteral("out"), QStringLiteral("Installation folder to write."), QStringLiteral("folder"));
    const QCommandLineOption companiesOption(QStringLiteral("companies"),
        QStringLiteral("Number of companies (default %1).").arg(InstallationGenerator::kDefaultCompanies),
        QStringLiteral("N"), QString::number(InstallationGenerator::kDefaultCompanies));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
        QStringLiteral("Random seed (default %1).").arg(InstallationGenerator::kDefaultSeed),
        QStringLiteral("S"), QString::number(InstallationGenerator::kDefaultSeed));
    parser.addOption(outOption);
    parser.addOption(companiesOption);
    parser.addOption(seedOption);
    parser.process(app);

    InstallationGenerator::Options options;
    options.outputDir = parser.value(outOption);
    bool companiesOk = false;
    bool seedOk = false;
    options.companies = parser.value(companiesOption).toInt(&companiesOk);
    options.seed = parser.value(seedOption).toULongLong(&seedOk);
    if (options.outputDir.isEmpty() || !companiesOk || options.companies < 0 || !seedOk) {
        std::fprintf(stderr, "%s\n", qPrintable(parser.helpText()));
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    InstallationGenerator generator(options);
    if (!generator.run()) {
        std::fprintf(stderr, "tarvesa-gen: %s\n", qPrintable(generator.errorString()));
        return 1;
    }
    std::printf("Installation of %d companies written to %s in %.2f s\n", options.companies,
        qPrintable(options.outputDir), timer.elapsed() / 1000.0);
    return 0;
}
