#include "ui/analysis/ChanceComparisonWindow.h"

#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/WidgetFactory.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

namespace numora::ui {

namespace {
const QColor setColours[3] = {QColor(0, 128, 0), QColor(70, 110, 200), QColor(160, 160, 160)};
} // namespace

QString ChanceComparisonWindow::title() { return QStringLiteral("Vergleich mit Zufallstipps"); }

ChanceComparisonWindow::Panel ChanceComparisonWindow::makePanel(const QString& name, int first, int last)
{
    Panel panel;
    panel.first = first;
    panel.last = last;
    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* series = new QBarSeries(chart);
    for (int i = 0; i < 3; ++i) {
        panel.sets[i] = new QBarSet(QString());
        panel.sets[i]->setColor(setColours[i]);
        series->append(panel.sets[i]);
    }
    chart->addSeries(series);
    panel.categories = new QBarCategoryAxis(chart);
    for (int k = first; k <= last; ++k)
        panel.categories->append(QString::number(k));
    panel.value = new QValueAxis(chart);
    // Counts, written by the chart's locale: "%d" draws no numbers at all once numbers are localised.
    panel.value->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(panel.categories, Qt::AlignBottom);
    chart->addAxis(panel.value, Qt::AlignLeft);
    series->attachAxis(panel.categories);
    series->attachAxis(panel.value);
    chart->legend()->setAlignment(Qt::AlignBottom);
    panel.view = new QChartView(chart, m_content);
    panel.view->setObjectName(name);
    panel.view->setRenderHint(QPainter::Antialiasing);
    panel.view->setMinimumSize(300, 260);
    return panel;
}

ChanceComparisonWindow::ChanceComparisonWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ChanceComparison"));
    setWindowTitle(title());
    auto* root = new QVBoxLayout(this);
    m_content = new QWidget(this);
    auto* content = new QVBoxLayout(m_content);
    content->setContentsMargins(0, 0, 0, 0);

    m_all = makePanel(QStringLiteral("ComparisonChart"), 0, 6);
    m_wins = makePanel(QStringLiteral("ComparisonChartWins"), 3, 6);
    auto* charts = new QHBoxLayout;
    charts->addWidget(m_all.view, 3);
    charts->addWidget(m_wins.view, 2);
    content->addLayout(charts, 1);

    m_table = new QTableWidget(8, 3, m_content);
    m_table->setObjectName(QStringLiteral("ComparisonTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_rows = new QLabel(m_content);
    m_rows->setObjectName(QStringLiteral("ComparisonRows"));
    m_rows->setWordWrap(true);
    m_rows->setTextFormat(Qt::PlainText);
    m_sentence = new QLabel(m_content);
    m_sentence->setObjectName(QStringLiteral("ComparisonSentence"));
    m_sentence->setWordWrap(true);
    m_sentence->setTextFormat(Qt::PlainText);
    retranslate();
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height()
                            + 8 * m_table->verticalHeader()->defaultSectionSize() + 2 * m_table->frameWidth());
    content->addWidget(m_table);
    content->addWidget(m_rows);
    content->addWidget(m_sentence);
    root->addWidget(m_content, 1);

    auto* buttons = new QHBoxLayout;
    auto* saveButton = makeButton(this, QStringLiteral("SaveComparison"), QStringLiteral("Speichern…"),
                                  QStringLiteral("Den Vergleich als PNG- oder SVG-Bild speichern"));
    auto* closeButton = makeButton(this, QStringLiteral("CloseComparison"), QStringLiteral("Schließen"));
    buttons->addStretch(1);
    buttons->addWidget(saveButton);
    buttons->addWidget(closeButton);
    root->addLayout(buttons);
    connect(saveButton, &QPushButton::clicked, this, &ChanceComparisonWindow::save);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    resize(720, 680);
}

void ChanceComparisonWindow::retranslate()
{
    m_all.view->chart()->setTitle(tx(QStringLiteral("Reihen nach Anzahl der Richtigen")));
    m_wins.view->chart()->setTitle(tx(QStringLiteral("Reihen mit 3 bis 6 Richtigen")));
    const QString setNames[3] = {tx(QStringLiteral("Optionen")), tx(QStringLiteral("Zufallstipps")),
                                 tx(QStringLiteral("Erwartet"))};
    for (Panel* panel : {&m_all, &m_wins}) {
        for (int i = 0; i < 3; ++i)
            panel->sets[i]->setLabel(setNames[i]);
        panel->categories->setTitleText(tx(QStringLiteral("Richtige")));
    }
    m_table->setHorizontalHeaderLabels({setNames[0], setNames[1], setNames[2]});
    for (Panel* panel : {&m_all, &m_wins}) {
        // The axes' numbers as the texts write them, and the legend whole in every language.
        panel->view->chart()->setLocale(textLocale());
        panel->view->chart()->setLocalizeNumbers(true);
        const QFontMetrics metrics(panel->view->chart()->legend()->font());
        int legend = 0;
        for (const QString& name : setNames)
            legend += metrics.horizontalAdvance(name) + 2 * metrics.height() + 12;
        panel->view->setMinimumWidth(std::max(300, legend + 24));
    }
    QStringList rows;
    for (int k = 0; k <= 6; ++k)
        rows << tx(QStringLiteral("%1 Richtige")).arg(k);
    rows << tx(QStringLiteral("Mittel je Reihe"));
    m_table->setVerticalHeaderLabels(rows);
    if (m_shown) {
        const ChanceComparison& c = m_comparison;
        m_rows->setText(tx(QStringLiteral("Gewertet wurden %1 Reihen in %2 Ziehungen, darunter %3 verschiedene."))
                            .arg(formatTextDecimal(double(c.rows), 0), formatTextDecimal(double(c.passes), 0),
                                 formatTextDecimal(double(c.distinctRows), 0)));
        m_sentence->setText(c.sentence());
        // One number format throughout, the language's own.
        auto put = [this](int row, int column, double value, int decimals) {
            auto* item = new QTableWidgetItem(formatTextDecimal(value, decimals));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        };
        for (int k = 0; k <= 6; ++k) {
            const std::size_t i = std::size_t(k);
            put(k, 0, double(c.replay[i]), 0);
            put(k, 1, double(c.control[i]), 0);
            put(k, 2, c.expected[i], 2);
        }
        put(7, 0, c.meanReplay, 3);
        put(7, 1, c.meanControl, 3);
        put(7, 2, c.meanExpected, 3);
    }
}

void ChanceComparisonWindow::fillPanel(Panel& panel)
{
    double high = 1.0;
    for (int i = 0; i < 3; ++i)
        panel.sets[i]->remove(0, panel.sets[i]->count());
    for (int k = panel.first; k <= panel.last; ++k) {
        const std::size_t i = std::size_t(k);
        const double values[3] = {double(m_comparison.replay[i]), double(m_comparison.control[i]),
                                  m_comparison.expected[i]};
        for (int s = 0; s < 3; ++s) {
            panel.sets[s]->append(values[s]);
            high = std::max(high, values[s]);
        }
    }
    panel.value->setRange(0, high);
    panel.value->applyNiceNumbers();
}

void ChanceComparisonWindow::showComparison(const ChanceComparison& c)
{
    m_comparison = c;
    m_shown = true;
    retranslate();
    fillPanel(m_all);
    fillPanel(m_wins);
    QWidget::show();
    raise();
}

bool ChanceComparisonWindow::saveTo(const QString& path)
{
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator generator;
        generator.setFileName(path);
        generator.setSize(m_content->size());
        generator.setViewBox(m_content->rect());
        generator.setTitle(title());
        QPainter painter;
        if (!painter.begin(&generator))
            return false;
        m_content->render(&painter);
        return painter.end();
    }
    return m_content->grab().save(path, "PNG");
}

void ChanceComparisonWindow::save()
{
    QString path = FileDialogs::save(this, tx(QStringLiteral("Vergleich speichern")), QStringLiteral("Vergleich.png"),
                                     tx(QStringLiteral("PNG-Bild (*.png);;SVG-Grafik (*.svg)")), QStringLiteral("png"));
    if (path.isEmpty())
        return;
    if (!saveTo(path))
        QMessageBox::critical(this, QApplication::applicationName(),
                              tx(QStringLiteral("%1 konnte nicht gespeichert werden.")).arg(path));
}

} // namespace numora::ui
