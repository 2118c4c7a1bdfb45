#pragma once

#include <QWidget>

// The wait window shown while a long query, sort or export runs.
class frmWhile : public QWidget
{
    Q_OBJECT
public:
    static frmWhile& instance();
    // Shows it modeless and lets it paint.
    void mostrar();
    void unload();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    frmWhile();
};
