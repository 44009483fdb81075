#include "ui/chart/ChartPage.h"

#include "ui/chart/MainChart.h"
#include "ui/common/WidgetFactory.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace numora::ui {

DiagrammPage::DiagrammPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
    auto* root = new QVBoxLayout(this);

    chart = new MainChart(this);
    root->addWidget(chart, 1);

    auto* buttons = new QHBoxLayout;
    distribution = makeSpeedButton(this, QStringLiteral("SpeedButton14"), QStringLiteral("Verteilung"),
                                   QStringLiteral("Verteilung der gezogenen Zahlen"));
    digitSum = makeSpeedButton(this, QStringLiteral("SpeedButton15"), QStringLiteral("QS"),
                               QStringLiteral("Quersummenverteilung der Ziehungen"));
    pairs = makeSpeedButton(this, QStringLiteral("SpeedButton16"), QStringLiteral("2er"),
                            QStringLiteral("Paare aufeinanderfolgender Zahlen"));
    triples = makeSpeedButton(this, QStringLiteral("SpeedButton18"), QStringLiteral("3er"),
                              QStringLiteral("Dreier aufeinanderfolgender Zahlen"));
    quads = makeSpeedButton(this, QStringLiteral("SpeedButton19"), QStringLiteral("4er"),
                            QStringLiteral("Vierer aufeinanderfolgender Zahlen"));
    overdue = makeSpeedButton(this, QStringLiteral("SpeedButton20"), QStringLiteral("Ausstehende"),
                              QStringLiteral("Seit wievielen Ziehungen wurde jede Zahl nicht gezogen?"));
    superOverdue = hidden(makeSpeedButton(this, QStringLiteral("SpeedButton21"), QStringLiteral("Super offen"),
                                          QStringLiteral("wie lange sind die einzelnen Sternzahlen überfällig")));
    superFrequency = hidden(makeSpeedButton(this, QStringLiteral("SpeedButton22"), QStringLiteral("Superzahl"),
                                            QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?")));
    for (QToolButton* b : {distribution, digitSum, pairs, triples, quads, overdue, superOverdue, superFrequency})
        buttons->addWidget(b);
    buttons->addStretch(1);
    QLabel* startLabel = makeLabel(this, QStringLiteral("Label3"), QStringLiteral("Ziehungen ab:"),
                                   QStringLiteral("Beginn des Zeitraums der Auswertungen"));
    buttons->addWidget(startLabel);
    startDate = makeDatePicker(this, QStringLiteral("DateTimePicker2"), QDate(1996, 11, 16),
                               QStringLiteral("Beginn des Zeitraums der Auswertungen"));
    startLabel->setBuddy(startDate);
    buttons->addWidget(startDate);
    root->addLayout(buttons);
}

} // namespace numora::ui
