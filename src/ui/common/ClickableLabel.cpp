#include "ui/common/ClickableLabel.h"

#include <QMouseEvent>

namespace numora::ui {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace numora::ui
