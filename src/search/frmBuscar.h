#pragma once

#include "search/SearchCriteria.h"

#include <QDialog>
#include <array>
#include <functional>

class ImageButton;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

// The search form: a name, five cascading lists of criteria and the marked companies only. One form
// serves every search and keeps what the user left on it; accepting hands the query and its caption
// to the guide through the navigation.
class frmBuscar : public QDialog
{
    Q_OBJECT
public:
    // The shared form, made (and its lists filled) on first use.
    static frmBuscar& instance();
    // Shows the shared form modally, once: what the menu's search option and "search again" run.
    static void Muestra();

    // Tests drive the modal showing: each showing runs the next queued step once the form is up, and
    // a showing the step left open is cancelled. Scripted message boxes with no step queued cancel
    // the showing at once, so nothing waits for a user.
    static void encolaGuion(std::function<void(frmBuscar&)> paso);

    // The criteria now on the form, as the accept action reads them.
    SearchCriteria criterios() const;

    void RellenaSector();
    // Accept and cancel, as their buttons and the Enter and Esc keys run them.
    void imgAceptar_MouseUp();
    void imgCancelar_MouseUp();
    void imgAyuda_MouseUp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    frmBuscar();

    void Form_Load();
    void Form_Activate();
    void restauraBotones();
    bool teclaDelFormulario(int tecla);

    void rellenaAutonomia();
    void rellenaProvincia();
    void rellenaPoblacion();
    void rellenaActividad();
    void rellenaLista(QComboBox* lista, const QString& sql);

    void Combo5_Click();
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();

    std::array<QLabel*, 6> m_Label1 {}; // captions: region, province, town, company, activity, sector
    QLineEdit* m_txtNombre = nullptr;
    QCheckBox* m_Check1 = nullptr; // "Buscar palabra exacta"
    QComboBox* m_Combo1 = nullptr; // regions
    QComboBox* m_Combo2 = nullptr; // provinces
    QComboBox* m_Combo3 = nullptr; // towns
    QComboBox* m_Combo4 = nullptr; // activities
    QComboBox* m_Combo5 = nullptr; // sectors
    QCheckBox* m_Check2 = nullptr; // "Sólo seleccionadas"
    ImageButton* m_imgAyuda = nullptr;
    ImageButton* m_imgAceptar = nullptr;
    ImageButton* m_imgCancelar = nullptr;
    bool m_centrado = false; // placed once; then it stays where the user leaves it
    bool m_aceptando = false;
};
