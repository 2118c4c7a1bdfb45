#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QToolButton;

// The export dialog's form: the number of companies and the three formats. Its controller adds the
// accept, cancel and help buttons and does the export.
class frmExportar : public QDialog
{
    Q_OBJECT
public:
    explicit frmExportar(QWidget* parent = nullptr);

    // The chosen format: 0 spreadsheet, 1 text, 2 document.
    int getPulsado() const;
    void setRegistros(const QString& texto);

Q_SIGNALS:
    // Enter and Esc, seen before any control.
    void aceptar();
    void cancelar();
    // The pointer moved over the bare form.
    void fondoMovido();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* m_Label4 = nullptr; // "Se va a exportar:"
    QLabel* m_Label5 = nullptr; // how many records, beside m_Label4
    // 0 text, 1 spreadsheet, 2 document.
    std::array<QToolButton*, 3> m_optOpcion {};
    // The captions beside the buttons: 0 spreadsheet, 1 document, 2 text.
    std::array<QLabel*, 3> m_Label2 {};
};
