#include "ui/history/DrawEntryDialog.h"

#include "base/DayDate.h"
#include "base/Formatting.h"
#include "base/TextCatalog.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/WidgetFactory.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace numora::ui {

TForm3::TForm3(QWidget* parent, const Game& game) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Zahlen der Ziehung eingeben"));
    auto* root = new QVBoxLayout(this);
    date = new QDateEdit(this);
    date->setObjectName(QStringLiteral("DateTimePicker1"));
    date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    date->setCalendarPopup(true);
    date->setMinimumDate(QDate(1900, 1, 1));
    AccessibleNames::composedName(date, [] { return tx(QStringLiteral("Datum der Ziehung")); });
    root->addWidget(date);

    auto* numbers = new QHBoxLayout;
    for (int i = 0; i < 8; ++i) {
        auto* spin = new QSpinBox(this);
        spin->setObjectName(QStringLiteral("UpDown%1").arg(i + 1));
        spin->findChild<QLineEdit*>()->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        // The bonus number keeps a stored 0 ("none"), so an edit does not invent one.
        spin->setRange(i < 6 ? 1 : 0, i == 7 ? 9 : game.numbers);
        spin->setValue(i == 7 ? 9 : game.numbers);
        if (i < 6)
            AccessibleNames::composedName(spin, [i] { return tx(QStringLiteral("Zahl %1")).arg(i + 1); });
        upDowns[std::size_t(i)] = spin;
        if (i < 6)
            numbers->addWidget(spin);
    }
    root->addLayout(numbers);

    // Fields of other games: kept and read back, never shown.
    auto* hiddenPart = new QWidget(this);
    auto* grid = new QGridLayout(hiddenPart);
    auto* bonusLabel = new QLabel(QStringLiteral("Bonus:"), hiddenPart);
    bonusLabel->setBuddy(upDowns[6]);
    grid->addWidget(bonusLabel, 0, 0);
    grid->addWidget(upDowns[6], 0, 1);
    auto* superLabel = new QLabel(QStringLiteral("S:"), hiddenPart);
    superLabel->setBuddy(upDowns[7]);
    grid->addWidget(superLabel, 0, 2);
    grid->addWidget(upDowns[7], 0, 3);
    // A row of digit fields is announced by its label.
    auto* spiel77Label = new QLabel(QStringLiteral("Spiel 77:"), hiddenPart);
    grid->addWidget(spiel77Label, 1, 0);
    for (int i = 0; i < 7; ++i) {
        spiel77[std::size_t(i)] = makeEdit(hiddenPart, QStringLiteral("S77_%1").arg(i + 1), QStringLiteral("1"));
        AccessibleNames::labelledBy(spiel77[std::size_t(i)], {spiel77Label});
        grid->addWidget(spiel77[std::size_t(i)], 1, 1 + i);
    }
    spiel77Label->setBuddy(spiel77[0]);
    auto* super6Label = new QLabel(QStringLiteral("Super 6:"), hiddenPart);
    grid->addWidget(super6Label, 2, 0);
    for (int i = 0; i < 6; ++i) {
        super6[std::size_t(i)] = makeEdit(hiddenPart, QStringLiteral("SS_%1").arg(i + 1), QStringLiteral("1"));
        AccessibleNames::labelledBy(super6[std::size_t(i)], {super6Label});
        grid->addWidget(super6[std::size_t(i)], 2, 1 + i);
    }
    super6Label->setBuddy(super6[0]);
    hiddenPart->hide();
    root->addWidget(hiddenPart);
    // The extra number of a game that draws one, beside the six.
    if (game.extra != Game::Extra::None) {
        const bool superzahl = game.hasSuperzahl();
        QLabel* label = superzahl ? superLabel : bonusLabel;
        label->setText(superzahl ? tx(QStringLiteral("Superzahl:"))
                                 : game.extra == Game::Extra::Joker ? tx(QStringLiteral("Joker:")) : tx(QStringLiteral("Zusatzzahl:")));
        numbers->addWidget(label);
        numbers->addWidget(upDowns[superzahl ? 7 : 6]);
    }

    auto* buttons = new QHBoxLayout;
    auto* ok = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK"));
    ok->setDefault(true);
    auto* abort = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Abbrechen"));
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(abort);
    root->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm3::fill(const TZiehung& r)
{
    if (auto d = DayDate::toDate(r.Datum))
        date->setDate(*d);
    for (int i = 0; i < 6; ++i)
        upDowns[std::size_t(i)]->setValue(r.Zahlen[i]);
    upDowns[6]->setValue(r.Zusatzzahl);
    upDowns[7]->setValue(r.Superzahl);
    for (int i = 0; i < 7; ++i)
        spiel77[std::size_t(i)]->setText(QString::number(r.Spiel77[i]));
    for (int i = 0; i < 6; ++i)
        super6[std::size_t(i)]->setText(QString::number(r.Super6[i]));
}

Expected<TZiehung> TForm3::record() const
{
    TZiehung r;
    r.Datum = DayDate::fromDate(date->date());
    for (int i = 0; i < 6; ++i)
        r.Zahlen[i] = static_cast<std::uint8_t>(upDowns[std::size_t(i)]->value());
    r.Zusatzzahl = static_cast<std::uint8_t>(upDowns[6]->value());
    r.Superzahl = static_cast<std::uint8_t>(upDowns[7]->value());
    auto digit = [](const QLineEdit* field, std::uint8_t& out) -> Status {
        const auto value = parseInteger(field->text());
        if (!value)
            return notAnInteger(field->text());
        out = static_cast<std::uint8_t>(*value & 0xFF);
        return Done{};
    };
    for (int i = 0; i < 7; ++i)
        if (auto s = digit(spiel77[std::size_t(i)], r.Spiel77[i]); !s)
            return s.error();
    for (int i = 0; i < 6; ++i)
        if (auto s = digit(super6[std::size_t(i)], r.Super6[i]); !s)
            return s.error();
    return r;
}

} // namespace numora::ui
