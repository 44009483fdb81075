#pragma once

#include "wheel/WheelBuilder.h"

#include <QWidget>

#include <array>
#include <vector>
#include <atomic>
#include <functional>
#include <optional>

class QBarSet;
class QBarCategoryAxis;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QThread;
class QValueAxis;

namespace numora {
struct ProgramState;
}

namespace numora::ui {

// "Systeme": the player picks numbers and a guarantee, the window builds a wheel in the
// background, proves it and shows what it wins against every draw; its rows go onto the sheet
// twelve at a time and into tip files. Non-modal; closing it stops a build.
class WheelWindow final : public QWidget {
    Q_OBJECT
public:
    struct Hooks {
        // The distinct numbers of the generator's pool; nothing when there is none.
        std::function<std::optional<NumberSet>()> poolNumbers;
        // The sheet was changed: show it.
        std::function<void()> sheetChanged;
    };

    WheelWindow(ProgramState& state, Hooks hooks, QWidget* parent);
    ~WheelWindow() override;

    // Every ticked number, keys included.
    NumberSet chosenNumbers() const;
    // Ticks the numbers, none of them a key.
    void setChosenNumbers(NumberSet numbers);
    // The numbers ticked twice: key numbers, in every row.
    NumberSet keyNumbers() const;
    void setKeyNumbers(NumberSet keys);
    bool building() const { return m_thread != nullptr; }
    const std::optional<Wheel>& wheel() const { return m_wheel; }
    // Texts in the current language.
    void retranslate();

Q_SIGNALS:
    // A build ended (found, stopped or without a wheel).
    void buildFinished();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Stops a build from the window's thread; the worker reads it between its steps.
    class Stop : public RunControl {
    public:
        bool stopRequested() const override { return flag.load(); }
        std::atomic<bool> flag{false};
    };

    void calculate();
    void stopAndWait();
    void finish();
    void showProgress(const WheelProgress& progress);
    void showWheel(const Wheel& wheel, const WheelOdds& odds);
    void showBudget(const BudgetWheel& budget);
    void fillOdds();
    void putOnSheet();
    void save();
    void load();
    void takeFromSheet();
    void takeFromPool();
    void updateChosenCount();
    Guarantee chosenGuarantee() const;
    void setBusy(bool busy);
    // The odds table no narrower than its titles in the current language.
    void fitOddsTitles();
    // The line under "Berechnen", kept as how to write it so a language switch rewrites it.
    void setProgress(std::function<QString()> text);
    // No wheel: its rows, proof, odds, chart and cost go.
    void clearWheel();

    ProgramState& m_state;
    Hooks m_hooks;
    std::vector<QCheckBox*> m_numbers; // the game's numbers 1..N
    QLabel* m_chosenCount = nullptr;
    QLabel* m_guaranteeLabel = nullptr;
    QComboBox* m_guarantee = nullptr;
    QLabel* m_budgetLabel = nullptr;
    QSpinBox* m_budget = nullptr;
    QLabel* m_secondsLabel = nullptr;
    QSpinBox* m_seconds = nullptr;
    QPushButton* m_fromSheet = nullptr;
    QPushButton* m_fromPool = nullptr;
    QPushButton* m_calculate = nullptr;
    QLabel* m_progress = nullptr;
    std::function<QString()> m_progressText;
    QPlainTextEdit* m_rows = nullptr;
    QLabel* m_proof = nullptr;
    QTableWidget* m_odds = nullptr;
    QChartView* m_chart = nullptr;
    QBarSet* m_withinSet = nullptr;
    QBarSet* m_allSet = nullptr;
    QBarCategoryAxis* m_hitsAxis = nullptr;
    QValueAxis* m_shareAxis = nullptr;
    QLabel* m_cost = nullptr;
    QPushButton* m_toSheet = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_close = nullptr;

    QThread* m_thread = nullptr;
    Stop m_stop;
    Expected<WheelBuild> m_result{WheelBuild{}};
    std::optional<Wheel> m_wheel;
    WheelOdds m_wheelOdds;
    // The wheel shown is the best rows of a budget: what they cover.
    std::optional<BudgetWheel> m_budgetWheel;
    std::size_t m_nextRow = 0;
    int m_bestRows = 0;
};

} // namespace numora::ui
