#pragma once

#include "printing/labels/LabelBoxRules.h"

#include <QDialog>
#include <QMap>
#include <QPointer>
#include <array>

class ImageButton;
class QComboBox;
class QLabel;
class QLineEdit;

// The label layout dialog: the two margins, the row distance, the second column's x and the font size,
// loaded from "\Etiqueta.ini". Accepting completes every box, the one being edited included, writes the
// file and fills the collection handed to setCampos; cancelling leaves both as they were.
class frmEtiquetas : public QDialog
{
    Q_OBJECT
public:
    explicit frmEtiquetas(QWidget* parent = nullptr);

    // The collection the dialog fills on accept, keyed "MI", "MS", "SE", "SC", "LE"; it must outlive
    // the dialog's showing.
    void setCampos(QMap<QString, QString>& campos);

    // Accept, cancel and "Restaurar", as their images and the Enter and Esc keys run them.
    void guardaConfiguracion();
    void cancela();
    void restaura();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void cargaConfiguracion();
    void restauraBotones();
    bool teclaDelFormulario(int tecla);
    // The measure box's key filter; true when the key was dealt with here.
    bool filtraTecla(QLineEdit* box, QKeyEvent* event);
    void aplicaLimite(QLineEdit* box);
    void completa(QLineEdit* box);
    LabelBoxRules::Box regla(const QLineEdit* box) const;

    QLineEdit* m_txtIzq = nullptr;
    QLineEdit* m_txtSup = nullptr;
    QLineEdit* m_txtSep = nullptr;
    QLineEdit* m_txtSeg = nullptr;
    QComboBox* m_cboLetra = nullptr;
    QLabel* m_Label8 = nullptr; // "Restaurar"
    ImageButton* m_imgAceptar = nullptr;
    ImageButton* m_imgCancelar = nullptr;
    std::array<QLineEdit*, 4> m_cajas {};
    QMap<QString, QString>* m_campos = nullptr;
    QPointer<QLineEdit> m_focusingPress; // given the focus by the mouse press still held
};
