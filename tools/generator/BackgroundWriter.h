#pragma once

#include <QString>

// Writes the menu form's backgrounds, fondos/fondo800.jpg and fondos/fondo1024.jpg, and the printed
// listing's logo, logoKorvan.bmp, as the program draws them. Needs a QGuiApplication.
class BackgroundWriter
{
public:
    static constexpr int kQuality = 90;

    explicit BackgroundWriter(QString installationFolder);

    bool write();
    QString errorString() const { return m_error; }

private:
    bool writeLogo();

    QString m_folder;
    QString m_error;
};
