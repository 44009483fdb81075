#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace numora {
class TTippSchein;
}

namespace numora::ui {

class ClickableLabel;
class TipSheetView;

// The "Lottotipp" tab: the tip sheet, the generation and output buttons, the current-draw
// panel and the hidden weekday boxes of the history window.
class LottotippPage final : public QWidget {
    Q_OBJECT
public:
    LottotippPage(TTippSchein& sheet, QWidget* parent);

    TipSheetView* sheetView = nullptr;
    QSpinBox* tipCount = nullptr;          // UpDown8 with its field Edit80
    QPushButton* calculate = nullptr;      // BitBtn4 "Tipps &berechnen"
    QPushButton* luckyNumber = nullptr;    // "Glückszahl setzen"
    QToolButton* searchHistory = nullptr;  // "Tipps in DB suchen"
    QPushButton* sheetDistribution = nullptr; // "Tippverteilung"
    QToolButton* report = nullptr;         // "Tipp"
    QToolButton* saveTip = nullptr;
    QToolButton* loadTip = nullptr;
    QToolButton* submit = nullptr;         // "Tipp &abgeben"
    QToolButton* tipp24 = nullptr;         // hidden
    QToolButton* mail = nullptr;
    QToolButton* printTicket = nullptr;    // hidden "Schein drucken"
    QToolButton* clearAll = nullptr;       // SpeedButton11
    QToolButton* previousDraw = nullptr;   // SpeedButton6
    QToolButton* nextDraw = nullptr;       // SpeedButton7
    QToolButton* update = nullptr;         // update button of the current-draw panel
    QLabel* drawLine = nullptr;            // Label35
    QLabel* sumLabel = nullptr;            // Label13
    QLabel* ticketNumber = nullptr;        // the ticket number of the last print
    QCheckBox* saturdayDraws = nullptr;    // CheckBox16, hidden
    QCheckBox* wednesdayDraws = nullptr;   // CheckBox17, hidden
    ClickableLabel* productPanel1 = nullptr;
    ClickableLabel* productPanel2 = nullptr;
};

} // namespace numora::ui
