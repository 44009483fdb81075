#pragma once

#include <QWidget>

class QDateEdit;
class QToolButton;

namespace numora::ui {

class MainChart;

// The "Diagramm" tab: the main chart `Chart1` with its bar series, the chart buttons and the
// start date of the history window.
class DiagrammPage final : public QWidget {
    Q_OBJECT
public:
    explicit DiagrammPage(QWidget* parent);

    MainChart* chart = nullptr;      // Chart1
    QDateEdit* startDate = nullptr;  // DateTimePicker2
    QToolButton* distribution = nullptr;
    QToolButton* digitSum = nullptr;   // "QS"
    QToolButton* pairs = nullptr;      // "2er"
    QToolButton* triples = nullptr;    // "3er"
    QToolButton* quads = nullptr;      // "4er"
    QToolButton* overdue = nullptr;    // "Ausstehende"
    QToolButton* superOverdue = nullptr;   // "Super offen", hidden
    QToolButton* superFrequency = nullptr; // "Superzahl", hidden
};

} // namespace numora::ui
