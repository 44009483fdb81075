#include "ui/common/WidgetFactory.h"

namespace numora::ui {

namespace {
template <typename W>
W* named(W* widget, const QString& name, const QString& hint)
{
    widget->setObjectName(name);
    widget->setToolTip(hint);
    return widget;
}
} // namespace

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint)
{
    return named(new QPushButton(caption, parent), name, hint);
}

QToolButton* makeSpeedButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint)
{
    auto* button = named(new QToolButton(parent), name, hint);
    button->setText(caption);
    button->setAutoRaise(false);
    return button;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QString& hint)
{
    return named(new QLabel(caption, parent), name, hint);
}

QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked,
                        const QString& hint)
{
    auto* box = named(new QCheckBox(caption, parent), name, hint);
    box->setChecked(checked);
    return box;
}

QDateEdit* makeDatePicker(QWidget* parent, const QString& name, const QDate& date, const QString& hint)
{
    auto* picker = named(new QDateEdit(parent), name, hint);
    picker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    picker->setCalendarPopup(true);
    picker->setMinimumDate(QDate(1996, 11, 15));
    picker->setDate(date);
    return picker;
}

QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text, const QString& hint)
{
    return named(new QLineEdit(text, parent), name, hint);
}

} // namespace numora::ui
