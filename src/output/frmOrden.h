#pragma once

#include <QDialog>
#include <array>

class ImageButton;
class QButtonGroup;
class QGroupBox;
class QPushButton;

// The sort dialog's form: twelve fields of the company record and the two directions. It sorts
// nothing itself; its controller reads the choice and adds the accept and cancel buttons.
class frmOrden : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kOpciones = 12;
    // The position in the company record of the field each option sorts by.
    static int posicionCampo(int opcion);

    explicit frmOrden(QWidget* parent = nullptr);

    // Chooses the option of record position `numero` (a negative one: no order yet, the first option;
    // one that no option carries: none) and the direction `orden` (0 ascending, 1 descending).
    void setPulsado(int numero, int orden);
    // The record position of the chosen option; -1 when none is chosen.
    int getCampoPulsado() const;
    int getOrden() const { return m_sentido; }
    void imgOrden_Click(int indice);

Q_SIGNALS:
    // The pointer moved over the bare form.
    void fondoMovido();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void ponCaras(int orden);

    QGroupBox* m_Frame1 = nullptr; // "Elija campo por el que ordenar", holding m_optCampo
    std::array<QPushButton*, kOpciones> m_optCampo {};
    QButtonGroup* m_grupo = nullptr;
    std::array<ImageButton*, 2> m_imgOrden {};
    int m_sentido = 0;
};
