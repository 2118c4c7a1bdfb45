#pragma once

#include <QString>

class QImage;

// Writes what the publisher's screens show from the installation: the covers of its publications under
// images/ (thumbnails "00", and large pictures in the "800" and "1024" sizes), its logo
// images/logo_nuevo.jpg and images/logo_nuevo800.jpg, and the magazine issue revistas/Sendavo.pdf.
// Needs a QGuiApplication.
class PublisherContent
{
public:
    static constexpr int kQuality = 90;

    explicit PublisherContent(QString installationFolder);

    bool write();
    QString errorString() const { return m_error; }

private:
    bool writeImage(const QString& name, const QImage& image);

    QString m_folder;
    QString m_error;
};
