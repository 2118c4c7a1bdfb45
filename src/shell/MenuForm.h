#pragma once

#include <QMargins>
#include <QPixmap>
#include <QWidget>
#include <functional>

class FlashMovie;
class ImageButton;
class PictureBox;
class QLabel;
class QRadioButton;
class QTextBrowser;

// The main window, host of every screen's controls: the row of screen buttons, the status picture,
// help, exit, the calculator hot spot over a full-window background, and the hidden ranking panel.
// frmMenu (no border) and frmMenuBorde (with a title bar) differ only in their window.
class MenuForm : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kBotones = 5;

    // Runs once it is the menu form in use: lays it out and opens the first screen.
    void Form_Load();

    // The outer height in twips, as the screens read it to place their title line.
    int alturaTwips() const;

    // The calculator lives in a subsystem built on this one: it is given here.
    static void registraCalculadora(std::function<void()> muestraCalculadora);

    ImageButton* boton(int indice) const { return m_imgMenu[indice]; }
    QTextBrowser* webRanking() const { return m_WebRanking; }

protected:
    MenuForm(const QString& nombre, bool conBorde);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void pintaFondo();
    // Places the window by the resolution code: maximised, or 1024 x 800 with its frame, centred.
    void colocaVentana();
    void ajustaAlMarco();
    QMargins margenesMarco() const;
    // Help, exit and the calculator hot spot at their places, moved in where a frame cuts the form.
    void colocaPie();
    void restauraBotones(int excepto);
    QString cara(const QString& boton, bool rollover) const;
    bool pequena() const;

    void imgMenu_Click(int indice);
    void imgMenu_MouseMove(int indice);
    void imgAyuda_MouseUp();
    void imgSalir_MouseUp();
    void imgAyuda_MouseMove();
    void imgSalir_MouseMove();
    void imgCalc_Click();
    void optRanking_Click(int indice);
    void imgImprime_Click();
    void picRanking_Resize();

    bool m_colocada = false;
    bool m_pieColocado = false;
    QMargins m_marco;
    QPixmap m_fondo;
    // The screen buttons, one per screen in the screens' order, the search last.
    ImageButton* m_imgMenu[kBotones] = {};
    // The picture naming the screen shown.
    QLabel* m_imgStatus;
    ImageButton* m_imgAyuda;
    ImageButton* m_imgSalir;
    // The calculator's hot spot, over the background's calculator.
    ImageButton* m_imgCalc;
    // The ranking panel: one option per sector, the chosen sector's ranking page, its print button.
    PictureBox* m_picRanking;
    QRadioButton* m_optRanking[5] = {};
    QTextBrowser* m_WebRanking;
    ImageButton* m_imgImprime;
    // The rankings screen's animation.
    FlashMovie* m_flashRanking;
};
