#include "ui/options/OptionsPage.h"

#include "gen/GameOptions.h"
#include "model/Berechnungsparameter.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/WidgetFactory.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QButtonGroup>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

namespace numora::ui {

namespace {

QLabel* text(QWidget* parent, const QString& caption)
{
    auto* label = new QLabel(caption, parent);
    label->setWordWrap(true);
    return label;
}

QLabel* header(QWidget* parent, const QString& caption)
{
    QLabel* label = text(parent, caption);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// One line of widgets, left to right, then a stretch. A line reads as one sentence with its
// number fields in it, so each field is announced by the whole sentence; a label in front of a
// field is its buddy.
QHBoxLayout* line(QVBoxLayout* into, std::initializer_list<QWidget*> widgets)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    QList<QWidget*> sentence;
    QLabel* before = nullptr;
    for (QWidget* w : widgets) {
        row->addWidget(w);
        if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w))
            sentence << w;
        if (before && qobject_cast<QSpinBox*>(w))
            before->setBuddy(w);
        before = qobject_cast<QLabel*>(w);
    }
    for (QWidget* w : widgets)
        if (qobject_cast<QSpinBox*>(w))
            AccessibleNames::labelledBy(w, sentence);
    row->addStretch(1);
    into->addLayout(row);
    return row;
}

QWidget* page(QTabWidget* tabs, const QString& name, const QString& caption, QVBoxLayout*& layout)
{
    auto* w = new QWidget(tabs);
    w->setObjectName(name);
    layout = new QVBoxLayout(w);
    layout->setSpacing(3);
    layout->setContentsMargins(6, 6, 6, 6);
    tabs->addTab(w, caption);
    return w;
}

} // namespace

QCheckBox* BerechnungPage::box(QWidget* parent, int n)
{
    const OptionInfo* o = Berechnungsparameter::find(QStringLiteral("CheckBox%1").arg(n));
    auto* b = makeCheckBox(parent, o->name(), o->caption, o->defaultValue != 0, o->hint);
    b->setVisible(o->visible);
    checkBoxes[n] = b;
    return b;
}

QSpinBox* BerechnungPage::upDown(QWidget* parent, int n)
{
    const OptionInfo* o = Berechnungsparameter::find(QStringLiteral("UpDown%1").arg(n));
    auto* s = new QSpinBox(parent);
    s->setObjectName(o->name());
    s->setRange(o->minimum, o->maximum);
    s->setValue(o->defaultValue);
    s->setToolTip(o->hint);
    auto* field = s->findChild<QLineEdit*>();
    field->setObjectName(o->fieldName());
    field->setToolTip(o->hint);
    s->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 24);
    upDowns[n] = s;
    return s;
}

QToolButton* BerechnungPage::chartButton(QWidget* parent, const QString& name, const QString& hint)
{
    auto* b = makeSpeedButton(parent, name, QString(), hint);
    b->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    b->setAutoRaise(true);
    return b;
}

void BerechnungPage::showGame(const Game& game)
{
    for (const auto& [n, b] : checkBoxes) {
        const QString why = GameOptions::whyNotApplied(game, n);
        if (why.isEmpty() && b->isEnabled())
            continue;
        const OptionInfo* o = Berechnungsparameter::find(QStringLiteral("CheckBox%1").arg(n));
        b->setEnabled(why.isEmpty());
        b->setToolTip(why.isEmpty() ? o->hint : why);
        b->setStatusTip(why);
    }
}

BerechnungPage::BerechnungPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet2"));
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(2, 2, 2, 2);
    inner = new QTabWidget(this);
    inner->setObjectName(QStringLiteral("PageControl2"));
    root->addWidget(inner);
    QVBoxLayout* l = nullptr;

    // Statistisch
    QWidget* st = page(inner, QStringLiteral("TabSheetStatistisch"), QStringLiteral("Statistisch"), l);
    l->addWidget(header(st, QStringLiteral("Zahlen für die Tipps über Statistik bevorzugen")));
    l->addWidget(text(st, QStringLiteral("Für die Tippberechnung werden die jeweils ersten x% verwendet. (z.B. bis "
                                         "30% vom Maximum)")));
    distributionButton = chartButton(st, QStringLiteral("SpeedButtonVerteilung"), QStringLiteral("Verteilung der gezogenen Zahlen"));
    overdueButton = chartButton(st, QStringLiteral("SpeedButtonAusstehend"), QStringLiteral("Überfällige Zahlen im Diagramm"));
    pairsButton = chartButton(st, QStringLiteral("SpeedButtonPaare"), QStringLiteral("Paare im Diagramm"));
    triplesButton = chartButton(st, QStringLiteral("SpeedButtonDreier"), QStringLiteral("Dreier im Diagramm"));
    quadsButton = chartButton(st, QStringLiteral("SpeedButtonVierer"), QStringLiteral("Vierer im Diagramm"));
    line(l, {box(st, 2), upDown(st, 12), text(st, QStringLiteral("%")), distributionButton});
    line(l, {box(st, 14), upDown(st, 14), text(st, QStringLiteral("%"))});
    line(l, {box(st, 10), upDown(st, 13), text(st, QStringLiteral("%")), overdueButton});
    line(l, {box(st, 1), box(st, 11), pairsButton});
    line(l, {box(st, 6), box(st, 12), triplesButton});
    line(l, {box(st, 7), box(st, 13), quadsButton});
    line(l, {box(st, 19)});
    l->addWidget(text(st, QStringLiteral("Unter \"Allgemein\" können Sie festlegen, dass nur diese Zahlen für die "
                                         "Tippberechnung verwendet werden")));
    l->addWidget(header(st, QStringLiteral("Für höherer Quoten können verschiedene Zahlen  \"benachteiligt\" werden")));
    line(l, {box(st, 29)});
    line(l, {box(st, 30)});
    l->addStretch(1);

    // Schein Optimierung
    QWidget* so = page(inner, QStringLiteral("TabSheetOptimierung"), QStringLiteral("Schein Optimierung"), l);
    l->addWidget(header(so, QStringLiteral("Optimierung der einzelnen Tipps miteinander im Schein ")));
    line(l, {box(so, 3), upDown(so, 3)});
    line(l, {box(so, 24), upDown(so, 9)});
    line(l, {box(so, 27)});
    l->addWidget(header(so, QStringLiteral("Optimierung der einzelnen Tipps über die vergangenen Ziehungen")));
    line(l, {box(so, 9), upDown(so, 6), text(so, QStringLiteral("Richtigen"))});
    line(l, {box(so, 34), upDown(so, 20), text(so, QStringLiteral("Richtigen in den letzten")), upDown(so, 21),
             text(so, QStringLiteral("Ziehungen"))});
    line(l, {box(so, 28), upDown(so, 17), text(so, QStringLiteral("Richtigen in den letzten")), upDown(so, 18),
             text(so, QStringLiteral("Ziehungen"))});
    line(l, {box(so, 4), upDown(so, 4)});
    line(l, {box(so, 5), upDown(so, 5)});
    line(l, {box(so, 23), upDown(so, 11)});
    line(l, {box(so, 35)});
    l->addStretch(1);

    // Mathematisch
    QWidget* ma = page(inner, QStringLiteral("TabSheetMathematisch"), QStringLiteral("Mathematisch"), l);
    l->addWidget(header(ma, QStringLiteral("Diese Bedingungen werden in jeder Tippreihe berücksichtigt")));
    l->addWidget(text(ma, QStringLiteral("Durch das Begrenzen der Quersummer können Sie Tipps wie 1-2-3-4-5-6 oder "
                                         "39-41-43-46-47-49")));
    l->addWidget(text(ma, QStringLiteral("Mochten Sie auf höhere Quoten Tippen, wählen Sie Quersummer größer 130. "
                                         "(Datumstipper)")));
    digitSumButton = chartButton(ma, QStringLiteral("SpeedButtonQS"), QStringLiteral("Quersummenverteilung im Diagramm"));
    primesButton = chartButton(ma, QStringLiteral("SpeedButtonPrim"), QStringLiteral("Diagramm der Primzahlen pro Tipp"));
    evenButton = chartButton(ma, QStringLiteral("SpeedButtonGerade"), QStringLiteral("Diagramm der geraden Zahlen pro Tipp"));
    oddButton = chartButton(ma, QStringLiteral("SpeedButtonUngerade"), QStringLiteral("Diagramm der ungeraden Zahlen pro Tipp"));
    mathPairsButton = chartButton(ma, QStringLiteral("SpeedButtonPaare2"), QStringLiteral("Paare im Diagramm"));
    mathTriplesButton = chartButton(ma, QStringLiteral("SpeedButtonDreier2"), QStringLiteral("Dreier im Diagramm"));
    mathQuadsButton = chartButton(ma, QStringLiteral("SpeedButtonVierer2"), QStringLiteral("Vierer im Diagramm"));
    line(l, {text(ma, QStringLiteral("Quersummen von")), upDown(ma, 1), text(ma, QStringLiteral("bis")), upDown(ma, 2),
             text(ma, QStringLiteral("im Tipp zulassen")), digitSumButton});
    auto clickable = [ma](const QString& name, const QString& caption) {
        auto* label = new ClickableLabel(caption, ma);
        label->setObjectName(name);
        label->setCursor(Qt::PointingHandCursor);
        return label;
    };
    digitSumLabel = clickable(QStringLiteral("LabelQS"), QStringLiteral("Die Quersummerverteilung der vergangenen "
                                                                        "Ziehungen sehen Sie im Diagramm unter QS  "));
    digitSumLabel->setWordWrap(true);
    l->addWidget(digitSumLabel);
    line(l, {box(ma, 22), upDown(ma, 10), primesButton});
    line(l, {box(ma, 25), upDown(ma, 15), evenButton});
    line(l, {box(ma, 26), upDown(ma, 16), oddButton});
    line(l, {box(ma, 8), mathPairsButton});
    pairsLabel = clickable(QStringLiteral("LabelPaare"),
                           QStringLiteral("Paare entstehen meist automatisch, aber hier können Sie auch erzwungen werden."));
    pairsLabel->setWordWrap(true);
    l->addWidget(pairsLabel);
    line(l, {box(ma, 18), mathTriplesButton, mathQuadsButton});
    triplesLabel = clickable(QStringLiteral("LabelDreier"), QStringLiteral("Dreier, "));
    quadsLabel = clickable(QStringLiteral("LabelVierer"), QStringLiteral("Vierer ... (3-4-5  oder 28-29-30-31) entstehen "
                                                                         "relativ selten, können hier ganz verhindert "
                                                                         "werden"));
    quadsLabel->setWordWrap(true);
    auto* runs = new QHBoxLayout;
    runs->setSpacing(0);
    runs->addWidget(triplesLabel, 0, Qt::AlignTop);
    runs->addWidget(quadsLabel, 1);
    l->addLayout(runs);
    l->addStretch(1);

    // Allgemein
    QWidget* al = page(inner, QStringLiteral("TabSheetAllgemein"), QStringLiteral("Allgemein"), l);
    l->addWidget(header(al, QStringLiteral("Allgemeine Berechnungsoptionen")));
    line(l, {box(al, 15)});
    line(l, {box(al, 20)});
    line(l, {text(al, QStringLiteral("Max. Berechnungsläufe")), upDown(al, 7), text(al, QStringLiteral("Tausend"))});
    l->addWidget(text(al, QStringLiteral("Sie können versuchen die Berechnungsläufe zu erhöhen, falls mit Ihren "
                                         "Einstellungen nicht alle Reihen berechnet werden konnten. ")));
    l->addStretch(1);

    // Superzahl: the options are kept and read, the page is never shown.
    superzahlTab = new QWidget(this);
    superzahlTab->setObjectName(QStringLiteral("TabSheetSuperzahl"));
    superzahlTab->hide();
    auto* sz = new QVBoxLayout(superzahlTab);
    sz->addWidget(text(superzahlTab, QStringLiteral(" Superzahl kann auch bei der Scheinauswahl verwendet werden.  Die "
                                                    "Superzahl wird erzeugt wenn Sie auf \"Tipp abgeben\" klicken oder "
                                                    "beim Druck")));
    line(sz, {box(superzahlTab, 33), upDown(superzahlTab, 19)});
    auto radioGroup = [&](const QString& name, const QString& title, const QStringList& items, int chosen) {
        auto* group = new QGroupBox(title, superzahlTab);
        group->setObjectName(name);
        auto* v = new QVBoxLayout(group);
        auto* buttons = new QButtonGroup(group);
        for (int i = 0; i < items.size(); ++i) {
            auto* radio = new QRadioButton(items[i], group);
            radio->setChecked(i == chosen);
            buttons->addButton(radio, i);
            v->addWidget(radio);
        }
        sz->addWidget(group);
    };
    radioGroup(QStringLiteral("RadioGroup1"), QStringLiteral("Superzahl Option"),
               {QStringLiteral("einfach per Zufall bestimmen"), QStringLiteral("die am seltensten gezogen Superzahl verwenden"),
                QStringLiteral("die am längsten ausstehende Superzahl verwenden")},
               0);
    sz->addWidget(text(superzahlTab, QStringLiteral("Berechnungsoptionen für  Losnummer - nur bei Online Abgabe nutzbar")));
    radioGroup(QStringLiteral("RadioGroup2"), QStringLiteral("Super6 und Spiel77 Option"),
               {QStringLiteral("einfach per Zufall bestimmen"), QStringLiteral("Losnummer noch nie gezogen"),
                QStringLiteral("letzten 6 Stellen der Losnummer nie gezogen"),
                QStringLiteral("letzten 5 Stellen der Losnummer nie gezogen"),
                QStringLiteral("letzten 4 Stellen der Losnummer nie gezogen")},
               3);
    makeSpeedButton(superzahlTab, QStringLiteral("SuperAus"), QStringLiteral("Ausstehende Superzahlen"),
                    QStringLiteral("wie lange sind die einzelnen Sternzahlen überfällig"));
    makeSpeedButton(superzahlTab, QStringLiteral("Superselten"), QStringLiteral("Superzahl Häufigkeit"),
                    QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?"));
}

} // namespace numora::ui
