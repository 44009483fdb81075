#include "ui/print/TicketPositionDialog.h"

#include "model/StoredChoices.h"
#include "output/TicketLayout.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/WidgetFactory.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace numora::ui {

TForm8::TForm8(PrintValues& values, QWidget* parent) : QDialog(parent), m_values(values)
{
    setObjectName(QStringLiteral("Form8"));
    setWindowTitle(QStringLiteral("Positionierung des Scheindruckes"));
    setModal(true);
    auto* root = new QVBoxLayout(this);

    auto* group = new QGroupBox(QStringLiteral("Grundstuktur 6x2 oder 1x12"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto* groupLayout = new QVBoxLayout(group);
    m_blocks = new QRadioButton(QStringLiteral("Tipps in Blöcken mit Aufteilung 7x7"), group);
    m_line = new QRadioButton(QStringLiteral("Zahlen eines Tipps waagerechte 49x1"), group);
    m_blocks->setObjectName(QStringLiteral("RadioGroup1Item0"));
    m_line->setObjectName(QStringLiteral("RadioGroup1Item1"));
    auto* buttons = new QButtonGroup(group);
    buttons->addButton(m_blocks, 0);
    buttons->addButton(m_line, 1);
    groupLayout->addWidget(m_blocks);
    groupLayout->addWidget(m_line);
    root->addWidget(group);

    for (int n = 1; n <= 23; ++n)
        m_fields[std::size_t(n)] = makeEdit(this, QStringLiteral("Edit%1").arg(n), QString());
    namespace F = PositionField;
    auto* grid = new QGridLayout;
    int line = 0;
    auto single = [&](const QString& caption, int n) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(m_fields[std::size_t(n)]);
        grid->addWidget(label, line, 0);
        grid->addWidget(m_fields[std::size_t(n)], line++, 1);
    };
    single(QStringLiteral("Feldhöhe:"), F::FieldHeight);
    single(QStringLiteral("Feldweite:"), F::FieldWidth);
    single(QStringLiteral("Links-Korrektur:"), F::LeftCorrection);
    single(QStringLiteral("Korrektur 2.Reihe:"), F::SecondRowCorrection);
    auto* topTitle = new QLabel(QStringLiteral("Oben"), this);
    auto* leftTitle = new QLabel(QStringLiteral("Links"), this);
    grid->addWidget(topTitle, line, 1);
    grid->addWidget(leftTitle, line++, 2);
    // A pair of fields is announced by its row and its column title.
    auto pair = [&](const QString& caption, int top, int left) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(m_fields[std::size_t(top)]);
        AccessibleNames::labelledBy(m_fields[std::size_t(top)], {label, topTitle});
        AccessibleNames::labelledBy(m_fields[std::size_t(left)], {label, leftTitle});
        grid->addWidget(label, line, 0);
        grid->addWidget(m_fields[std::size_t(top)], line, 1);
        grid->addWidget(m_fields[std::size_t(left)], line++, 2);
    };
    pair(QStringLiteral("Spiel 77  Ja:"), F::Spiel77JaTop, F::Spiel77JaLeft);
    pair(QStringLiteral("Spiel 77  Nein:"), F::Spiel77NeinTop, F::Spiel77NeinLeft);
    pair(QStringLiteral("Super 6 Ja:"), F::Super6JaTop, F::Super6JaLeft);
    pair(QStringLiteral("Super 6  Nein:"), F::Super6NeinTop, F::Super6NeinLeft);
    pair(QStringLiteral("Glücksspirale Ja:"), F::GlueckJaTop, F::GlueckJaLeft);
    pair(QStringLiteral("Glücksspirale Nein:"), F::GlueckNeinTop, F::GlueckNeinLeft);
    pair(QStringLiteral("Mittwoch:"), F::WednesdayTop, F::WednesdayLeft);
    pair(QStringLiteral("Samstag:"), F::SaturdayTop, F::SaturdayLeft);
    pair(QStringLiteral("Sa/Mi:"), F::BothDaysTop, F::BothDaysLeft);
    auto* imageLabel = new QLabel(QStringLiteral("Bilddatei des Scheines (jpg)"), this);
    imageLabel->setBuddy(m_fields[F::ImageFile]);
    grid->addWidget(imageLabel, line, 0);
    grid->addWidget(m_fields[F::ImageFile], line++, 1, 1, 2);
    root->addLayout(grid);

    auto* ok = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    root->addWidget(ok, 0, Qt::AlignRight);
    showValues();
}

void TForm8::showValues()
{
    for (int n = 1; n <= 23; ++n)
        m_fields[std::size_t(n)]->setText(m_values.positions.at(std::size_t(n)));
    (m_values.layout == 1 ? m_line : m_blocks)->setChecked(true);
}

void TForm8::storeValues()
{
    for (int n = 1; n <= 23; ++n)
        m_values.positions.at(std::size_t(n)) = m_fields[std::size_t(n)]->text();
    m_values.layout = m_line->isChecked() ? 1 : 0;
}

void TForm8::showEvent(QShowEvent* event)
{
    showValues();
    QDialog::showEvent(event);
}

void TForm8::done(int result)
{
    // However it is closed, what the user typed is kept.
    storeValues();
    QDialog::done(result);
}

} // namespace numora::ui
