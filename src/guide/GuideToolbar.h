#pragma once

#include "platform/ui/ImageButton.h"

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
class QWidget;

// The guide's toolbar on the host form: nine image buttons over their captions and the two selection
// buttons above the page. It builds them by name, lays them out, shows their faces and enabling, and
// says which action the user asked for; what the actions do is the screen's.
class GuideToolbar : public QObject
{
    Q_OBJECT
public:
    // The tools in the order of the caption chain, left to right.
    enum class Tool { Ficha, Exportar, Ordenar, Todos, Ficheros, Ayuda, Listado, Sobres, Etiquetas };
    static constexpr int kTools = 9;

    enum class Action {
        Ficha,
        Exportar,
        Ordenar,
        // The image button shows all companies and clears the sector; its caption only shows them.
        Todos,
        TodosCaption,
        Ficheros,
        Ayuda,
        Listado,
        Sobres,
        Etiquetas,
        VerSeleccionadas,
        DesmarcarTodas,
    };

    explicit GuideToolbar(QWidget* form);
    ~GuideToolbar() override;

    // `page` is the grid page's placement on the form, in twips.
    void layout(int codigo, const QRect& page);
    void show();
    // The document view disables every tool but help and the view switch, and moves the switch's
    // caption to the right under its other text.
    void setFileView(bool ficheros);
    // The normal faces back after a roll-over.
    void restoreFaces();

Q_SIGNALS:
    void triggered(GuideToolbar::Action action);

private:
    void connectTools();
    ImageButton* button(Tool tool) const { return m_buttons[size_t(tool)]; }
    QLabel* caption(Tool tool) const { return m_captions[size_t(tool)]; }

    QPointer<QWidget> m_form;
    std::array<QPointer<ImageButton>, kTools> m_buttons;
    std::array<QPointer<QLabel>, kTools> m_captions;
    QPointer<ImageButton> m_showMarked;
    QPointer<ImageButton> m_clearMarks;
    int m_fileCaptionLeft = -1;
};
