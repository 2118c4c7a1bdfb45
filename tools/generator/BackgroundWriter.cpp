#include "BackgroundWriter.h"

#include "OutputFile.h"
#include "resources/Pictures.h"

#include <QBuffer>
#include <QDir>
#include <QImage>

BackgroundWriter::BackgroundWriter(QString installationFolder)
    : m_folder(std::move(installationFolder))
{
}

bool BackgroundWriter::write()
{
    m_error.clear();
    for (const bool small : {true, false}) {
        const QString name
            = small ? QStringLiteral("fondos/fondo800.jpg") : QStringLiteral("fondos/fondo1024.jpg");
        const QImage image = Pictures::background(small);
        if (image.isNull()) {
            m_error = QStringLiteral("Cannot draw %1 (it needs a QGuiApplication)").arg(name);
            return false;
        }
        QByteArray jpeg;
        QBuffer buffer(&jpeg);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "JPEG", kQuality)) {
            m_error = QStringLiteral("Cannot encode %1 as JPEG").arg(name);
            return false;
        }
        if (!OutputFile::write(QDir(m_folder).filePath(name), jpeg, m_error))
            return false;
    }
    return writeLogo();
}

bool BackgroundWriter::writeLogo()
{
    QImage logo = Pictures::get(QStringLiteral("LOGOKORVAN")).toImage().convertToFormat(QImage::Format_RGB32);
    if (logo.isNull()) {
        m_error = QStringLiteral("Cannot draw logoKorvan.bmp (it needs a QGuiApplication)");
        return false;
    }
    // 96 dots per inch: the page shows it 4.5 cm wide.
    logo.setDotsPerMeterX(3780);
    logo.setDotsPerMeterY(3780);
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!logo.save(&buffer, "BMP")) {
        m_error = QStringLiteral("Cannot encode logoKorvan.bmp");
        return false;
    }
    return OutputFile::write(QDir(m_folder).filePath(QStringLiteral("logoKorvan.bmp")), bmp, m_error);
}
