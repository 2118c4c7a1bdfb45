#pragma once

#include <QWidget>

class QPlainTextEdit;

// A borderless note window that can be dragged from anywhere on it.
class frmGeneric : public QWidget
{
    Q_OBJECT
public:
    explicit frmGeneric(QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPlainTextEdit* m_txtAnotaciones;
};
