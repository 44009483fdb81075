#pragma once

#include "base/Expected.h"
#include "model/Game.h"

#include <QDialog>

#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace numora::ui {

// "Eigenes Spiel…": id, name, N, draw days and extra number of a player's 6-of-N game. OK hands
// the game to the check (which writes it); its error stays in the dialog, which stays open.
class OwnGameDialog final : public QDialog {
    Q_OBJECT
public:
    explicit OwnGameDialog(QWidget* parent);

    void setCheck(std::function<Status(const Game&)> check) { m_check = std::move(check); }
    // The game as entered.
    Game entered() const;
    // The game the check accepted.
    const Game& game() const { return m_game; }

    QLineEdit* id = nullptr;
    QLineEdit* name = nullptr;
    QSpinBox* numbers = nullptr;
    std::array<QCheckBox*, 7> days{}; // Mo..Sa, So
    QComboBox* extra = nullptr;
    QLabel* error = nullptr;

    // OK: the check, then closed, or its error shown and the dialog kept open.
    void accept() override;

private:
    std::function<Status(const Game&)> m_check;
    Game m_game;
};

} // namespace numora::ui
