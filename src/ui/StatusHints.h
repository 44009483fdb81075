#pragma once

#include <QObject>

class QLabel;

namespace numora::ui {

// Writes the hint of the button, label, field or option under the mouse into a status panel.
class StatusHints final : public QObject {
    Q_OBJECT
public:
    StatusHints(QWidget* window, QLabel* panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
    QLabel* m_panel;
};

} // namespace numora::ui
