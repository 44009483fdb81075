#include "ui/sheet/SheetPage.h"

#include "base/TextCatalog.h"
#include "model/TTippSchein.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ClickableLabel.h"
#include "ui/sheet/TipSheetView.h"
#include "ui/common/WidgetFactory.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

namespace numora::ui {

namespace {

ClickableLabel* productPanel(QWidget* parent, const QString& name, const QString& text)
{
    auto* panel = new ClickableLabel(text, parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAlignment(Qt::AlignCenter);
    panel->setWordWrap(true);
    panel->setCursor(Qt::PointingHandCursor);
    panel->setToolTip(QStringLiteral("Zur Produktseite im Internet"));
    return panel;
}

} // namespace

LottotippPage::LottotippPage(TTippSchein& sheet, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(6, 6, 6, 4);
    auto* top = new QHBoxLayout;
    root->addLayout(top, 1);

    sheetView = new TipSheetView(sheet, this);
    top->addWidget(sheetView, 0, Qt::AlignTop);
    top->addSpacing(8);

    auto* side = new QVBoxLayout;
    top->addLayout(side, 1);

    auto* countRow = new QHBoxLayout;
    tipCount = new QSpinBox(this);
    tipCount->setObjectName(QStringLiteral("UpDown8"));
    // The spin box's own field is the count field.
    auto* countField = tipCount->findChild<QLineEdit*>();
    countField->setObjectName(QStringLiteral("Edit80"));
    tipCount->setRange(TTippSchein::MinTipCount, TTippSchein::MaxTipCount);
    tipCount->setValue(TTippSchein::DefaultTipCount);
    tipCount->setToolTip(QStringLiteral("Anzahl der Tipps, die berechnet werden"));
    countField->setToolTip(tipCount->toolTip());
    AccessibleNames::composedName(tipCount, [] { return tx(QStringLiteral("Anzahl der Tipps")); });
    countRow->addWidget(tipCount);
    calculate = (makeButton(this, QStringLiteral("BitBtn4"), QStringLiteral("Tipps &berechnen"),
                                   QStringLiteral("Die eingestellt Anzahl von Tipps wird mit den vorgegebenen "
                                                  "Parametern berechnet")));
    countRow->addWidget(calculate, 1);
    side->addLayout(countRow);

    luckyNumber = (makeButton(this, QStringLiteral("BitBtn5"), QStringLiteral("Glückszahl setzen"),
                                     QStringLiteral("Hier können Sie den Zufall etwas nachhelfen und wirklich Ihren "
                                                    "Tipp generieren")));
    side->addWidget(luckyNumber);
    searchHistory = (makeSpeedButton(this, QStringLiteral("SpeedButton10"), QStringLiteral("Tipps in DB suchen"),
                                            QStringLiteral("Hier können Sie suchen ob dieser Tipp schon einmal gezogen "
                                                           "wurde")));
    searchHistory->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    side->addWidget(searchHistory);
    sheetDistribution = (makeButton(this, QStringLiteral("BitBtn7"), QStringLiteral("Tippverteilung"),
                                           QStringLiteral("Wie oft kommt jede Zahl in den Tipps vor?")));
    side->addWidget(sheetDistribution);

    auto* tools = new QGridLayout;
    const QStyle* st = style();
    report = (makeSpeedButton(this, QStringLiteral("SpeedButton13"), QStringLiteral("Tipp"),
                                     QStringLiteral("Die Tipps als Text anzeigen und drucken")));
    saveTip = (makeSpeedButton(this, QStringLiteral("SpeedButton8"), QString(),
                                      QStringLiteral("Speichern des Tipps")));
    saveTip->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    loadTip = (makeSpeedButton(this, QStringLiteral("SpeedButton9"), QString(),
                                      QStringLiteral("Tipp laden aus Datei")));
    loadTip->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    mail = (makeSpeedButton(this, QStringLiteral("SpeedButton36"), QStringLiteral("E-Mail"),
                                   QStringLiteral("Schicken Sie hier Ihren Lottotipp per Email. Mit enthalten ein Link "
                                                  "mit dem Sie den Tipp auch Online auswerten können")));
    submit = (makeSpeedButton(this, QStringLiteral("OnlineSpiel"), QStringLiteral("Tipp &abgeben"),
                                     QStringLiteral("Hier können Sie den Tipp Online abgeben")));
    tipp24 = hidden(pending(makeSpeedButton(this, QStringLiteral("SpeedButton17"), QStringLiteral("Tipp24"))));
    printTicket = hidden(pending(makeSpeedButton(this, QStringLiteral("SpeedButton12"),
                                                 QStringLiteral("Schein drucken"))));
    clearAll = makeSpeedButton(this, QStringLiteral("SpeedButton11"), QString(), QStringLiteral("Löschen aller Tipps"));
    clearAll->setIcon(st->standardIcon(QStyle::SP_TrashIcon));
    const QList<QToolButton*> grid{report, saveTip, loadTip, clearAll, mail, submit};
    for (int i = 0; i < grid.size(); ++i) {
        grid[i]->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        tools->addWidget(grid[i], i / 3, i % 3);
    }
    side->addLayout(tools);
    ticketNumber = makeLabel(this, QStringLiteral("LosnummerLabel"), QString(), QStringLiteral("Losnummer des Scheines"));
    side->addWidget(ticketNumber);

    saturdayDraws = hidden(makeCheckBox(this, QStringLiteral("CheckBox16"), QStringLiteral("Samstag Ziehungen"), true));
    wednesdayDraws = hidden(makeCheckBox(this, QStringLiteral("CheckBox17"), QStringLiteral("Mittwoch Ziehungen"), true));

    side->addStretch(1);
    productPanel1 = productPanel(this, QStringLiteral("Panel1"), QStringLiteral("Numora Sayisal Loto im Internet"));
    productPanel2 = productPanel(this, QStringLiteral("Panel2"), QStringLiteral("Neuigkeiten und Updates"));
    side->addWidget(productPanel1);
    side->addWidget(productPanel2);

    // The current-draw panel.
    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel3"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* drawRow = new QHBoxLayout(panel);
    drawRow->setContentsMargins(4, 2, 4, 2);
    previousDraw = makeSpeedButton(panel, QStringLiteral("SpeedButton6"), QString(),
                                   QStringLiteral("vorhergehende Ziehung anzeigen"));
    previousDraw->setArrowType(Qt::LeftArrow);
    nextDraw = makeSpeedButton(panel, QStringLiteral("SpeedButton7"), QString(), QStringLiteral("nächste Ziehung anzeigen"));
    nextDraw->setArrowType(Qt::RightArrow);
    drawLine = makeLabel(panel, QStringLiteral("Label35"), QString(), QStringLiteral("Die angezeigte Ziehung"));
    drawLine->setTextFormat(Qt::PlainText);
    QFont bold = drawLine->font();
    bold.setBold(true);
    drawLine->setFont(bold);
    sumLabel = makeLabel(panel, QStringLiteral("Label13"), QStringLiteral("QS: "), QStringLiteral("Quersumme der Ziehung"));
    update = (makeSpeedButton(panel, QStringLiteral("SpeedButton4"), QString(),
                                     QStringLiteral("Die Ziehungsdaten aus dem Internet aktualisieren")));
    update->setIcon(st->standardIcon(QStyle::SP_BrowserReload));
    drawRow->addWidget(previousDraw);
    drawRow->addWidget(drawLine, 1);
    drawRow->addWidget(nextDraw);
    drawRow->addSpacing(8);
    drawRow->addWidget(sumLabel);
    drawRow->addSpacing(8);
    drawRow->addWidget(update);
    root->addWidget(panel);
}

} // namespace numora::ui
