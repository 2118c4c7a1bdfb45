#pragma once

#include "printing/ReportFields.h"

#include <QDialog>
#include <array>
#include <optional>

class ImageButton;
class PictureCheckBox;
class QLabel;

// The listing's field chooser: 21 picture check boxes, loaded from "\Listado.ini" and written back
// to it only when accepted; the accepted choice goes to the collection given to setCampos().
class frmListado : public QDialog
{
    Q_OBJECT
public:
    explicit frmListado(QWidget* parent = nullptr);

    // What the preview's configure button runs: the chooser shown modally; the choice when accepted,
    // nothing when cancelled.
    static std::optional<FieldChoice> eligeCampos(QWidget* parent = nullptr);

    // The collection that receives the choice on accept; left alone on cancel.
    void setCampos(FieldChoice& campos);
    // Adds the 21 choices to the kept collection (a key already there keeps its item) and returns it.
    FieldChoice& getCampos();
    // Writes the boxes to "\Listado.ini" unless it already gives them; when it cannot, says why (if
    // the boxes differ from what the file gives) and returns false.
    bool grabaDatos();

    PictureCheckBox* chkCampo(int indice) const { return m_chkCampo.at(size_t(indice)); }
    void imgAceptar_Click();
    void imgCancelar_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Form_Load();
    void cargaCampos();
    FieldChoice estado() const;

    std::array<PictureCheckBox*, 21> m_chkCampo {};
    std::array<QLabel*, 21> m_lblCampo {};
    ImageButton* m_imgAceptar = nullptr;
    ImageButton* m_imgCancelar = nullptr;
    FieldChoice m_propios;
    FieldChoice* m_campos = &m_propios;
};
