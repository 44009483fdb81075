#pragma once

#include <QDialog>

#include <array>

class QLineEdit;
class QRadioButton;

namespace numora {
struct PrintValues;
}

namespace numora::ui {

// "Positionierung des Scheindruckes": the geometry of a ticket no preset fits. Its fields are
// free text; only a custom print reads them as integers. They mirror the stored print values:
// shown when the window opens, written back when it closes.
class TForm8 final : public QDialog {
    Q_OBJECT
public:
    TForm8(PrintValues& values, QWidget* parent);

    // Fields and layout from the stored values (after a print wrote its geometry back).
    void showValues();
    // The fields and layout into the stored values.
    void storeValues();

    QLineEdit* field(int n) const { return m_fields.at(std::size_t(n)); }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    PrintValues& m_values;
    std::array<QLineEdit*, 24> m_fields{};
    QRadioButton* m_blocks = nullptr; // "Tipps in Blöcken mit Aufteilung 7x7"
    QRadioButton* m_line = nullptr;   // "Zahlen eines Tipps waagerechte 49x1"
};

} // namespace numora::ui
