#include "ui/TipField.h"

namespace numora::ui {

void TipField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    Q_EMIT left();
}

} // namespace numora::ui
