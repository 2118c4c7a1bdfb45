#include "platform/ui/ActiveLabel.h"

#include "platform/ui/MouseEvents.h"

#include <QPointer>

ActiveLabel::ActiveLabel(QWidget* parent)
    : QLabel(parent)
{
    MouseEvents& events = MouseEvents::of(this);
    events.onPress([this](Qt::MouseButton button) { Q_EMIT pressed(button); });
    events.onRelease(
        [this](Qt::MouseButton button, bool over) {
            // A handler may take the label away.
            const QPointer<ActiveLabel> self(this);
            Q_EMIT released(button);
            if (self && over)
                Q_EMIT releasedOver(button);
        },
        MouseEvents::Release::Anywhere);
    events.onClick([this] { Q_EMIT clicked(); });
    events.onMove([this] { Q_EMIT mouseMoved(); });
}
