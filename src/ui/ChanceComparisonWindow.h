#pragma once

#include "eval/ChanceComparison.h"

#include <QWidget>

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLabel;
class QTableWidget;
class QValueAxis;

namespace numora::ui {

// "Vergleich mit Zufallstipps": beside the back-test's report, how the replayed sheets fared
// against quick picks and against what chance leads one to expect. Non-modal; it stays open
// while the user goes on and is filled anew by the next back-test.
class ChanceComparisonWindow final : public QWidget {
    Q_OBJECT
public:
    static QString title(); // "Vergleich mit Zufallstipps"

    explicit ChanceComparisonWindow(QWidget* parent);

    // Fills the window and brings it up.
    void showComparison(const ChanceComparison& comparison);
    const ChanceComparison& comparison() const { return m_comparison; }
    // Writes the window's content as SVG when the name ends in ".svg", otherwise as PNG.
    bool saveTo(const QString& path);
    // Sets the composed texts (chart titles, table headers, the sentence) in the current language.
    void retranslate();

private:
    void save();

    ChanceComparison m_comparison;
    bool m_shown = false;
    QChartView* m_chart = nullptr;
    QBarSet* m_sets[3] = {};
    QValueAxis* m_value = nullptr;
    QBarCategoryAxis* m_categories = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_sentence = nullptr;
    QWidget* m_content = nullptr;
};

} // namespace numora::ui
