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
    return true;
}
