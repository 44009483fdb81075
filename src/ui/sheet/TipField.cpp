#include "ui/sheet/TipField.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMenuBar>

namespace numora::ui {

TipField::~TipField() { disconnect(m_awaiting); }

void TipField::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching windows, opening a menu or a message box does not leave the field: only a move
    // to another control of the window evaluates the sheet (and may sound the fanfare).
    if (event->reason() == Qt::PopupFocusReason)
        return;
    // The menu bar takes the focus for Alt or after Escape in a menu, and gives it back.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::MenuBarFocusReason) {
        awaitReturn();
        return;
    }
    disconnect(m_awaiting);
    Q_EMIT left();
}

void TipField::awaitReturn()
{
    // A click into another field of the inactive window moves the focus there without a focus
    // event; the field only learns of it when the window is active again and the focus arrives
    // at the other control.
    if (m_awaiting)
        return;
    m_awaiting = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { onFocusChanged(now); });
}

void TipField::onFocusChanged(QWidget* now)
{
    if (!now || now->window() != window() || qobject_cast<QMenuBar*>(now))
        return; // still away, in another window of the program, or in the menu
    disconnect(m_awaiting);
    if (now != this)
        Q_EMIT left();
}

} // namespace numora::ui
