#include "printing/preview/PreviewPaging.h"

void PreviewPaging::reset(int firstStart)
{
    m_inicios = {qMax(1, firstStart)};
    m_siguiente = 0;
}

void PreviewPaging::reset(const QList<int>& inicios)
{
    if (inicios.isEmpty()) {
        reset();
        return;
    }
    m_inicios = inicios;
    m_siguiente = 0;
}

bool PreviewPaging::next()
{
    if (!hasNext())
        return false;
    m_inicios.append(m_siguiente);
    // Known again once the new page is drawn.
    m_siguiente = 0;
    return true;
}

bool PreviewPaging::previous()
{
    if (!hasPrevious())
        return false;
    m_inicios.removeLast();
    m_siguiente = 0;
    return true;
}
