#include "ui/sheet/NumberSelectionDialog.h"

#include "base/FileSystem.h"
#include "base/Random.h"
#include "base/TextCatalog.h"
#include "gen/NumberSelection.h"
#include "ui/common/AccessibleNames.h"
#include "ui/common/FileDialogs.h"
#include "ui/common/WidgetFactory.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace numora::ui {

void NumberBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton) {
        Q_EMIT rightReleased();
        return;
    }
    QCheckBox::mouseReleaseEvent(event);
}

void NumberBox::enterEvent(QEnterEvent* event)
{
    QCheckBox::enterEvent(event);
    Q_EMIT hovered();
}

TForm6::TForm6(NumberSelection& model, Random& random, QWidget* parent, int columns)
    : QDialog(parent), m_model(model), m_random(random)
{
    setObjectName(QStringLiteral("Form6"));
    today = [] { return QDate::currentDate(); };
    auto* root = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    columns = std::max(1, columns);
    m_boxes.resize(std::size_t(m_model.numbers()));
    for (int n = 1; n <= m_model.numbers(); ++n) {
        auto* b = new NumberBox(QString::number(n), this);
        b->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        b->setAutoFillBackground(true);
        connect(b, &QCheckBox::clicked, this, [this, n] {
            m_model.click(n, true);
            refresh();
        });
        connect(b, &NumberBox::rightReleased, this, [this, n] {
            m_model.click(n, false);
            refresh();
        });
        connect(b, &NumberBox::hovered, this, [this, n] { m_status->setText(m_model.hoverText(n)); });
        m_boxes[std::size_t(n - 1)] = b;
        grid->addWidget(b, (n - 1) / columns, (n - 1) % columns);
    }
    root->addLayout(grid);

    auto* bar = new QHBoxLayout;
    auto* save = makeSpeedButton(this, QStringLiteral("SpeedButton1"), QString(), QStringLiteral("Speichern der Liste"));
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    auto* load = makeSpeedButton(this, QStringLiteral("SpeedButton2"), QString(), QStringLiteral("Laden der Liste"));
    load->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    auto* abort = makeButton(this, QStringLiteral("BitBtn2"), QStringLiteral("Abbruch"));
    m_zufall = makeButton(this, QStringLiteral("BitBtn3"), NumberSelection::randomDesignCaption());
    m_ok = makeButton(this, QStringLiteral("BitBtn1"), QStringLiteral("OK"));
    m_ok->setDefault(true);
    m_rechnen = makeButton(this, QStringLiteral("BitBtn4"), QStringLiteral("&Rechnen"));
    bar->addWidget(save);
    bar->addWidget(load);
    bar->addStretch(1);
    bar->addWidget(abort);
    bar->addWidget(m_zufall);
    bar->addWidget(m_ok);
    bar->addWidget(m_rechnen);
    root->addLayout(bar);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("StatusLine"));
    m_status->setFrameShape(QFrame::StyledPanel);
    root->addWidget(m_status);

    m_timer = new QTimer(this);
    m_timer->setInterval(25);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_model.timerTick(m_random);
        refresh();
    });
    connect(save, &QToolButton::clicked, this, &TForm6::saveList);
    connect(load, &QToolButton::clicked, this, &TForm6::loadList);
    connect(abort, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_rechnen, &QPushButton::clicked, this, [this] { done(ResultRechnen); });
    connect(m_zufall, &QPushButton::clicked, this, &TForm6::onRandom);
    refresh();
}

void TForm6::refresh()
{
    setWindowTitle(m_model.caption);
    const QColor info = QApplication::palette().color(QPalette::ToolTipBase);
    for (int n = 1; n <= m_model.numbers(); ++n) {
        const NumberSelection::Box& box = m_model.box(n);
        NumberBox* b = numberBox(n);
        b->setChecked(box.ticked);
        b->setToolTip(box.weight);
        QPalette palette = b->palette();
        palette.setColor(QPalette::Window, box.yellow ? QColor(255, 255, 0) : info);
        palette.setColor(QPalette::Button, box.yellow ? QColor(255, 255, 0) : info);
        b->setPalette(palette);
    }
    // In pool mode "&Rechnen" takes the place of OK, which would throw the edits away; Enter
    // then rebuilds the pool from them.
    m_rechnen->setVisible(m_model.rechnenVisible);
    m_ok->setVisible(!m_model.rechnenVisible);
    m_ok->setDefault(!m_model.rechnenVisible);
    m_rechnen->setDefault(m_model.rechnenVisible);
    m_zufall->setVisible(m_model.zufallVisible);
    if (m_zufall->text() != m_model.randomCaption) {
        m_zufall->setText(m_model.randomCaption);
        // "2 Stopp" is announced as it reads, not as the button's first caption.
        AccessibleNames::describe(this);
    }
    if (!m_model.statusLine.isEmpty())
        m_status->setText(m_model.statusLine);
}

void TForm6::showEvent(QShowEvent* event)
{
    // The language's texts are given to the dialog as it is shown; a caption the model
    // composed (the row it edits: "2. Tipp") stands over the designed one.
    if (m_model.caption != NumberSelection::designCaption())
        setWindowTitle(m_model.caption);
    QDialog::showEvent(event);
}

void TForm6::onRandom()
{
    m_model.randomClick();
    if (m_model.timerRunning())
        m_timer->start();
    else
        m_timer->stop();
    refresh();
}

void TForm6::done(int result)
{
    m_timer->stop();
    m_model.stopRandom();
    QDialog::done(result);
}

void TForm6::saveList()
{
    const QString path = FileDialogs::save(this, tx(QStringLiteral("Liste speichern")),
                                           NumberSelection::proposedFileName(today()),
                                           tx(QStringLiteral("Werteliste (*.nwl)")), QStringLiteral("nwl"));
    if (path.isEmpty())
        return;
    if (const Status written = FileSystem::real().replaceFile(path, path + QLatin1Char('~'), m_model.toWeightList()); !written) {
        QMessageBox::critical(this, QApplication::applicationName(), written.error().message);
        return;
    }
    refresh();
}

void TForm6::loadList()
{
    const QString path = FileDialogs::open(this, tx(QStringLiteral("Liste laden")), NumberSelection::proposedFileName(today()),
                                           tx(QStringLiteral("Werteliste (*.nwl)")), QStringLiteral("nwl"));
    if (path.isEmpty())
        return;
    const auto bytes = FileSystem::readWhole(path, NumberSelection::MaxFileBytes);
    if (!bytes) {
        QMessageBox::critical(this, QApplication::applicationName(), bytes.error().message);
        return;
    }
    const Status loaded = m_model.loadWeightList(*bytes);
    if (!loaded) {
        QMessageBox::critical(this, QApplication::applicationName(), loaded.error().message);
        return;
    }
    refresh();
}

} // namespace numora::ui
