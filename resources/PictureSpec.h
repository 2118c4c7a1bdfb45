#pragma once

#include <QSize>

// What a row of the picture catalogue draws.
enum class PictureKind {
    CaptionButton, // a button face with a caption, fitted to its size
    PrinterButton, // a square button face with a printer
    TitleBand, // the name of the screen now shown, on the dark frame
    Splash, // caption "title\nsubtitle" and the publisher's logo
    Working, // the caption above a progress stripe
    HandPointer, // the pointer of every button
    ProductIcon, // the window icon
    MenuBackground, // the full window of the menu form; caption "title\nsubtitle"
    FileIcon, // a document in the guide's explorer; caption "PDF", "XLS" or "DOC" names its kind
    FolderIcon, // a folder in the guide's explorer
    ToolButton, // a key of the company guide's toolbar; the caption names its drawing
    AcceptButton, // a square key with a tick
    CancelButton, // a square key with a cross
    HelpButton, // a key with a question mark
    DialogBackground, // a borderless dialog's page under its title band; caption the dialog's name
    CompactDialogBackground, // the same under a shorter band, for a small dialog
    ArrowButton, // a key with an arrow: caption "<" points back, ">" forward
    CheckBox, // a picture check box: caption "" unchecked, "x" checked
    ReportLogo, // the publisher's logo at the head of printed listings
    FramedDialogBackground, // a dialog's background in a dark frame; caption the dialog's name
    FormatIcon, // an export format: caption "XLS", "DOC" or "TXT"
    DirectionButton, // a key with an arrow: caption "^" up, "v" down; a trailing "*" the chosen one
};

// Which face of a button a row is: roll-over faces are lit, disabled faces greyed.
enum class PictureFace { Normal, Rollover, Disabled };

// One row of the catalogue. Names are upper case; captions are UTF-8.
struct PictureSpec
{
    const char* name;
    QSize size;
    PictureKind kind;
    PictureFace face;
    const char* caption;
};
