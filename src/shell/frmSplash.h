#pragma once

#include <QWidget>

// The start-up window: the product's title over a dark ground while the database opens.
class frmSplash : public QWidget
{
    Q_OBJECT
public:
    static frmSplash& instance();
    void unload();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    frmSplash();
};
