#include "ui/ChanceComparisonWindow.h"

#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "ui/FileDialogs.h"
#include "ui/WidgetFactory.h"

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

ChanceComparisonWindow::ChanceComparisonWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("ChanceComparison"));
    setWindowTitle(title());
    auto* root = new QVBoxLayout(this);
    m_content = new QWidget(this);
    auto* content = new QVBoxLayout(m_content);
    content->setContentsMargins(0, 0, 0, 0);

    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* series = new QBarSeries(chart);
    for (int i = 0; i < 3; ++i) {
        m_sets[i] = new QBarSet(QString());
        m_sets[i]->setColor(setColours[i]);
        series->append(m_sets[i]);
    }
    chart->addSeries(series);
    auto* categories = new QBarCategoryAxis(chart);
    for (int k = 0; k <= 6; ++k)
        categories->append(QString::number(k));
    m_categories = categories;
    m_value = new QValueAxis(chart);
    m_value->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(categories, Qt::AlignBottom);
    chart->addAxis(m_value, Qt::AlignLeft);
    series->attachAxis(categories);
    series->attachAxis(m_value);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart = new QChartView(chart, m_content);
    m_chart->setObjectName(QStringLiteral("ComparisonChart"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumSize(460, 260);
    content->addWidget(m_chart, 1);

    m_table = new QTableWidget(8, 3, m_content);
    m_table->setObjectName(QStringLiteral("ComparisonTable"));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    retranslate();
    m_table->setFixedHeight(m_table->horizontalHeader()->sizeHint().height()
                            + 8 * m_table->verticalHeader()->defaultSectionSize() + 2 * m_table->frameWidth());
    content->addWidget(m_table);

    m_sentence = new QLabel(m_content);
    m_sentence->setObjectName(QStringLiteral("ComparisonSentence"));
    m_sentence->setWordWrap(true);
    m_sentence->setTextFormat(Qt::PlainText);
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
    resize(560, 620);
}

void ChanceComparisonWindow::retranslate()
{
    m_chart->chart()->setTitle(tx(QStringLiteral("Reihen nach Anzahl der Richtigen")));
    const QString setNames[3] = {tx(QStringLiteral("Optionen")), tx(QStringLiteral("Zufallstipps")),
                                 tx(QStringLiteral("Erwartet"))};
    for (int i = 0; i < 3; ++i)
        m_sets[i]->setLabel(setNames[i]);
    m_categories->setTitleText(tx(QStringLiteral("Richtige")));
    m_table->setHorizontalHeaderLabels({setNames[0], setNames[1], setNames[2]});
    QStringList rows;
    for (int k = 0; k <= 6; ++k)
        rows << tx(QStringLiteral("%1 Richtige")).arg(k);
    rows << tx(QStringLiteral("Mittel je Reihe"));
    m_table->setVerticalHeaderLabels(rows);
    if (m_shown)
        m_sentence->setText(m_comparison.sentence());
}

void ChanceComparisonWindow::showComparison(const ChanceComparison& c)
{
    m_comparison = c;
    m_shown = true;
    retranslate();
    double high = 1.0;
    for (int i = 0; i < 3; ++i)
        m_sets[i]->remove(0, m_sets[i]->count());
    for (int k = 0; k <= 6; ++k) {
        const std::size_t i = std::size_t(k);
        const double values[3] = {double(c.replay[i]), double(c.control[i]), c.expected[i]};
        for (int s = 0; s < 3; ++s) {
            m_sets[s]->append(values[s]);
            high = std::max(high, values[s]);
        }
        m_table->setItem(k, 0, new QTableWidgetItem(QString::number(c.replay[i])));
        m_table->setItem(k, 1, new QTableWidgetItem(QString::number(c.control[i])));
        m_table->setItem(k, 2, new QTableWidgetItem(formatDecimal(c.expected[i], 2)));
    }
    m_table->setItem(7, 0, new QTableWidgetItem(formatDecimal(c.meanReplay, 3)));
    m_table->setItem(7, 1, new QTableWidgetItem(formatDecimal(c.meanControl, 3)));
    m_table->setItem(7, 2, new QTableWidgetItem(formatDecimal(c.meanExpected, 3)));
    for (int r = 0; r < 8; ++r)
        for (int col = 0; col < 3; ++col)
            m_table->item(r, col)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_value->setRange(0, high);
    m_value->applyNiceNumbers();
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
