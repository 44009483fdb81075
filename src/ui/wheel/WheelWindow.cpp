#include "ui/wheel/WheelWindow.h"

#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "output/PrintSettings.h"
#include "output/WheelTips.h"
#include "session/ProgramState.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/WidgetFactory.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QValueAxis>
#include <QVBoxLayout>

#include <chrono>

namespace numora::ui {

namespace {

QString tipleName(int p)
{
    switch (p) {
    case 3: return tx(QStringLiteral("Dreier"));
    case 4: return tx(QStringLiteral("Vierer"));
    case 5: return tx(QStringLiteral("Fünfer"));
    default: return tx(QStringLiteral("Sechser"));
    }
}

// A number of the grid: a first click chooses it, a second makes it a key number (shown half
// ticked), a third takes it away.
class NumberBox final : public QCheckBox {
public:
    NumberBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) { setTristate(true); }

protected:
    void nextCheckState() override
    {
        switch (checkState()) {
        case Qt::Unchecked: setCheckState(Qt::Checked); break;
        case Qt::Checked: setCheckState(Qt::PartiallyChecked); break;
        default: setCheckState(Qt::Unchecked); break;
        }
    }
};

QString guaranteeList(const std::vector<Guarantee>& list)
{
    QStringList parts;
    for (const Guarantee& g : list)
        parts << tx(QStringLiteral("%1 wenn %2")).arg(g.hits).arg(g.of);
    return parts.join(QStringLiteral(", "));
}

QLabel* plainLabel(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

WheelWindow::WheelWindow(ProgramState& state, Hooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window), m_state(state), m_hooks(std::move(hooks))
{
    setObjectName(QStringLiteral("Systeme"));
    auto* root = new QHBoxLayout(this);

    auto* left = new QVBoxLayout;
    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    // The game's numbers on its ticket's grid.
    const int columns = std::max(1, m_state.game.gridColumns);
    for (int n = 1; n <= m_state.game.numbers; ++n) {
        auto* box = new NumberBox(QString::number(n), this);
        box->setObjectName(QStringLiteral("WheelNumber%1").arg(n));
        grid->addWidget(box, (n - 1) / columns, (n - 1) % columns);
        connect(box, &QCheckBox::stateChanged, this, &WheelWindow::updateChosenCount);
        m_numbers.push_back(box);
    }
    left->addLayout(grid);
    m_chosenCount = plainLabel(this, QStringLiteral("WheelChosen"));
    left->addWidget(m_chosenCount);
    auto* take = new QHBoxLayout;
    m_fromSheet = makeButton(this, QStringLiteral("WheelFromSheet"), QString());
    m_fromPool = makeButton(this, QStringLiteral("WheelFromPool"), QString());
    take->addWidget(m_fromSheet);
    take->addWidget(m_fromPool);
    left->addLayout(take);

    auto* form = new QGridLayout;
    m_guaranteeLabel = plainLabel(this, QStringLiteral("WheelGuaranteeLabel"));
    m_guarantee = new QComboBox(this);
    m_guarantee->setObjectName(QStringLiteral("WheelGuarantee"));
    for (const Guarantee& g : Guarantee::offered())
        m_guarantee->addItem(QString(), QStringLiteral("%1:%2").arg(g.hits).arg(g.of));
    m_guaranteeLabel->setBuddy(m_guarantee);
    m_budgetLabel = plainLabel(this, QStringLiteral("WheelBudgetLabel"));
    m_budget = new QSpinBox(this);
    m_budget->setObjectName(QStringLiteral("WheelBudget"));
    m_budget->setRange(0, 100000);
    m_budgetLabel->setBuddy(m_budget);
    m_secondsLabel = plainLabel(this, QStringLiteral("WheelSecondsLabel"));
    m_seconds = new QSpinBox(this);
    m_seconds->setObjectName(QStringLiteral("WheelSeconds"));
    m_seconds->setRange(1, 3600);
    m_seconds->setValue(60);
    m_secondsLabel->setBuddy(m_seconds);
    form->addWidget(m_guaranteeLabel, 0, 0);
    form->addWidget(m_guarantee, 0, 1);
    form->addWidget(m_budgetLabel, 1, 0);
    form->addWidget(m_budget, 1, 1);
    form->addWidget(m_secondsLabel, 2, 0);
    form->addWidget(m_seconds, 2, 1);
    left->addLayout(form);
    m_calculate = makeButton(this, QStringLiteral("WheelCalculate"), QString());
    left->addWidget(m_calculate);
    m_progress = plainLabel(this, QStringLiteral("WheelProgress"));
    left->addWidget(m_progress);
    left->addStretch(1);
    root->addLayout(left);

    auto* right = new QVBoxLayout;
    m_rows = new QPlainTextEdit(this);
    m_rows->setObjectName(QStringLiteral("WheelRows"));
    m_rows->setReadOnly(true);
    // A row on one line, whole, for the widest row there can be.
    m_rows->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_rows->setMinimumWidth(m_rows->fontMetrics().horizontalAdvance(QStringLiteral("9999.  44  45  46  47  48  49"))
                            + 2 * int(m_rows->document()->documentMargin()) + 2 * m_rows->frameWidth()
                            + m_rows->verticalScrollBar()->sizeHint().width());
    auto* top = new QHBoxLayout;
    top->addWidget(m_rows, 1);
    auto* results = new QVBoxLayout;
    m_proof = plainLabel(this, QStringLiteral("WheelProof"));
    results->addWidget(m_proof);
    m_odds = new QTableWidget(7, 3, this);
    m_odds->setObjectName(QStringLiteral("WheelOdds"));
    m_odds->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Each column as wide as its title, the last one taking what is left.
    m_odds->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_odds->horizontalHeader()->setStretchLastSection(true);
    results->addWidget(m_odds, 1);
    m_cost = plainLabel(this, QStringLiteral("WheelCost"));
    results->addWidget(m_cost);
    top->addLayout(results, 3);
    right->addLayout(top, 1);

    auto* chart = new QChart;
    chart->setMargins(QMargins(4, 4, 4, 4));
    auto* series = new QBarSeries(chart);
    m_withinSet = new QBarSet(QString());
    m_allSet = new QBarSet(QString());
    series->append(m_withinSet);
    series->append(m_allSet);
    chart->addSeries(series);
    m_hitsAxis = new QBarCategoryAxis(chart);
    for (int k = 0; k <= 6; ++k)
        m_hitsAxis->append(QString::number(k));
    m_shareAxis = new QValueAxis(chart);
    m_shareAxis->setRange(0, 100);
    m_shareAxis->setLabelFormat(QStringLiteral("%d %"));
    chart->addAxis(m_hitsAxis, Qt::AlignBottom);
    chart->addAxis(m_shareAxis, Qt::AlignLeft);
    series->attachAxis(m_hitsAxis);
    series->attachAxis(m_shareAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
    m_chart = new QChartView(chart, this);
    m_chart->setObjectName(QStringLiteral("WheelChart"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumHeight(220);
    right->addWidget(m_chart, 1);

    auto* buttons = new QHBoxLayout;
    m_toSheet = makeButton(this, QStringLiteral("WheelToSheet"), QString());
    m_save = makeButton(this, QStringLiteral("WheelSave"), QString());
    m_load = makeButton(this, QStringLiteral("WheelLoad"), QString());
    m_close = makeButton(this, QStringLiteral("WheelClose"), QString());
    buttons->addWidget(m_toSheet);
    buttons->addWidget(m_save);
    buttons->addWidget(m_load);
    buttons->addStretch(1);
    buttons->addWidget(m_close);
    right->addLayout(buttons);
    root->addLayout(right, 1);

    connect(m_fromSheet, &QPushButton::clicked, this, &WheelWindow::takeFromSheet);
    connect(m_fromPool, &QPushButton::clicked, this, &WheelWindow::takeFromPool);
    connect(m_calculate, &QPushButton::clicked, this, &WheelWindow::calculate);
    connect(m_toSheet, &QPushButton::clicked, this, &WheelWindow::putOnSheet);
    connect(m_save, &QPushButton::clicked, this, &WheelWindow::save);
    connect(m_load, &QPushButton::clicked, this, &WheelWindow::load);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    m_guarantee->setCurrentIndex(4); // 4 wenn 4
    setBusy(false);
    retranslate();
    resize(980, 640);
}

WheelWindow::~WheelWindow() { stopAndWait(); }

void WheelWindow::retranslate()
{
    setWindowTitle(tx(QStringLiteral("Systeme")));
    m_fromSheet->setText(tx(QStringLiteral("vom Schein")));
    m_fromSheet->setToolTip(tx(QStringLiteral("Die Zahlen der Reihen des Scheins wählen")));
    m_fromPool->setText(tx(QStringLiteral("aus dem Pool")));
    m_fromPool->setToolTip(tx(QStringLiteral("Die Zahlen des Zahlenpools der Berechnung wählen")));
    m_guaranteeLabel->setText(tx(QStringLiteral("Garantie:")));
    for (int i = 0; i < m_guarantee->count(); ++i) {
        const Guarantee& g = Guarantee::offered()[std::size_t(i)];
        m_guarantee->setItemText(i, tx(QStringLiteral("%1 wenn %2")).arg(g.hits).arg(g.of));
    }
    m_guarantee->setToolTip(tx(QStringLiteral("„3 wenn 4“: sind 4 der gezogenen Zahlen unter Ihren, hat eine Reihe mindestens 3 Richtige")));
    m_budgetLabel->setText(tx(QStringLiteral("Höchstens Reihen:")));
    m_budget->setSpecialValueText(tx(QStringLiteral("beliebig")));
    m_budget->setToolTip(tx(QStringLiteral("Die Berechnung endet beim ersten System mit höchstens so vielen Reihen")));
    m_secondsLabel->setText(tx(QStringLiteral("Rechenzeit (s):")));
    m_seconds->setToolTip(tx(QStringLiteral("So lange sucht die Berechnung nach einem System mit weniger Reihen")));
    m_toSheet->setText(tx(QStringLiteral("Auf Schein")));
    m_toSheet->setToolTip(tx(QStringLiteral("Die nächsten 12 Reihen des Systems auf den Schein setzen")));
    m_save->setText(tx(QStringLiteral("Speichern…")));
    m_save->setToolTip(tx(QStringLiteral("Das System und je 12 Reihen als Tippdatei speichern")));
    m_load->setText(tx(QStringLiteral("Laden…")));
    m_load->setToolTip(tx(QStringLiteral("Ein gespeichertes System laden und prüfen")));
    m_close->setText(tx(QStringLiteral("Schließen")));
    for (QCheckBox* box : m_numbers)
        box->setToolTip(tx(QStringLiteral("Klick: Zahl wählen; zweiter Klick: Bankzahl, steht in jeder Reihe; dritter Klick: abwählen")));
    m_rows->setAccessibleName(tx(QStringLiteral("Reihen des Systems")));
    m_odds->setAccessibleName(tx(QStringLiteral("Gewinnchancen des Systems")));
    m_chart->setAccessibleName(tx(QStringLiteral("Beste Reihe je Ziehung")));
    m_odds->setHorizontalHeaderLabels({tx(QStringLiteral("Ziehungen unter Ihren Zahlen")), tx(QStringLiteral("alle Ziehungen")),
                                       tx(QStringLiteral("Reihen je Ziehung"))});
    QStringList rows;
    for (int k = 0; k <= 6; ++k)
        rows << tx(QStringLiteral("beste Reihe %1 Richtige")).arg(k);
    m_odds->setVerticalHeaderLabels(rows);
    fitOddsTitles();
    m_chart->chart()->setTitle(tx(QStringLiteral("Beste Reihe je Ziehung")));
    m_hitsAxis->setTitleText(tx(QStringLiteral("Richtige")));
    m_withinSet->setLabel(tx(QStringLiteral("Ziehungen unter Ihren Zahlen")));
    m_allSet->setLabel(tx(QStringLiteral("alle Ziehungen")));
    setBusy(building());
    updateChosenCount();
    if (m_wheel)
        showWheel(*m_wheel, m_wheelOdds);
    if (m_wheel && m_budgetWheel)
        showBudget(*m_budgetWheel);
    m_progress->setText(m_progressText ? m_progressText() : QString());
}

void WheelWindow::fitOddsTitles()
{
    QHeaderView* header = m_odds->horizontalHeader();
    int width = 2 * m_odds->frameWidth() + m_odds->verticalHeader()->sizeHint().width() + m_odds->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < m_odds->columnCount(); ++c)
        width += header->sectionSizeHint(c);
    m_odds->setMinimumWidth(width);
}

void WheelWindow::setProgress(std::function<QString()> text)
{
    m_progressText = std::move(text);
    m_progress->setText(m_progressText ? m_progressText() : QString());
}

void WheelWindow::clearWheel()
{
    m_wheel.reset();
    m_budgetWheel.reset();
    m_wheelOdds = WheelOdds{};
    m_nextRow = 0;
    m_rows->clear();
    m_proof->clear();
    m_cost->clear();
    m_odds->clearContents();
    m_withinSet->remove(0, m_withinSet->count());
    m_allSet->remove(0, m_allSet->count());
}

NumberSet WheelWindow::chosenNumbers() const
{
    NumberSet set = 0;
    for (int n = 1; n <= int(m_numbers.size()); ++n)
        if (m_numbers[std::size_t(n - 1)]->checkState() != Qt::Unchecked)
            set |= Numbers::of(n);
    return set;
}

void WheelWindow::setChosenNumbers(NumberSet numbers)
{
    for (int n = 1; n <= int(m_numbers.size()); ++n)
        m_numbers[std::size_t(n - 1)]->setCheckState(Numbers::contains(numbers, n) ? Qt::Checked : Qt::Unchecked);
}

NumberSet WheelWindow::keyNumbers() const
{
    NumberSet set = 0;
    for (int n = 1; n <= int(m_numbers.size()); ++n)
        if (m_numbers[std::size_t(n - 1)]->checkState() == Qt::PartiallyChecked)
            set |= Numbers::of(n);
    return set;
}

void WheelWindow::setKeyNumbers(NumberSet keys)
{
    for (int n = 1; n <= int(m_numbers.size()); ++n) {
        QCheckBox* box = m_numbers[std::size_t(n - 1)];
        if (Numbers::contains(keys, n))
            box->setCheckState(Qt::PartiallyChecked);
        else if (box->checkState() == Qt::PartiallyChecked)
            box->setCheckState(Qt::Checked);
    }
}

void WheelWindow::updateChosenCount()
{
    const int keys = Numbers::count(keyNumbers());
    const QString chosen = tx(QStringLiteral("%1 Zahlen gewählt")).arg(Numbers::count(chosenNumbers()));
    m_chosenCount->setText(keys ? chosen + tx(QStringLiteral(", davon %1 Bankzahlen")).arg(keys) : chosen);
}

Guarantee WheelWindow::chosenGuarantee() const
{
    return Guarantee::offered()[std::size_t(std::max(0, m_guarantee->currentIndex()))];
}

void WheelWindow::setBusy(bool busy)
{
    m_calculate->setText(busy ? tx(QStringLiteral("Stoppen")) : tx(QStringLiteral("Berechnen")));
    m_calculate->setToolTip(busy ? tx(QStringLiteral("Die Berechnung beenden und das kleinste gefundene System behalten"))
                                 : tx(QStringLiteral("Ein System mit der gewählten Garantie berechnen und prüfen")));
    for (QWidget* w : std::initializer_list<QWidget*>{m_fromSheet, m_fromPool, m_guarantee, m_budget, m_seconds, m_toSheet,
                                                      m_save, m_load})
        w->setEnabled(!busy);
    for (QCheckBox* box : m_numbers)
        box->setEnabled(!busy);
    if (!busy) {
        m_toSheet->setEnabled(m_wheel.has_value());
        m_save->setEnabled(m_wheel.has_value());
    }
}

void WheelWindow::takeFromSheet()
{
    NumberSet set = 0;
    for (int r = 0; r < TTippSchein::RowCount; ++r)
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p) {
            bool ok = false;
            const int n = m_state.sheet.field(r, p).toInt(&ok);
            if (ok && m_state.game.validNumber(n))
                set |= Numbers::of(n);
        }
    setChosenNumbers(set);
}

void WheelWindow::takeFromPool()
{
    if (!m_hooks.poolNumbers)
        return;
    if (const auto pool = m_hooks.poolNumbers())
        setChosenNumbers(*pool);
}

void WheelWindow::calculate()
{
    if (m_thread) {
        m_stop.flag = true;
        return;
    }
    const NumberSet numbers = chosenNumbers();
    const NumberSet keys = keyNumbers();
    const Guarantee g = chosenGuarantee();
    const int v = Numbers::count(numbers);
    if (v < Wheel::MinNumbers || !g.validFor(v)) {
        QMessageBox::warning(this, windowTitle(),
                             tx(QStringLiteral("Wählen Sie mindestens 7 Zahlen; die Garantie %1 wenn %2 braucht mindestens %2."))
                                 .arg(g.hits)
                                 .arg(g.of));
        return;
    }
    if (Numbers::count(keys) >= Numbers::RowSize || Numbers::count(keys) > g.of) {
        QMessageBox::warning(this, windowTitle(),
                             tx(QStringLiteral("Höchstens %1 Bankzahlen bei der Garantie %2 wenn %3.")).arg(std::min(5, g.of)).arg(g.hits).arg(g.of));
        return;
    }
    WheelRequest request{numbers, g, 1, double(m_seconds->value()), m_budget->value(), keys};
    m_stop.flag = false;
    m_bestRows = 0;
    setProgress([] { return tx(QStringLiteral("Suche läuft …")); });
    m_thread = QThread::create([this, request] {
        auto last = std::chrono::steady_clock::now();
        int lastBest = 0;
        m_result = WheelBuilder::build(request, m_stop, [this, &last, &lastBest](const WheelProgress& p) {
            const auto now = std::chrono::steady_clock::now();
            if (p.bestRows == lastBest && now - last < std::chrono::milliseconds(100))
                return;
            last = now;
            lastBest = p.bestRows;
            QMetaObject::invokeMethod(this, [this, p] { showProgress(p); }, Qt::QueuedConnection);
        });
    });
    connect(m_thread, &QThread::finished, this, &WheelWindow::finish);
    setBusy(true);
    m_thread->start();
}

void WheelWindow::stopAndWait()
{
    if (!m_thread)
        return;
    m_stop.flag = true;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}

void WheelWindow::closeEvent(QCloseEvent* event)
{
    stopAndWait();
    setBusy(false);
    event->accept();
}

void WheelWindow::showProgress(const WheelProgress& p)
{
    if (!m_thread)
        return;
    m_bestRows = p.bestRows;
    setProgress([p] {
        return p.bestRows ? tx(QStringLiteral("Kleinstes System bisher: %1 Reihen; Suche mit %2 Reihen")).arg(p.bestRows).arg(p.rows)
                          : tx(QStringLiteral("Suche mit %1 Reihen …")).arg(p.rows);
    });
}

void WheelWindow::finish()
{
    if (!m_thread)
        return;
    m_thread->wait();
    m_thread->deleteLater();
    m_thread = nullptr;
    if (!m_result) {
        setProgress({});
        setBusy(false);
        QMessageBox::warning(this, windowTitle(), m_result.error().message);
        Q_EMIT buildFinished();
        return;
    }
    if (m_result->wheel) {
        m_wheel = m_result->wheel;
        m_wheelOdds = m_result->odds;
        // The build counts all draws of the default game; another game has C(N, 6).
        if (m_state.game.numbers != Numbers::Highest)
            m_wheelOdds = WheelCheck::run(*m_wheel, m_state.game.numbers);
        m_budgetWheel.reset();
        m_nextRow = 0;
        showWheel(*m_wheel, m_wheelOdds);
        setProgress([rows = m_wheel->rows.size(), catalogue = m_result->fromCatalogue, stopped = m_result->stopped] {
            return catalogue ? tx(QStringLiteral("Aus dem Katalog: %1 Reihen, geprüft.")).arg(rows)
                 : stopped   ? tx(QStringLiteral("Gestoppt: das kleinste gefundene System hat %1 Reihen.")).arg(rows)
                             : tx(QStringLiteral("Fertig: %1 Reihen.")).arg(rows);
        });
    } else if (m_result->budget) {
        m_budgetWheel = m_result->budget;
        m_wheel = m_budgetWheel->wheel;
        m_wheelOdds = m_budgetWheel->odds;
        if (m_state.game.numbers != Numbers::Highest)
            m_wheelOdds = WheelCheck::run(*m_wheel, m_state.game.numbers);
        m_nextRow = 0;
        showWheel(*m_wheel, m_wheelOdds);
        showBudget(*m_budgetWheel);
        setProgress([holds = m_budgetWheel->holds] {
            return holds.empty() ? tx(QStringLiteral("Sie garantieren keine der angebotenen Garantien."))
                                 : tx(QStringLiteral("Sie garantieren: %1.")).arg(guaranteeList(holds));
        });
    } else {
        // Nothing of an earlier wheel may stand beside this answer.
        clearWheel();
        setProgress([] { return tx(QStringLiteral("Kein System innerhalb der Grenzen gefunden.")); });
    }
    setBusy(false);
    Q_EMIT buildFinished();
}

void WheelWindow::showWheel(const Wheel& wheel, const WheelOdds& odds)
{
    QStringList lines;
    for (std::size_t r = 0; r < wheel.rows.size(); ++r)
        lines << QStringLiteral("%1.  %2").arg(r + 1, 3).arg(Numbers::format(wheel.rows[r]).replace(QLatin1Char(','), QStringLiteral("  ")));
    m_rows->setPlainText(lines.join(QLatin1Char('\n')));
    const Guarantee g = wheel.guarantee;
    if (odds.holds)
        m_proof->setText(tx(QStringLiteral("Garantie geprüft: alle %1 %2 Ihrer %3 Zahlen haben eine Reihe mit %4 Richtigen (%5 Reihen)."))
                             .arg(formatTextDecimal(double(odds.guaranteeSets), 0), tipleName(g.of))
                             .arg(Numbers::count(wheel.numbers))
                             .arg(g.hits)
                             .arg(wheel.rows.size())
                         + (wheel.keys ? QLatin1Char(' ') + tx(QStringLiteral("Geprüft sind die Ziehungen mit den Bankzahlen %1.")).arg(Numbers::format(wheel.keys))
                                       : QString()));
    else
        m_proof->setText(tx(QStringLiteral("Garantie %1 wenn %2 verletzt: %3 hat keine Reihe mit %1 Richtigen."))
                             .arg(g.hits)
                             .arg(g.of)
                             .arg(odds.counterexample ? Numbers::format(*odds.counterexample) : QString()));
    fillOdds();
    // The ticket's own fee where the game prints on its tickets, else the game's fee per row in its
    // currency; numbers as the interface language writes them.
    const Game& game = m_state.game;
    if (!game.ticketLayouts && game.feeCents <= 0) {
        m_cost->setText(tx(QStringLiteral("Preis je Tipp nicht festgelegt")));
        return;
    }
    const double fee = game.ticketLayouts ? PrintSettings::fee(m_state.print.feeOneDraw, PrintSettings::DefaultFeeOneDay)
                                          : game.feeCents / 100.0;
    const QString sign = game.ticketLayouts ? QStringLiteral("€") : PrintSettings::currencySign(game.currency);
    auto amount = [&sign](double value) { return (formatTextDecimal(value, 2) + QLatin1Char(' ') + sign).trimmed(); };
    m_cost->setText(tx(QStringLiteral("Kosten je Ziehung: %1 Reihen zu %2 = %3"))
                        .arg(wheel.rows.size())
                        .arg(amount(fee), amount(fee * double(wheel.rows.size()))));
}

void WheelWindow::showBudget(const BudgetWheel& budget)
{
    const WheelOdds& o = budget.odds;
    const Guarantee g = budget.wheel.guarantee;
    const std::uint64_t covered = o.guaranteeSets - o.failingSets;
    const QString share = formatTextDecimal(100.0 * double(covered) / double(o.guaranteeSets), 2);
    m_proof->setText(tx(QStringLiteral("In %1 Reihen gibt es keine Garantie %2 wenn %3. Die besten %1 Reihen treffen bei %4 von %5 %6 "
                                       "(%7 %) mit %2 Richtigen; so wahrscheinlich hält die Garantie bei einer Ziehung mit %3 Treffern unter Ihren Zahlen."))
                         .arg(budget.wheel.rows.size())
                         .arg(g.hits)
                         .arg(g.of)
                         .arg(formatTextDecimal(double(covered), 0), formatTextDecimal(double(o.guaranteeSets), 0), tipleName(g.of), share));
}

void WheelWindow::fillOdds()
{
    const WheelOdds& o = m_wheelOdds;
    std::uint64_t within = 0;
    for (std::uint64_t n : o.bestWithin)
        within += n;
    m_withinSet->remove(0, m_withinSet->count());
    m_allSet->remove(0, m_allSet->count());
    auto put = [this](int row, int column, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_odds->setItem(row, column, item);
    };
    for (int k = 0; k <= 6; ++k) {
        const std::size_t i = std::size_t(k);
        put(k, 0, formatTextDecimal(double(o.bestWithin[i]), 0));
        put(k, 1, formatTextDecimal(double(o.bestAll[i]), 0));
        put(k, 2, k >= 3 ? formatTextDecimal(o.expectedRows[i], 6) : QString());
        m_withinSet->append(within ? 100.0 * double(o.bestWithin[i]) / double(within) : 0.0);
        m_allSet->append(100.0 * double(o.bestAll[i]) / double(o.allDraws));
    }
}

void WheelWindow::putOnSheet()
{
    if (!m_wheel)
        return;
    const std::size_t first = m_nextRow;
    m_nextRow = WheelTips::putOnSheet(*m_wheel, m_nextRow, m_state.sheet);
    const std::size_t last = m_nextRow == 0 ? m_wheel->rows.size() : m_nextRow;
    setProgress([first, last, rows = m_wheel->rows.size()] {
        return tx(QStringLiteral("Reihen %1 bis %2 von %3 auf dem Schein")).arg(first + 1).arg(last).arg(rows);
    });
    if (m_hooks.sheetChanged)
        m_hooks.sheetChanged();
}

void WheelWindow::save()
{
    if (!m_wheel)
        return;
    const QString path = FileDialogs::save(this, tx(QStringLiteral("System speichern")), QStringLiteral("System.nsy"),
                                           tx(QStringLiteral("System (*.nsy)")), QStringLiteral("nsy"));
    if (path.isEmpty())
        return;
    const auto written = WheelTips::save(path, *m_wheel);
    if (!written) {
        QMessageBox::critical(this, windowTitle(), written.error().message);
        return;
    }
    setProgress([path, files = written->size()] { return tx(QStringLiteral("Gespeichert: %1 und %2 Tippdateien")).arg(path).arg(files); });
}

void WheelWindow::load()
{
    const QString path = FileDialogs::open(this, tx(QStringLiteral("System laden")), QString(),
                                           tx(QStringLiteral("System (*.nsy);;Alle Dateien (*)")), QStringLiteral("nsy"));
    if (path.isEmpty())
        return;
    const auto loaded = Wheel::load(path, chosenNumbers(), chosenGuarantee());
    if (!loaded) {
        QMessageBox::critical(this, windowTitle(), loaded.error().message);
        return;
    }
    m_wheel = *loaded;
    m_wheelOdds = WheelCheck::run(*m_wheel, m_state.game.numbers);
    m_budgetWheel.reset();
    m_nextRow = 0;
    setChosenNumbers(m_wheel->numbers);
    setKeyNumbers(m_wheel->keys);
    for (std::size_t i = 0; i < Guarantee::offered().size(); ++i)
        if (Guarantee::offered()[i] == m_wheel->guarantee)
            m_guarantee->setCurrentIndex(int(i));
    showWheel(*m_wheel, m_wheelOdds);
    setProgress([path] { return tx(QStringLiteral("Geladen: %1")).arg(path); });
    setBusy(false);
}

} // namespace numora::ui
