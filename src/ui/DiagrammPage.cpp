#include "ui/DiagrammPage.h"

#include "ui/WidgetFactory.h"

#include <QBarSeries>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace numora::ui {

DiagrammPage::DiagrammPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    auto* root = new QVBoxLayout(this);

    auto* chart = new QChart;
    chart->legend()->hide();
    series1 = new QBarSeries;
    series1->setObjectName(QStringLiteral("Series1"));
    series2 = new QBarSeries;
    series2->setObjectName(QStringLiteral("Series2"));
    chart->addSeries(series1);
    chart->addSeries(series2);
    chartView = new QChartView(chart, this);
    chartView->setObjectName(QStringLiteral("Chart1"));
    chartView->setRenderHint(QPainter::Antialiasing);
    root->addWidget(chartView, 1);

    auto* buttons = new QHBoxLayout;
    distribution = pending(makeSpeedButton(this, QStringLiteral("SpeedButton14"), QStringLiteral("Verteilung"),
                                           QStringLiteral("Verteilung der gezogenen Zahlen")));
    digitSum = pending(makeSpeedButton(this, QStringLiteral("SpeedButton15"), QStringLiteral("QS"),
                                       QStringLiteral("Quersummenverteilung der Ziehungen")));
    pairs = pending(makeSpeedButton(this, QStringLiteral("SpeedButton16"), QStringLiteral("2er"),
                                    QStringLiteral("Paare aufeinanderfolgender Zahlen")));
    triples = pending(makeSpeedButton(this, QStringLiteral("SpeedButton18"), QStringLiteral("3er"),
                                      QStringLiteral("Dreier aufeinanderfolgender Zahlen")));
    quads = pending(makeSpeedButton(this, QStringLiteral("SpeedButton19"), QStringLiteral("4er"),
                                    QStringLiteral("Vierer aufeinanderfolgender Zahlen")));
    overdue = pending(makeSpeedButton(this, QStringLiteral("SpeedButton20"), QStringLiteral("Ausstehende"),
                                      QStringLiteral("Seit wievielen Ziehungen wurde jede Zahl nicht gezogen?")));
    superOverdue = hidden(pending(makeSpeedButton(this, QStringLiteral("SpeedButton21"), QStringLiteral("Super offen"),
                                                  QStringLiteral("wie lange sind die einzelnen Sternzahlen "
                                                                 "überfällig"))));
    superFrequency = hidden(pending(makeSpeedButton(this, QStringLiteral("SpeedButton22"), QStringLiteral("Superzahl"))));
    for (QToolButton* b : {distribution, digitSum, pairs, triples, quads, overdue, superOverdue, superFrequency})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Ziehungen ab:"),
                                 QStringLiteral("Beginn des Zeitraums der Auswertungen")));
    startDate = makeDatePicker(this, QStringLiteral("DateTimePicker2"), QDate(1996, 11, 16),
                               QStringLiteral("Beginn des Zeitraums der Auswertungen"));
    buttons->addWidget(startDate);
    root->addLayout(buttons);
}

} // namespace numora::ui
