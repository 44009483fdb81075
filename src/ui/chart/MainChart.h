#pragma once

#include <QChartView>

class QBarCategoryAxis;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QStackedBarSeries;
class QValueAxis;

namespace numora {
struct ResultSeries;
}

namespace numora::ui {

// The main chart `Chart1`: a statistic's points as bars (red for primes where the statistic
// colours them), its value range and its title under the bottom axis. Hovering a bar reports
// its value; the context menu saves the chart as PNG or SVG.
class MainChart final : public QChartView {
    Q_OBJECT
public:
    explicit MainChart(QWidget* parent);

    void show(const ResultSeries& series);
    // Writes the chart as SVG when the name ends in ".svg", otherwise as a PNG image.
    bool saveTo(const QString& path);

    QBarSeries* series1() const { return m_series1; }
    QStackedBarSeries* series2() const { return m_series2; }
    QBarCategoryAxis* bottomAxis() const { return m_bottom; }
    QValueAxis* valueAxis() const { return m_value; }
    // The title under the bottom axis, as the statistic wrote it.
    const QString& title() const { return m_title; }

Q_SIGNALS:
    // "X: Y" of the bar under the mouse; empty when the mouse leaves it.
    void barHovered(const QString& text);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void onHovered(bool status, int index);

    QBarSeries* m_series1 = nullptr;
    QStackedBarSeries* m_series2 = nullptr;
    QBarCategoryAxis* m_bottom = nullptr;
    QCategoryAxis* m_labels = nullptr;
    QValueAxis* m_value = nullptr;
    std::vector<std::pair<int, int>> m_shown; // X and Y per bar
    QString m_title;
};

} // namespace numora::ui
