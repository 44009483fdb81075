#pragma once

#include <QCheckBox>
#include <QDialog>

#include <vector>
#include <functional>

class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace numora {
class NumberSelection;
class Random;
} // namespace numora

namespace numora::ui {

// A number box of the dialog: the model decides its tick, so a click does not toggle it by
// itself; a right-button release is reported too.
class NumberBox final : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

Q_SIGNALS:
    void rightReleased();
    void hovered();

protected:
    void nextCheckState() override {}
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
};

// The number selection dialog `TForm6`: a box with its weight for each of the model's numbers,
// `columns` to a row as on the game's ticket (7 x 7 for 49), in pool mode or in row mode, bound
// to a NumberSelection.
class TForm6 final : public QDialog {
    Q_OBJECT
public:
    // Results besides Rejected: OK and "&Rechnen".
    static constexpr int ResultOk = QDialog::Accepted;
    static constexpr int ResultRechnen = 2;

    TForm6(NumberSelection& model, Random& random, QWidget* parent, int columns = 7);

    // Shows the model's boxes, captions and buttons.
    void refresh();
    NumberBox* numberBox(int n) const { return m_boxes.at(std::size_t(n - 1)); }

    // "Today" for the proposed file name; replaced in tests.
    std::function<QDate()> today;

protected:
    void done(int result) override;
    void showEvent(QShowEvent* event) override;

private:
    void saveList();
    void loadList();
    void onRandom();

    NumberSelection& m_model;
    Random& m_random;
    std::vector<NumberBox*> m_boxes;
    QLabel* m_status = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_rechnen = nullptr;
    QPushButton* m_zufall = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace numora::ui
