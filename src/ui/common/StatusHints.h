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
    // The resting text in another language; shown at once where the old one still stands.
    void replaceResting(const QString& text);

    // A control whose hint names the first row ("Tipp 1", "line 1") carries its own row
    // (0-based) in this property; its hint and tool tip then name that row.
    static constexpr const char* HintRow = "hintRow";
    static QString forRow(QString hint, int row);

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
