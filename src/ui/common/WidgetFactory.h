#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QToolButton>

namespace numora::ui {

// Widgets carry the program's component names as objectName and their hint as tool tip;
// the status bar shows the hint when the mouse enters them.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {});
QToolButton* makeSpeedButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {});
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {});
QCheckBox* makeCheckBox(QWidget* parent, const QString& name, const QString& caption, bool checked,
                        const QString& hint = {});
// A date picker in the program's short date format that refuses dates before 15.11.1996.
QDateEdit* makeDatePicker(QWidget* parent, const QString& name, const QDate& date, const QString& hint);
QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text, const QString& hint = {});

// A control whose function arrives with a later part of the program: present, but disabled.
template <typename W>
W* pending(W* widget)
{
    widget->setEnabled(false);
    return widget;
}

// A control the program keeps but never shows.
template <typename W>
W* hidden(W* widget)
{
    widget->setVisible(false);
    return widget;
}

} // namespace numora::ui
