#pragma once

#include <QObject>
#include <QPointer>

class QLabel;

namespace numora::ui {

// Writes the hint of the button, label, field, option or menu item under the mouse into a
// status panel.
class StatusHints final : public QObject {
    Q_OBJECT
public:
    StatusHints(QWidget* window, QLabel* panel);

    // Shows the hint of a menu item (its status tip, else its tool tip) or widget; a control
    // without a hint shows the resting text.
    void show(QObject* source);
    // What the panel shows between hints (the folder in use); shown at once when `showNow`.
    void setResting(const QString& text, bool showNow = true);
    // After a language switch: the hint on show is read again from its control, so it speaks
    // the new language without waiting for the mouse to move.
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static QString hintOf(const QObject* source);

    QWidget* m_window;
    QLabel* m_panel;
    QPointer<QObject> m_source;
    QString m_shown;
    QString m_resting;
};

} // namespace numora::ui
