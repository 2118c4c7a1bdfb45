#include "platform/print/PdfOutputFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QRandomGenerator>
#include <filesystem>

PdfOutputFile::PdfOutputFile(QPrinter& printer)
    : m_printer(printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty())
        return;
    const QFileInfo target(printer.outputFileName());
    for (int attempt = 0; attempt < 8 && m_temporary.isEmpty(); ++attempt) {
        const QString name = target.dir().filePath(
            QStringLiteral(".%1.%2.part")
                .arg(target.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        QFile file(name);
        // Made here, so that no other file of that name is written over.
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            m_temporary = name;
    }
    // A folder that takes no file: the printer finds out and says so itself.
    if (m_temporary.isEmpty())
        return;
    if (target.exists())
        QFile::setPermissions(m_temporary, QFile::permissions(target.filePath()));
    m_target = target.filePath();
    printer.setOutputFileName(m_temporary);
}

PdfOutputFile::~PdfOutputFile()
{
    if (m_temporary.isEmpty())
        return;
    QFile::remove(m_temporary);
    m_printer.setOutputFileName(m_target);
}

bool PdfOutputFile::commit()
{
    if (m_temporary.isEmpty())
        return true;
    std::error_code error;
    // Over the old file in one step: it is never missing.
    std::filesystem::rename(
        QFile::encodeName(m_temporary).toStdString(), QFile::encodeName(m_target).toStdString(), error);
    if (error)
        return false;
    m_printer.setOutputFileName(m_target);
    m_temporary.clear();
    return true;
}
