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
    // One bar chart over the hit classes first..last: all of them, and the winning classes 3..6
    // alone, which vanish beside the thousands of rows with fewer hits.
    struct Panel {
        int first = 0;
        int last = 6;
        QChartView* view = nullptr;
        QBarSet* sets[3] = {};
        QValueAxis* value = nullptr;
        QBarCategoryAxis* categories = nullptr;
    };
    Panel makePanel(const QString& name, int first, int last);
    void fillPanel(Panel& panel);
    void save();

    ChanceComparison m_comparison;
    bool m_shown = false;
    Panel m_all;
    Panel m_wins;
    QTableWidget* m_table = nullptr;
    QLabel* m_rows = nullptr;
    QLabel* m_sentence = nullptr;
    QWidget* m_content = nullptr;
};

} // namespace numora::ui
