#include "ui/chart/MainChart.h"

#include "base/TextCatalog.h"
#include "model/ResultSeries.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QToolTip>
#include <QValueAxis>

#include <algorithm>

namespace numora::ui {

namespace {
const QColor primeRed(255, 0, 0);
const QColor seriesGreen(0, 128, 0);
// With more bars than this a label under every bar would be cut short.
constexpr std::size_t maxLabelledBars = 25;
} // namespace

MainChart::MainChart(QWidget* parent) : QChartView(new QChart, parent)
{
    setObjectName(QStringLiteral("Chart1"));
    setRenderHint(QPainter::Antialiasing);
    QChart* c = chart();
    c->legend()->hide();
    c->setMargins(QMargins(4, 4, 4, 4));
    m_series1 = new QBarSeries(c);
    m_series1->setObjectName(QStringLiteral("Series1"));
    m_series2 = new QStackedBarSeries(c);
    m_series2->setObjectName(QStringLiteral("Series2"));
    m_series2->setBarWidth(0.7);
    c->addSeries(m_series1);
    c->addSeries(m_series2);
    m_bottom = new QBarCategoryAxis(c);
    m_bottom->setVisible(false);
    // The numbers under the bars; with many bars only every fifth, so none is cut short.
    m_labels = new QCategoryAxis(c);
    m_labels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_labels->setGridLineVisible(false);
    m_value = new QValueAxis(c);
    m_value->setLabelFormat(QStringLiteral("%d"));
    c->addAxis(m_bottom, Qt::AlignBottom);
    c->addAxis(m_labels, Qt::AlignBottom);
    c->addAxis(m_value, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(m_series1), static_cast<QAbstractSeries*>(m_series2)}) {
        s->attachAxis(m_bottom);
        s->attachAxis(m_labels);
        s->attachAxis(m_value);
    }
    connect(m_series2, &QStackedBarSeries::hovered, this,
            [this](bool status, int index, QBarSet*) { onHovered(status, index); });
}

void MainChart::show(const ResultSeries& series)
{
    m_series1->setVisible(!series.series2Active);
    m_series2->setVisible(series.series2Active);
    m_series2->clear();
    m_bottom->clear();
    m_shown.clear();

    // Two stacked sets so that every bar has its own colour: one of the two is 0 at each index.
    auto* red = new QBarSet(QStringLiteral("Primzahlen"));
    auto* green = new QBarSet(QStringLiteral("Zahlen"));
    red->setColor(primeRed);
    red->setBorderColor(primeRed.darker(130));
    green->setColor(seriesGreen);
    green->setBorderColor(seriesGreen.darker(130));
    QStringList categories;
    int low = 0;
    int high = 0;
    for (const ChartPoint& p : series.points) {
        const bool isRed = p.colour == PointColour::Red;
        red->append(isRed ? p.y : 0);
        green->append(isRed ? 0 : p.y);
        categories << QString::number(p.x);
        m_shown.emplace_back(p.x, p.y);
        low = std::min(low, p.y);
        high = std::max(high, p.y);
    }
    m_series2->append(red);
    m_series2->append(green);
    m_bottom->append(categories);
    m_bottom->setTitleText(series.title);
    for (const QString& label : m_labels->categoriesLabels())
        m_labels->remove(label);
    m_labels->setRange(-0.5, std::max<qreal>(0.5, qreal(m_shown.size()) - 0.5));
    const bool every = m_shown.size() <= maxLabelledBars;
    for (std::size_t i = 0; i < m_shown.size(); ++i) {
        const int x = m_shown[i].first;
        if (every || x % 5 == 0)
            m_labels->append(QString::number(x), qreal(i));
    }
    // The axis title is rich text; its blanks are part of the title and must not collapse.
    m_labels->setTitleText(series.title.toHtmlEscaped().replace(QLatin1Char(' '), QStringLiteral("&nbsp;")));
    m_title = series.title;

    if (series.range.automatic) {
        m_value->setRange(low, std::max(high, low + 1));
        m_value->applyNiceNumbers();
    } else {
        // A range of one value still needs some height to be drawn.
        m_value->setRange(series.range.minimum, std::max(series.range.maximum, series.range.minimum + 1));
    }
}

void MainChart::onHovered(bool status, int index)
{
    if (!status || index < 0 || std::size_t(index) >= m_shown.size()) {
        QToolTip::hideText();
        Q_EMIT barHovered(QString());
        return;
    }
    const auto [x, y] = m_shown[std::size_t(index)];
    const QString text = QStringLiteral("%1: %2").arg(x).arg(y);
    QToolTip::showText(QCursor::pos(), text, this);
    Q_EMIT barHovered(text);
}

bool MainChart::saveTo(const QString& path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(size());
        generator.setViewBox(rect());
        generator.setTitle(m_title);
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        render(&painter);
        return painter.end();
    }
    return grab().save(path, "PNG");
}

void MainChart::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* save = menu.addAction(tx(QStringLiteral("Diagramm speichern unter…")));
    if (menu.exec(event->globalPos()) != save)
        return;
    QString selected;
    const QString path = QFileDialog::getSaveFileName(this, tx(QStringLiteral("Diagramm speichern")),
                                                      QStringLiteral("Diagramm.png"),
                                                      tx(QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)")), &selected);
    if (path.isEmpty())
        return;
    QString target = path;
    if (!target.endsWith(QLatin1String(".png"), Qt::CaseInsensitive)
        && !target.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive))
        target += selected.contains(QLatin1String("svg")) ? QStringLiteral(".svg") : QStringLiteral(".png");
    if (!saveTo(target))
        QMessageBox::critical(this, QApplication::applicationName(),
                              tx(QStringLiteral("%1 konnte nicht gespeichert werden.")).arg(target));
}

} // namespace numora::ui
