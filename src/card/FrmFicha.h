#pragma once

#include "card/RecordCardLayout.h"

#include <QDialog>
#include <QPointer>
#include <QSet>
#include <array>
#include <optional>

class Connection;
class FlexGrid;
class ImageButton;
class PictureBox;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QScrollBar;
class Recordset;

// The record card: one company of a recordset on a borderless window of its own, with paging through
// the recordset (the guide's grid following), the observations and the mark written back before every
// move and on closing, the e-mail, web and head-office links, and printing.
class FrmFicha : public QDialog
{
    Q_OBJECT

public:
    explicit FrmFicha(QWidget* parent = nullptr);
    ~FrmFicha() override;

    // Works on `recordset` (its current record is the one shown) and moves `grid` with it; no grid on a
    // head-office card. Neither is owned.
    void Muestra(Recordset* recordset, FlexGrid* grid);

    // Any way of closing writes the changes back first, and stays open when the user wants them kept.
    void reject() override;
    void done(int result) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construye();
    void Form_Load();
    void restauraBotones();
    void muestraRegistro();
    void muestraAnterior();
    void muestraSiguiente();
    void sigueGrid();
    // True when the caller may go on: the changes are stored, there were none, or the user let them go.
    bool guardaCambios();
    void marcaCelda(bool marcada);
    void Check1_Click();
    void imgCancelar_MouseUp();
    void lblEmail_MouseUp();
    void lblWeb_MouseUp();
    void lblEmpresaLink_Click();
    void imprimeFicha();
    void desplazaConRueda(QWheelEvent* event);
    // Notes the current record as written; the card below reads it again.
    void anotaEscrita();
    // The grid's row `fila` shows that record as it is stored.
    void muestraEnGrid(int fila);
    // Reads again the companies the cards opened from this one wrote.
    void releeEscritas();
    Connection* conexion() const;

    Recordset* m_rs = nullptr;
    QPointer<FlexGrid> m_grid;
    bool m_obsCambiadas = false;
    bool m_selCambiada = false;
    // A record is being displayed: what changes in the editors now is not the user's doing.
    bool m_mostrando = false;
    // Wheel turn not yet worth a step (touchpads send fractions of a notch).
    int m_ruedaPendiente = 0;
    // Keys of the companies this card and the cards opened from it have written (told to the card
    // below on closing), and those the cards opened from it wrote and this one has not read again.
    QSet<qint64> m_escritas;
    QSet<qint64> m_escritasEncima;

    QCheckBox* m_Check1 = nullptr; // the company's selection mark
    PictureBox* m_picFondo = nullptr;
    PictureBox* m_picMovible = nullptr;
    QScrollBar* m_FlatScrollBar1 = nullptr; // slides m_picMovible up by 0 to 3800 twips
    std::array<QLabel*, RecordCardLayout::NumCampos> m_lblTitulos {};
    std::array<QLabel*, RecordCardLayout::NumCampos> m_valores {};
    QLabel* m_lblContactos = nullptr;
    QPlainTextEdit* m_txtObservaciones = nullptr;
    ImageButton* m_cmdAnterior = nullptr;
    ImageButton* m_cmdSiguiente = nullptr;
    ImageButton* m_cmdImprime = nullptr;
    ImageButton* m_imgCancelar = nullptr;
};
