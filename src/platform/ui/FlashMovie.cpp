#include "platform/ui/FlashMovie.h"

FlashMovie::FlashMovie(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}
