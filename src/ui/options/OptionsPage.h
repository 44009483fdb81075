#pragma once

#include <QWidget>

#include <map>

class QCheckBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace numora {
struct Game;
}

namespace numora::ui {

// The "Berechnung" tab: every generation option on the inner tabs "Statistisch", "Schein
// Optimierung", "Mathematisch", "Allgemein" and the never-shown "Superzahl", built from the
// options table, and the small chart buttons beside them.
class BerechnungPage final : public QWidget {
    Q_OBJECT
public:
    explicit BerechnungPage(QWidget* parent);

    // An option that means nothing in `game` is off limits, its tooltip and status text saying why.
    void showGame(const Game& game);

    QTabWidget* inner = nullptr;
    QWidget* superzahlTab = nullptr; // never shown
    std::map<int, QCheckBox*> checkBoxes;
    std::map<int, QSpinBox*> upDowns;

    // Chart buttons: what they show.
    QToolButton* distributionButton = nullptr;
    QToolButton* overdueButton = nullptr;
    QToolButton* pairsButton = nullptr;
    QToolButton* triplesButton = nullptr;
    QToolButton* quadsButton = nullptr;
    QToolButton* digitSumButton = nullptr;
    QToolButton* primesButton = nullptr;
    QToolButton* evenButton = nullptr;
    QToolButton* oddButton = nullptr;
    QToolButton* mathPairsButton = nullptr;
    QToolButton* mathTriplesButton = nullptr;
    QToolButton* mathQuadsButton = nullptr;
    QLabel* digitSumLabel = nullptr; // clickable: shows the digit sums
    // Clickable explanations beside the pair and run options: show pairs, triples, quads.
    QLabel* pairsLabel = nullptr;
    QLabel* triplesLabel = nullptr;
    QLabel* quadsLabel = nullptr;

private:
    QCheckBox* box(QWidget* parent, int n);
    QSpinBox* upDown(QWidget* parent, int n);
    QToolButton* chartButton(QWidget* parent, const QString& name, const QString& hint);
};

} // namespace numora::ui
