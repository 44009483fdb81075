#include "ui/game/OwnGameDialog.h"

#include "base/TextCatalog.h"
#include "draws/GameCatalog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace numora::ui {

namespace {

// Monday first, as a player reads a week; DayDate counts from Sunday.
constexpr std::array<int, 7> weekdays{2, 3, 4, 5, 6, 7, 1};

} // namespace

OwnGameDialog::OwnGameDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tx(QStringLiteral("Eigenes Spiel")));
    auto* root = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    id = new QLineEdit(this);
    id->setPlaceholderText(QStringLiteral("meinlotto"));
    id->setToolTip(tx(QStringLiteral("Kleinbuchstaben, Ziffern, \"-\" und \"_\"; der Name des Ordners der Dateien des Spiels")));
    form->addRow(tx(QStringLiteral("Kennung:")), id);
    name = new QLineEdit(this);
    form->addRow(tx(QStringLiteral("Name:")), name);
    numbers = new QSpinBox(this);
    numbers->setRange(Game::MinNumbers, Game::MaxNumbers);
    numbers->setValue(Game::DefaultNumbers);
    form->addRow(tx(QStringLiteral("6 aus:")), numbers);
    auto* dayRow = new QHBoxLayout;
    for (std::size_t i = 0; i < weekdays.size(); ++i) {
        days[i] = new QCheckBox(Game::dayName(weekdays[i]), this);
        dayRow->addWidget(days[i]);
    }
    form->addRow(tx(QStringLiteral("Ziehungstage:")), dayRow);
    extra = new QComboBox(this);
    extra->addItem(tx(QStringLiteral("keine")), int(Game::Extra::None));
    extra->addItem(tx(QStringLiteral("Zusatzzahl aus derselben Trommel")), int(Game::Extra::Bonus));
    extra->addItem(tx(QStringLiteral("Superzahl 0-9")), int(Game::Extra::Superzahl));
    extra->addItem(tx(QStringLiteral("Joker 1..N aus eigener Trommel")), int(Game::Extra::Joker));
    form->addRow(tx(QStringLiteral("Zusatzzahl:")), extra);
    root->addLayout(form);
    error = new QLabel(this);
    error->setWordWrap(true);
    error->setStyleSheet(QStringLiteral("color: #b00000"));
    error->hide();
    root->addWidget(error);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &OwnGameDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    root->addWidget(buttons);
}

Game OwnGameDialog::entered() const
{
    std::vector<Game::DrawDay> chosen;
    for (std::size_t i = 0; i < weekdays.size(); ++i)
        if (days[i]->isChecked())
            chosen.push_back({weekdays[i], 0});
    return GameCatalog::ownGame(id->text().trimmed(), name->text(), numbers->value(), std::move(chosen),
                                Game::Extra(extra->currentData().toInt()));
}

void OwnGameDialog::accept()
{
    const Game game = entered();
    if (m_check) {
        if (const Status checked = m_check(game); !checked) {
            error->setText(checked.error().message);
            error->show();
            return;
        }
    }
    m_game = game;
    QDialog::accept();
}

} // namespace numora::ui
