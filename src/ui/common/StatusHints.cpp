#include "ui/common/StatusHints.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QHelpEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QToolTip>
#include <QVariant>

namespace numora::ui {

StatusHints::StatusHints(QWidget* window, QLabel* panel) : QObject(window), m_window(window), m_panel(panel)
{
    qApp->installEventFilter(this);
}

QString StatusHints::hintOf(const QObject* source)
{
    if (const auto* action = qobject_cast<const QAction*>(source))
        return action->statusTip().isEmpty() ? action->toolTip() : action->statusTip();
    if (const auto* widget = qobject_cast<const QWidget*>(source)) {
        if (const QVariant row = widget->property(HintRow); row.isValid())
            return forRow(widget->toolTip(), row.toInt());
        return widget->toolTip();
    }
    return QString();
}

void StatusHints::show(QObject* source)
{
    m_source = source;
    m_shown = hintOf(source);
    if (m_shown.isEmpty())
        m_shown = m_resting;
    m_panel->setText(m_shown);
}

void StatusHints::setResting(const QString& text, bool showNow)
{
    m_resting = text;
    if (!showNow)
        return;
    m_source = nullptr;
    m_shown = text;
    m_panel->setText(text);
}

QString StatusHints::forRow(QString hint, int row)
{
    // A hint that names no row stays as it is.
    static const QRegularExpression first(QStringLiteral("(?<!\\d)1(?!\\d)"));
    const auto match = first.match(hint);
    if (match.hasMatch())
        hint.replace(match.capturedStart(), 1, QString::number(row + 1));
    return hint;
}

void StatusHints::replaceResting(const QString& text)
{
    // Shown now (no status text written since): the new one is shown at once.
    const bool shown = m_panel->text() == m_resting;
    m_resting = text;
    if (shown)
        setResting(text);
}

void StatusHints::refresh()
{
    // Only while the panel still shows the hint: a status text written since stays.
    if (m_source && m_panel->text() == m_shown)
        show(m_source);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (const QVariant row = widget ? widget->property(HintRow) : QVariant(); row.isValid()) {
            QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), forRow(widget->toolTip(), row.toInt()), widget);
            return true;
        }
    }
    if (event->type() == QEvent::Enter) {
        auto* widget = qobject_cast<QWidget*>(watched);
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLabel*>(widget)
            || qobject_cast<QLineEdit*>(widget) || qobject_cast<QAbstractSpinBox*>(widget)
            || qobject_cast<QComboBox*>(widget);
        if (control && widget != m_panel && m_window->isAncestorOf(widget))
            show(widget);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace numora::ui
