#include "ui/mainwindow/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>

namespace numora::ui {

HelpKey::HelpKey(QObject* parent, std::function<void()> open) : QObject(parent), m_open(std::move(open))
{
    QApplication::instance()->installEventFilter(this);
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event)
{
    const auto isHelpKey = [event] {
        const auto* key = static_cast<QKeyEvent*>(event);
        return key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier;
    };
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Claimed here, so no shortcut of a widget takes the key before the press below.
        if (isHelpKey()) {
            event->accept();
            return true;
        }
        break;
    case QEvent::KeyPress:
        // Taken on its first delivery, so it does not go on to the parents of the focus widget.
        if (isHelpKey() && watched->isWidgetType()) {
            m_open();
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace numora::ui
