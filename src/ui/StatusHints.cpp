#include "ui/StatusHints.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace numora::ui {

StatusHints::StatusHints(QWidget* window, QLabel* panel) : QObject(window), m_window(window), m_panel(panel)
{
    qApp->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)
            || qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)
            || qobject_cast<QComboBox*>(widget);
        if (control && widget != m_panel && m_window->isAncestorOf(widget))
            m_panel->setText(widget->toolTip());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace numora::ui
