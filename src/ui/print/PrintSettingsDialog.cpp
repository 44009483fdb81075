#include "ui/print/PrintSettingsDialog.h"
#include "ui/common/AccessibleNames.h"

#include "session/ProgramState.h"
#include "base/TextCatalog.h"
#include "eval/Losnummer.h"
#include "output/TipReport.h"
#include "print/RowList.h"
#include "print/TicketPainter.h"
#include "ui/print/RowListPrint.h"
#include "ui/common/WidgetFactory.h"
#include "ui/print/TicketPositionDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace numora::ui {

namespace {

GameBox boxState(const QCheckBox* box)
{
    switch (box->checkState()) {
    case Qt::Checked: return GameBox::Ticked;
    case Qt::PartiallyChecked: return GameBox::Grey;
    default: return GameBox::Unticked;
    }
}

// A game box: a click goes from unticked to ticked to grey and back to unticked.
class GameBoxWidget final : public QCheckBox {
public:
    GameBoxWidget(const QString& name, const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
    {
        setObjectName(name);
        setTristate(true);
    }

protected:
    void nextCheckState() override
    {
        if (!isTristate()) { // online mode has no grey
            setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
            return;
        }
        switch (checkState()) {
        case Qt::Unchecked: setCheckState(Qt::Checked); break;
        case Qt::Checked: setCheckState(Qt::PartiallyChecked); break;
        default: setCheckState(Qt::Unchecked); break;
        }
    }
};

} // namespace

TForm5::TForm5(ProgramState& state, TForm8& positions, QWidget* parent)
    : QDialog(parent), m_state(state), m_positions(positions)
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Druckeeinstellungen für den Lottoschein"));
    setModal(true);
    auto* root = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    root->addLayout(left);

    auto* days = new QGroupBox(QStringLiteral("Ziehungen und Spiele"), this);
    auto* daysLayout = new QGridLayout(days);
    m_saturday = makeCheckBox(days, QStringLiteral("CheckBox1"), QStringLiteral("Samstag"), true);
    m_wednesday = makeCheckBox(days, QStringLiteral("CheckBox2"), QStringLiteral("Mittwoch"), false);
    m_games[0] = new GameBoxWidget(QStringLiteral("CheckBox3"), QStringLiteral("Spiel 77"), days);
    m_games[1] = new GameBoxWidget(QStringLiteral("CheckBox4"), QStringLiteral("Super 6"), days);
    m_games[2] = new GameBoxWidget(QStringLiteral("CheckBox6"), QStringLiteral("Glücksspirale"), days);
    m_extra = hidden(makeCheckBox(days, QStringLiteral("CheckBox7"), QStringLiteral("Extra"), false));
    m_test = makeCheckBox(days, QStringLiteral("CheckBox5"), QStringLiteral("Schein zum Test mit anzeigen"), false);
    daysLayout->addWidget(m_saturday, 0, 0);
    daysLayout->addWidget(m_wednesday, 1, 0);
    daysLayout->addWidget(m_games[0], 0, 1);
    daysLayout->addWidget(m_games[1], 1, 1);
    daysLayout->addWidget(m_games[2], 2, 1);
    daysLayout->addWidget(m_extra, 2, 0);
    daysLayout->addWidget(m_test, 3, 0, 1, 2);
    m_costLabel = makeLabel(days, QStringLiteral("Label4"), QString(), QStringLiteral("Kosten des Scheines"));
    QFont bold = m_costLabel->font();
    bold.setBold(true);
    m_costLabel->setFont(bold);
    daysLayout->addWidget(m_costLabel, 4, 0, 1, 2);
    left->addWidget(days);
    // Only a click recomputes with the zero rule; the preparation sets the boxes itself.
    for (QCheckBox* box : {m_saturday, m_wednesday, m_games[0], m_games[1], m_games[2]})
        connect(box, &QCheckBox::clicked, this, [this] { showCost(true); });
    connect(m_extra, &QCheckBox::clicked, this, &TForm5::extraToggled);

    auto* number = new QGroupBox(QStringLiteral("Losnummer"), this);
    m_numberGroup = number;
    auto* numberLayout = new QHBoxLayout(number);
    for (int i = 0; i < 7; ++i) {
        auto* digit = new QSpinBox(number);
        digit->setObjectName(QStringLiteral("Edit%1").arg(i + 3));
        digit->setRange(0, 9);
        digit->setWrapping(false);
        AccessibleNames::composedName(digit, [i] { return tx(QStringLiteral("Losnummer, Ziffer %1")).arg(i + 1); });
        numberLayout->addWidget(digit);
        m_digits[std::size_t(i)] = digit;
    }
    connect(m_digits[6], &QSpinBox::valueChanged, this, [this](int value) { m_lastDigit = value; });
    m_generate = makeSpeedButton(number, QStringLiteral("SpeedButton2"), QStringLiteral("Neu"),
                                 QStringLiteral("Neu Losnummer welche noch nie gezogen wurde erzeugen"));
    m_check = makeSpeedButton(number, QStringLiteral("SpeedButton3"), QStringLiteral("Suchen"),
                              QStringLiteral("Suchen ob diese Losnr schon gezogen wurde"));
    numberLayout->addWidget(m_generate);
    numberLayout->addWidget(m_check);
    connect(m_generate, &QToolButton::clicked, this, &TForm5::generateTicketNumber);
    connect(m_check, &QToolButton::clicked, this, &TForm5::checkTicketNumber);
    left->addWidget(number);

    auto* placement = new QGroupBox(QStringLiteral("Druck"), this);
    m_placement = placement;
    auto* placementLayout = new QGridLayout(placement);
    m_top = new QSpinBox(placement);
    m_top->setObjectName(QStringLiteral("UpDown1"));
    m_left = new QSpinBox(placement);
    m_left->setObjectName(QStringLiteral("UpDown2"));
    for (QSpinBox* box : {m_top, m_left})
        box->setRange(0, 200);
    m_topLabel = new QLabel(QStringLiteral("Oben:"), placement);
    m_leftLabel = new QLabel(QStringLiteral("Links"), placement);
    m_topLabel->setBuddy(m_top);
    m_leftLabel->setBuddy(m_left);
    placementLayout->addWidget(m_topLabel, 0, 0);
    placementLayout->addWidget(m_top, 0, 1);
    placementLayout->addWidget(m_leftLabel, 1, 0);
    placementLayout->addWidget(m_left, 1, 1);
    m_font = makeSpeedButton(placement, QStringLiteral("SpeedButton1"), QStringLiteral("Schriftart"),
                             QStringLiteral("Schriftart der Kreuze"));
    connect(m_font, &QToolButton::clicked, this, &TForm5::chooseFont);
    placementLayout->addWidget(m_font, 0, 2);
    m_paper = new QComboBox(placement);
    m_paper->setObjectName(QStringLiteral("ComboBox1"));
    m_paper->addItems(Paper::names());
    // The longest paper name whole in every language ("A4 landscape").
    m_paper->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    AccessibleNames::composedName(m_paper, [] { return tx(QStringLiteral("Papier")); });
    placementLayout->addWidget(m_paper, 1, 2);
    left->addWidget(placement);

    m_portalGroup = hidden(new QGroupBox(QStringLiteral("Tippschein abgeben bei..."), this));
    m_portalGroup->setObjectName(QStringLiteral("RadioGroup2"));
    auto* portalLayout = new QVBoxLayout(m_portalGroup);
    m_portals = new QButtonGroup(m_portalGroup);
    const QStringList portals{QStringLiteral("lottery24"), QStringLiteral("Tipp24")};
    for (int i = 0; i < portals.size(); ++i) {
        auto* item = new QRadioButton(portals[i], m_portalGroup);
        m_portals->addButton(item, i);
        portalLayout->addWidget(item);
    }
    m_onlineText = hidden(makeLabel(this, QStringLiteral("Label1"),
                                    QStringLiteral("Klicken Sie auf \"Online\" um  die Daten anonym an Tipp24 oder lottobay "
                                                   "zu übergeben.  Anschließend können Sie sich  einloggen oder neu "
                                                   "registrieren. "),
                                    QString()));
    m_onlineText->setWordWrap(true);
    left->addStretch(1);

    auto* right = new QVBoxLayout;
    root->addLayout(right);
    m_presetGroup = new QGroupBox(QStringLiteral("Auswahl der Landeslotterie "), this);
    m_presetGroup->setObjectName(QStringLiteral("RadioGroup1"));
    auto* presetLayout = new QVBoxLayout(m_presetGroup);
    presetLayout->setSpacing(1);
    m_presets = new QButtonGroup(m_presetGroup);
    const QStringList names = TicketPresets::names();
    for (int i = 0; i < names.size(); ++i) {
        auto* item = new QRadioButton(names[i], m_presetGroup);
        item->setObjectName(QStringLiteral("RadioGroup1Item%1").arg(i));
        m_presets->addButton(item, i);
        presetLayout->addWidget(item);
    }
    // An item that becomes checked, by the mouse, the keys or a screen reader's toggle action,
    // brings its offsets; a click on the checked item brings them back.
    connect(m_presets, &QButtonGroup::idToggled, this, [this](int item, bool checked) {
        if (checked)
            choosePreset(item);
    });
    connect(m_presets, &QButtonGroup::idClicked, this, &TForm5::choosePreset);
    m_adjust = makeButton(m_presetGroup, QStringLiteral("anpassen"), QStringLiteral("anpassen"));
    connect(m_adjust, &QPushButton::clicked, this, [this] { m_positions.exec(); });
    presetLayout->addWidget(m_adjust, 0, Qt::AlignRight);
    right->addWidget(m_presetGroup);
    // Online mode shows these where the presets were.
    right->addWidget(m_portalGroup);
    right->addWidget(m_onlineText);

    auto* buttons = new QHBoxLayout;
    m_print = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Drucken"));
    m_abort = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("Abbrechen"));
    m_onlineButton = hidden(makeButton(this, QStringLiteral("BitBtn3"), QStringLiteral("&Online")));
    m_list = makeButton(this, QStringLiteral("ListeDrucken"), tx(QStringLiteral("Liste drucken")));
    m_list->setToolTip(tx(QStringLiteral("Die Tipps als einfache Liste drucken")));
    connect(m_list, &QPushButton::clicked, this, &TForm5::printList);
    m_print->setDefault(true);
    connect(m_print, &QPushButton::clicked, this, [this] { done(Print); });
    connect(m_abort, &QPushButton::clicked, this, [this] { done(Abort); });
    connect(m_onlineButton, &QPushButton::clicked, this, [this] {
        if (m_extra->isChecked())
            generateTicketNumber();
        done(Online);
    });
    buttons->addWidget(m_list);
    buttons->addWidget(m_print);
    buttons->addWidget(m_abort);
    buttons->addWidget(m_onlineButton);
    right->addStretch(1);
    right->addLayout(buttons);

    choosePreset(0);
    showStoredValues();
}

void TForm5::showGame()
{
    const Game& game = m_state.game;
    auto offer = [](QWidget* w, bool has, const QString& why) {
        w->setEnabled(has);
        w->setToolTip(has ? QString() : why);
        w->setStatusTip(has ? QString() : why);
    };
    const QString noLayouts = tx(QStringLiteral("Für dieses Spiel gibt es keine Scheinvorlagen: gedruckt wird mit der "
                                                "selbst definierten Positionierung."));
    for (QAbstractButton* item : m_presets->buttons())
        if (m_presets->id(item) != TicketPresets::Custom)
            offer(item, game.ticketLayouts, noLayouts);
    for (QCheckBox* box : m_games)
        offer(box, game.additionalGames, tx(QStringLiteral("Dieses Spiel hat keine Zusatzspiele.")));
    offer(m_numberGroup, game.ticketNumber, tx(QStringLiteral("Dieses Spiel hat keine Losnummer.")));
    offer(m_onlineButton, game.onlineSubmission, tx(QStringLiteral("Für dieses Spiel gibt es keine Online-Abgabe.")));
}

void TForm5::printList()
{
    const double next = TipReport::reportDate(m_state.currentDraw.date, m_state.saturdayDraws, m_state.wednesdayDraws);
    const auto page = print::rowList(m_state.game, m_state.sheet, next, m_state.meldungen, costText());
    if (!page) {
        QMessageBox::warning(this, windowTitle(), page.error().message);
        return;
    }
    RowListPrint::preview(*page, this);
}

void TForm5::showStoredValues()
{
    showGame();
    const PrintValues& print = m_state.print;
    m_font->setFont(print::printFont(print));
    // The paper names follow the language chosen since the box was filled.
    const QStringList papers = Paper::names();
    for (int i = 0; i < papers.size() && i < m_paper->count(); ++i)
        m_paper->setItemText(i, papers[i]);
    // and so does the item of one's own positions; the lotteries keep their names.
    if (QAbstractButton* custom = m_presets->button(TicketPresets::Custom))
        custom->setText(TicketPresets::names().value(TicketPresets::Custom));
    m_paper->setCurrentIndex(print.paper >= 0 && print.paper < m_paper->count() ? print.paper : -1);
    // Online mode has just chosen the portal and made a new ticket number.
    if (m_online)
        return;
    if (QAbstractButton* portal = m_portals->button(print.portal))
        portal->setChecked(true);
    // The digits start from the ticket number the program keeps.
    if (const auto digits = Losnummer::parse(m_state.sheet.ticketNumber()))
        setDigits(*digits);
}

void TForm5::setOnlineMode(bool online, bool extraOffered)
{
    m_online = online;
    for (QWidget* w : std::initializer_list<QWidget*>{m_test, m_games[2], m_print, m_list, m_presetGroup, m_adjust, m_placement,
                                                      m_paper, m_top, m_left, m_topLabel, m_leftLabel, m_font})
        w->setVisible(!online);
    for (QWidget* w : std::initializer_list<QWidget*>{m_onlineText, m_onlineButton, m_portalGroup})
        w->setVisible(online);
    // The digits and their two buttons belong to both modes.
    for (QWidget* w : m_digits)
        w->show();
    m_generate->show();
    m_check->show();
    m_extra->setVisible(online && extraOffered);
    if (!online)
        clearExtra(); // a hidden "Extra" must not price or send the next ticket
    for (QCheckBox* game : {m_games[0], m_games[1]})
        game->setTristate(!online);
    if (online) {
        if (QAbstractButton* tipp24 = m_portals->button(1))
            tipp24->setChecked(true);
    }
    m_onlineButton->setDefault(online);
    m_print->setDefault(!online);
    setWindowTitle(online ? m_state.meldungen[37] : tx(QStringLiteral("Druckeeinstellungen für den Lottoschein")));
    resize(width(), online ? 260 : 408);
}

void TForm5::clearExtra()
{
    m_extra->setChecked(false);
    m_portalGroup->setEnabled(true);
}

SubmitOptions TForm5::options() const
{
    SubmitOptions o;
    o.saturday = m_saturday->isChecked();
    o.wednesday = m_wednesday->isChecked();
    o.spiel77 = game(0) == GameBox::Ticked;
    o.super6 = game(1) == GameBox::Ticked;
    o.gluecksspirale = game(2) == GameBox::Ticked;
    o.extra = m_extra->isChecked();
    o.ticketNumber = ticketNumber();
    o.portal = m_portals->checkedId() >= 0 ? m_portals->checkedId() : 1;
    return o;
}

void TForm5::setDigits(const std::array<int, 7>& digits)
{
    for (std::size_t i = 0; i < 7; ++i)
        m_digits[i]->setValue(digits[i]);
}

void TForm5::setSuperzahl(int digit) { m_digits[6]->setValue(digit); }

void TForm5::setGames(bool spiel77, bool super6, bool glueck)
{
    m_games[0]->setCheckState(spiel77 ? Qt::Checked : Qt::Unchecked);
    m_games[1]->setCheckState(super6 ? Qt::Checked : Qt::Unchecked);
    m_games[2]->setCheckState(glueck ? Qt::Checked : Qt::Unchecked);
}

void TForm5::setFees(double oneDay, double bothDays)
{
    m_feeOneDay = oneDay;
    m_feeBothDays = bothDays;
}

void TForm5::choosePreset(int item)
{
    // A stored index the group does not have (a damaged store) shows the first preset; a game
    // without layouts prints with one's own positions.
    if (item < 0 || item >= TicketPresets::Count)
        item = 0;
    if (!m_state.game.ticketLayouts)
        item = TicketPresets::Custom;
    if (QAbstractButton* button = m_presets->button(item))
        button->setChecked(true);
    if (item >= 0 && item < TicketPresets::Custom) {
        const TicketPreset& preset = TicketPresets::table().at(std::size_t(item));
        setOffsets(preset.top, preset.left);
    }
    m_adjust->setEnabled(item == TicketPresets::Custom);
    if (TicketPresets::setsBlockLayout(item)) {
        m_state.print.layout = 0;
        m_positions.showValues();
    }
}

void TForm5::setOffsets(int top, int left)
{
    m_top->setValue(top);
    m_left->setValue(left);
}

void TForm5::setDays(PrintSettings::Days days)
{
    m_saturday->setChecked(days.saturday);
    m_wednesday->setChecked(days.wednesday);
}

void TForm5::setRows(int rows)
{
    m_rows = rows;
    showCost(false);
}

QString TForm5::ticketNumber() const
{
    std::array<int, 7> digits{};
    for (std::size_t i = 0; i < 7; ++i)
        digits[i] = m_digits[i]->value();
    return Losnummer::format(digits);
}

int TForm5::preset() const { return m_presets->checkedId(); }
int TForm5::top() const { return m_top->value(); }
int TForm5::left() const { return m_left->value(); }
int TForm5::paper() const { return m_paper->currentIndex(); }
bool TForm5::testImage() const { return m_test->isChecked(); }
QFont TForm5::printFont() const { return m_font->font(); }
GameBox TForm5::game(int which) const { return boxState(m_games.at(std::size_t(which))); }

TicketRequest TForm5::request() const
{
    TicketRequest r;
    r.preset = preset();
    r.top = top();
    r.left = left();
    r.layout = m_state.print.layout;
    r.positions = m_state.print.positions;
    r.saturday = m_saturday->isChecked();
    r.wednesday = m_wednesday->isChecked();
    r.spiel77 = game(0);
    r.super6 = game(1);
    r.glueck = game(2);
    r.useGame(m_state.game);
    return r;
}

QString TForm5::costText() const { return m_costLabel->text(); }

void TForm5::showCost(bool byClick)
{
    PrintSettings::CostInput in;
    in.rows = m_rows;
    in.saturday = m_saturday->isChecked();
    in.wednesday = m_wednesday->isChecked();
    in.spiel77 = game(0);
    in.super6 = game(1);
    in.glueck = game(2);
    in.feeOneDay = m_feeOneDay;
    in.feeBothDays = m_feeBothDays;
    in.extra = m_extra->isChecked();
    m_cost = PrintSettings::cost(in, byClick);
    m_costLabel->setText(PrintSettings::costText(m_state.game, in, byClick));
}

void TForm5::extraToggled(bool on)
{
    if (on) {
        for (QCheckBox* box : {m_saturday, m_wednesday})
            box->setChecked(false);
        for (QCheckBox* game : m_games)
            game->setCheckState(Qt::Unchecked);
        if (QAbstractButton* tipp24 = m_portals->button(1))
            tipp24->setChecked(true);
    }
    m_portalGroup->setEnabled(!on);
    showCost(true);
}

void TForm5::generateTicketNumber()
{
    const auto generated = Losnummer::generate(m_state.drawFile(), *m_state.random, m_state.ticket.losnummerOption,
                                               m_lastDigit);
    if (!generated) {
        m_state.hooks->showMessage(generated.error().message);
        return;
    }
    const int kept = m_lastDigit;
    setDigits(generated->digits);
    m_lastDigit = kept;
}

void TForm5::checkTicketNumber()
{
    const auto digits = Losnummer::parse(ticketNumber());
    const auto result = Losnummer::check(m_state.drawFile(), *digits);
    m_state.hooks->showMessage(result ? Losnummer::checkMessage(*result) : result.error().message);
}

void TForm5::chooseFont()
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, m_font->font(), this, tx(QStringLiteral("Schriftart")));
    if (ok)
        m_font->setFont(font);
}

void TForm5::done(int result)
{
    // The frame's close box and Esc reject: an abort, never a submission.
    if (result != Print && result != Online)
        result = Abort;
    PrintValues& print = m_state.print;
    const QFont font = m_font->font();
    print.fontName = font.family();
    print.fontSize = font.pointSize() > 0 ? font.pointSize() : print.fontSize;
    print.fontStyle = std::uint8_t((font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0)
                                   | (font.strikeOut() ? 8 : 0));
    if (m_paper->currentIndex() >= 0)
        print.paper = m_paper->currentIndex();
    if (m_portals->checkedId() >= 0)
        print.portal = m_portals->checkedId();
    QDialog::done(result);
}

} // namespace numora::ui
