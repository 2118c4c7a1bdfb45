#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>

class PictureBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The guide's second view: the documents filed for the sectors, one tree per folder inside the page
// "exploradorficheros", opened with a double-click.
class DocumentExplorer : public QObject
{
    Q_OBJECT
public:
    // The trees in the order they are filled.
    enum Tree {
        Distribuidores,
        Principales,
        Catering,
        Vending,
        Franquicias,
        Hoteles,
        Escuelas,
        Equipamientos
    };
    static constexpr int kTrees = 8;

    struct Folder
    {
        const char* raiz; // the tree's root node
        const char* ruta; // under the program's folder
        const char* control; // the tree's name on the form
    };

    // By Tree.
    static constexpr Folder kFolders[kTrees] = {
        {"Distribuidores", "\\DATA\\Files\\Distribuidores", "arboldistri"},
        {"Principales", "\\DATA\\Files\\40 principales", "arbolprinci"},
        {"Catering", "\\DATA\\Files\\Catering", "arbolcatering"},
        {"Vending", "\\DATA\\Files\\Vending", "arbolvending"},
        {"Franquicias", "\\DATA\\Files\\Franquicias", "arbolfranq"},
        {"Hoteles", "\\DATA\\Files\\Hoteles", "arbolhotel"},
        {"Escuelas", "\\DATA\\Files\\Escuelas", "arbolescuelas"},
        {"Equipamientos", "\\DATA\\Files\\Equipamientos", "arbolequipa"},
    };

    // Builds the page, its trees and its hint line by name on the form.
    explicit DocumentExplorer(QWidget* form);
    ~DocumentExplorer() override;

    PictureBox* pagina() const;
    // Places the trees and lists each folder under the program's folder `rutaApp`, once.
    void carga(int codigo, const QString& rutaApp);
    bool visible() const;

    // The name upper-cased without the spreadsheet and PDF extensions, wherever they stand.
    static QString textoVisible(const QString& nombre);
    // "excel", "word" or "pdf" by the last extension; anything else shows as "pdf".
    static QString imagen(const QString& nombre);
    // The picture of an image key.
    static QString picture(const QString& imagen);
    // The regular files of a folder (not its sub-folders nor links), in alphabetical order without
    // regard to case; empty when the folder does not exist.
    static QStringList ficheros(const QString& carpeta);

private:
    void cargaFicherosCarpeta(const QString& carpeta, QTreeWidgetItem* padre);
    void abreDocumento(int arbol, QTreeWidgetItem* item);

    QPointer<QWidget> m_form;
    QPointer<PictureBox> m_pagina;
    std::array<QPointer<QTreeWidget>, kTrees> m_arboles;
    QPointer<QLabel> m_aviso;
    QString m_rutaApp;
};
