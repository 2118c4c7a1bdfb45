#pragma once

#include <QFile>
#include <QTemporaryDir>

// The user's documents folder, set through the desktop's user-dirs file for the test's length; the
// folder itself is not made.
class DocumentsFolder
{
public:
    DocumentsFolder()
        : m_previous(qgetenv("XDG_CONFIG_HOME"))
    {
        QFile dirs(m_config.filePath(QStringLiteral("user-dirs.dirs")));
        if (dirs.open(QIODevice::WriteOnly))
            dirs.write("XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(path()) + "\"\n");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config.path()));
    }
    ~DocumentsFolder()
    {
        if (m_previous.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_previous);
    }
    DocumentsFolder(const DocumentsFolder&) = delete;
    DocumentsFolder& operator=(const DocumentsFolder&) = delete;

    QString path() const { return m_root.filePath(QStringLiteral("Mis documentos")); }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_root;
    QByteArray m_previous;
};
