#include "ui/history/HistoryPage.h"

#include "ui/common/WidgetFactory.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace numora::ui {

DatenbankPage::DatenbankPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));
    auto* root = new QVBoxLayout(this);

    auto* drawBox = new QGroupBox(QStringLiteral("Ziehung"), this);
    auto* drawLayout = new QGridLayout(drawBox);
    chosenDate = makeDatePicker(drawBox, QStringLiteral("DateTimePicker1"), QDate::currentDate(),
                                QStringLiteral("Datum der Ziehung"));
    showChosen = makeSpeedButton(drawBox, QStringLiteral("SpeedButton5"), QStringLiteral("Anzeigen"),
                                 QStringLiteral("Den Tipp für die Ziehung dieses Datums auswerten"));
    drawLine = makeLabel(drawBox, QStringLiteral("Label29"), QString());
    drawLine->setTextFormat(Qt::PlainText);
    QFont bold = drawLine->font();
    bold.setBold(true);
    drawLine->setFont(bold);
    drawLayout->addWidget(chosenDate, 0, 0);
    drawLayout->addWidget(showChosen, 0, 1);
    drawLayout->addWidget(drawLine, 0, 2);
    drawLayout->setColumnStretch(2, 1);

    update = (makeButton(drawBox, QStringLiteral("BitBtn1"), QStringLiteral("&Datenbank aktualisieren"),
                                QStringLiteral("Die Ziehungen seit der letzten gespeicherten Ziehung aus dem Internet "
                                               "laden")));
    stopUpdate = hidden(makeButton(drawBox, QStringLiteral("StopButton"), QStringLiteral("Stopp"),
                                   QStringLiteral("Stoppt das Einlesen")));
    enter = (makeButton(drawBox, QStringLiteral("BitBtn8"), QStringLiteral("Eingeben"),
                               QStringLiteral("manuelle eingaben der Ziehungsdaten.")));
    remove = (makeButton(drawBox, QStringLiteral("BitBtn6"), QStringLiteral("Löschen"),
                                QStringLiteral("Löschen der aktuell angezeigten Ziehung")));
    auto* maintain = new QHBoxLayout;
    maintain->addWidget(update);
    maintain->addWidget(stopUpdate);
    maintain->addWidget(enter);
    maintain->addWidget(remove);
    maintain->addStretch(1);
    drawLayout->addLayout(maintain, 1, 0, 1, 3);
    root->addWidget(drawBox);

    auto* statsBox = new QGroupBox(QStringLiteral("Auswertungen der Ziehungen"), this);
    auto* stats = new QGridLayout(statsBox);
    pairs = (makeButton(statsBox, QStringLiteral("BitBtn11"), QStringLiteral("Paare suchen"),
                               QStringLiteral("Wie oft wurden zwei aufeinanderfolgende Zahlen gezogen?")));
    triples = (makeButton(statsBox, QStringLiteral("BitBtn12"), QStringLiteral("Dreier suchen"),
                                 QStringLiteral("Wie oft wurden drei aufeinanderfolgende Zahlen gezogen?")));
    quads = (makeButton(statsBox, QStringLiteral("BitBtn13"), QStringLiteral("Vierer suchen"),
                               QStringLiteral("Wie oft wurden vier aufeinanderfolgende Zahlen gezogen?")));
    overdue = (makeButton(statsBox, QStringLiteral("BitBtn14"), QStringLiteral("Ausstehende"),
                                 QStringLiteral("Seit wievielen Ziehungen wurde jede Zahl nicht gezogen?")));
    superOverdue = hidden((makeButton(statsBox, QStringLiteral("BitBtn15"),
                                             QStringLiteral("Superzahl ausstehende"))));
    primes = (makeButton(statsBox, QStringLiteral("BitBtn16"), QStringLiteral("Primzahlen pro Tipp"),
                                QStringLiteral("Diagramm der Primzahlen pro Tipp")));
    odd = (makeButton(statsBox, QStringLiteral("BitBtn17"), QStringLiteral("Ungerade pro Tipp"),
                             QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp")));
    even = (makeButton(statsBox, QStringLiteral("BitBtn18"), QStringLiteral("Gerade pro Tipp"),
                              QStringLiteral("Diagramm der geraden Zahlen pro Tipp")));
    stats->addWidget(pairs, 0, 0);
    stats->addWidget(triples, 0, 1);
    stats->addWidget(quads, 0, 2);
    stats->addWidget(overdue, 1, 0);
    stats->addWidget(superOverdue, 1, 1);
    stats->addWidget(primes, 2, 0);
    stats->addWidget(odd, 2, 1);
    stats->addWidget(even, 2, 2);
    root->addWidget(statsBox);

    auto* testBox = new QGroupBox(QStringLiteral("Historische Analyse"), this);
    auto* tests = new QGridLayout(testBox);
    parameterTest = makeButton(testBox, QStringLiteral("BitBtn9"), QStringLiteral("Parameter testen"),
                               QStringLiteral("Historische Analyse der Parameter: ab dem gewählten Datum vor "
                                              "jeder Ziehung Tipps berechnen und auswerten"));
    drawTest = makeButton(testBox, QStringLiteral("BitBtn19"), QStringLiteral("Ziehungen vergleichen"),
                          QStringLiteral("Historische Analyse der Ziehungen: ähnliche Zahlen in früheren und "
                                         "folgenden Ziehungen"));
    onlyAfterThree = makeCheckBox(testBox, QStringLiteral("CheckBox31"),
                                  QStringLiteral("Neuberechnung  nur wenn ein 3er erzielt wurde"), false);
    tests->addWidget(parameterTest, 0, 0);
    tests->addWidget(drawTest, 0, 1);
    tests->addWidget(onlyAfterThree, 1, 0, 1, 2);
    root->addWidget(testBox);

    textImport = hidden((makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Datenbank neu anlegen"))));
    rebuild = hidden((makeButton(this, QStringLiteral("Button7"),
                                        QStringLiteral("Datenbank komplett neu aufbauen"))));
    exportText = hidden((makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("Export nach Text"))));
    root->addStretch(1);
}

} // namespace numora::ui
