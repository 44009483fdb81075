#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QToolButton;

namespace numora {
class TTippSchein;
}

namespace numora::ui {

class ClickableLabel;
class TipField;

// The twelve rows of the tip sheet: row label (red = locked), six number fields, the edit
// button, the hit display and the sum display. The sheet model holds the truth; the view
// applies the field rule as the user types and shows the model after every evaluation.
class TipSheetView final : public QWidget {
    Q_OBJECT
public:
    static QString rowLabelHint();
    static QString editButtonHint();

    TipSheetView(TTippSchein& sheet, QWidget* parent);

    // Shows the model's texts, colours and displays.
    void refresh();

    TipField* field(int row, int position) const { return m_fields[std::size_t(row)][std::size_t(position)]; }
    QToolButton* editButton(int row) const { return m_editButtons[std::size_t(row)]; }

Q_SIGNALS:
    // The input focus left a number field.
    void fieldLeft();
    void editRowRequested(int row);

private:
    void onTextChanged(int row, int position, const QString& text);
    void onLockClicked(int row);
    void showLock(int row);

    TTippSchein& m_sheet;
    std::array<std::array<TipField*, 6>, 12> m_fields{};
    std::array<ClickableLabel*, 12> m_rowLabels{};
    std::array<QLabel*, 12> m_hitLabels{};
    std::array<QLabel*, 12> m_sumLabels{};
    std::array<QToolButton*, 12> m_editButtons{};
    bool m_refreshing = false;
};

} // namespace numora::ui
