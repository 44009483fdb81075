#include "ui/TipField.h"

#include <QFocusEvent>

namespace numora::ui {

void TipField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching windows, opening a menu or a message box does not leave the field: only a move
    // to another control of the window evaluates the sheet (and may sound the fanfare).
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    Q_EMIT left();
}

} // namespace numora::ui
