#pragma once

#include <QWidget>

class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolButton;

namespace numora::ui {

// The "Datenbank" tab: the chosen-date picker and its draw, maintenance of the history and
// the statistics and analyses that run over it.
class DatenbankPage final : public QWidget {
    Q_OBJECT
public:
    explicit DatenbankPage(QWidget* parent);

    QDateEdit* chosenDate = nullptr;     // DateTimePicker1
    QToolButton* showChosen = nullptr;   // SpeedButton5
    QLabel* drawLine = nullptr;          // Label29
    QPushButton* update = nullptr;       // "&Datenbank aktualisieren"
    QPushButton* stopUpdate = nullptr;   // hidden while no update runs
    QPushButton* enter = nullptr;        // BitBtn8 "Eingeben"
    QPushButton* remove = nullptr;       // BitBtn6 "Löschen"
    QPushButton* pairs = nullptr;
    QPushButton* triples = nullptr;
    QPushButton* quads = nullptr;
    QPushButton* overdue = nullptr;
    QPushButton* superOverdue = nullptr; // hidden
    QPushButton* primes = nullptr;
    QPushButton* odd = nullptr;
    QPushButton* even = nullptr;
    QPushButton* parameterTest = nullptr; // BitBtn9
    QPushButton* drawTest = nullptr;      // BitBtn19
    QCheckBox* onlyAfterThree = nullptr;  // CheckBox31
    QPushButton* textImport = nullptr;    // BitBtn2, hidden
    QPushButton* rebuild = nullptr;       // Button7, hidden
    QPushButton* exportText = nullptr;    // hidden
};

} // namespace numora::ui
