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
