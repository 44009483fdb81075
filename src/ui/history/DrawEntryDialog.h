#pragma once

#include "base/Expected.h"
#include "model/Game.h"
#include "model/TZiehung.h"

#include <QDialog>

#include <array>

class QDateEdit;
class QLineEdit;
class QSpinBox;

namespace numora::ui {

// The draw entry dialog `TForm3` ("Zahlen der Ziehung eingeben"): the date and the six numbers,
// and hidden fields for the values the Turkish game does not use, which keep what is stored.
class TForm3 final : public QDialog {
    Q_OBJECT
public:
    // The six fields take 1..`game`'s N; a game with an extra number shows its field.
    explicit TForm3(QWidget* parent, const Game& game = Game{});

    void fill(const TZiehung& record);
    // The record as entered; a digit field that is no decimal number is an error.
    Expected<TZiehung> record() const;

    QDateEdit* date = nullptr;
    std::array<QSpinBox*, 8> upDowns{}; // UpDown1..UpDown8
    std::array<QLineEdit*, 7> spiel77{};
    std::array<QLineEdit*, 6> super6{};
};

} // namespace numora::ui
