#pragma once

#include <QTranslator>

// Qt's own texts in Spanish: the catalogue the system installs (Debian's Qt translations), the texts
// of the print dialog that the catalogue leaves in English, and those it gets wrong there.
class QtSpanish : public QTranslator
{
    Q_OBJECT
public:
    explicit QtSpanish(QObject* parent = nullptr);

    // Reads the system's catalogue; false when it is not installed (the print dialog is Spanish still).
    bool loadCatalogue();

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
        int n = -1) const override;
    bool isEmpty() const override { return false; }

private:
    QTranslator m_catalogue;
};
