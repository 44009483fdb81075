#include "ui/sheet/TipSheetView.h"

#include "base/TextCatalog.h"
#include "model/TTippSchein.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/ClickableLabel.h"
#include "ui/common/StatusHints.h"
#include "ui/sheet/TipField.h"
#include "ui/common/WidgetFactory.h"

#include <QApplication>
#include <QGridLayout>
#include <QPalette>

namespace numora::ui {

namespace {
const QColor lockedColour(255, 0, 0);  // red row label: the row is locked
const QColor hitFieldColour(0, 255, 0); // lime field: its number was drawn
} // namespace

QString TipSheetView::rowLabelHint() { return QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"); }

QString TipSheetView::editButtonHint()
{
    return QStringLiteral("Klicken Sie hier um Tipp 1 mit dem Tippformular zu ändern oder per Zufallsgenerator "
                          "erzeugen wollen");
}

TipSheetView::TipSheetView(TTippSchein& sheet, QWidget* parent) : QWidget(parent), m_sheet(sheet)
{
    setObjectName(QStringLiteral("TippSchein"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(3);
    grid->setVerticalSpacing(2);
    const int fieldWidth = fontMetrics().horizontalAdvance(QStringLiteral("488")) + 10;
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        auto* label = new ClickableLabel(QStringLiteral("%1. Tipp").arg(r + 1), this);
        label->setObjectName(TTippSchein::rowLabelName(r));
        label->setToolTip(rowLabelHint());
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &ClickableLabel::clicked, this, [this, r] { onLockClicked(r); });
        m_rowLabels[std::size_t(r)] = label;
        grid->addWidget(label, r, 0);

        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p) {
            auto* field = new TipField(this);
            field->setObjectName(TTippSchein::fieldName(r, p));
            field->setFixedWidth(fieldWidth);
            field->setAlignment(Qt::AlignCenter);
            AccessibleNames::composedName(field, [r, p] { return tx(QStringLiteral("Tipp %1, Zahl %2")).arg(r + 1).arg(p + 1); });
            connect(field, &QLineEdit::textChanged, this,
                    [this, r, p](const QString& text) { onTextChanged(r, p, text); });
            connect(field, &TipField::left, this, &TipSheetView::fieldLeft);
            m_fields[std::size_t(r)][std::size_t(p)] = field;
            grid->addWidget(field, r, 1 + p);
        }

        auto* edit = makeSpeedButton(this, TTippSchein::editButtonName(r), QStringLiteral("…"), editButtonHint());
        edit->setFixedWidth(22);
        // Every row's hint in the files names the first row; it is shown for its own.
        edit->setProperty(StatusHints::HintRow, r);
        AccessibleNames::composedName(edit, [r] { return tx(QStringLiteral("Tipp %1 ändern")).arg(r + 1); });
        connect(edit, &QToolButton::clicked, this, [this, r] { Q_EMIT editRowRequested(r); });
        m_editButtons[std::size_t(r)] = edit;
        grid->addWidget(edit, r, 7);

        auto* hits = makeLabel(this, TTippSchein::hitLabelName(r), QString());
        hits->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00")));
        hits->setAlignment(Qt::AlignCenter);
        m_hitLabels[std::size_t(r)] = hits;
        grid->addWidget(hits, r, 8);

        auto* sum = makeLabel(this, TTippSchein::sumLabelName(r), QString());
        sum->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")));
        m_sumLabels[std::size_t(r)] = sum;
        grid->addWidget(sum, r, 9);
    }
    // Tab moves through a row's fields, then on to the next row.
    QWidget* previous = nullptr;
    for (const auto& row : m_fields)
        for (TipField* f : row) {
            if (previous)
                setTabOrder(previous, f);
            previous = f;
        }
    refresh();
}

void TipSheetView::onTextChanged(int row, int position, const QString& text)
{
    const QString canonical = m_sheet.setField(row, position, text);
    if (canonical != text && !m_refreshing)
        field(row, position)->setText(canonical);
}

void TipSheetView::onLockClicked(int row)
{
    m_sheet.toggleLock(row);
    showLock(row);
}

void TipSheetView::showLock(int row)
{
    QLabel* label = m_rowLabels[std::size_t(row)];
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     m_sheet.row(row).locked ? lockedColour : QApplication::palette().color(QPalette::WindowText));
    label->setPalette(palette);
}

void TipSheetView::refresh()
{
    m_refreshing = true;
    const QPalette base = QApplication::palette();
    for (int r = 0; r < TTippSchein::RowCount; ++r) {
        const TTippreihe& row = m_sheet.row(r);
        for (int p = 0; p < TTippSchein::FieldsPerRow; ++p) {
            TipField* f = field(r, p);
            if (f->text() != row.fields[std::size_t(p)])
                f->setText(row.fields[std::size_t(p)]);
            QPalette palette = f->palette();
            palette.setColor(QPalette::Base, row.fieldHit[std::size_t(p)] ? hitFieldColour : base.color(QPalette::Base));
            f->setPalette(palette);
        }
        QLabel* hits = m_hitLabels[std::size_t(r)];
        hits->setText(row.hitText);
        QPalette hitPalette = hits->palette();
        hitPalette.setColor(QPalette::WindowText, row.hitRed ? lockedColour : QColor(Qt::black));
        hits->setPalette(hitPalette);
        m_sumLabels[std::size_t(r)]->setText(row.sumText);
        showLock(r);
    }
    m_refreshing = false;
}

} // namespace numora::ui
