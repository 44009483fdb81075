// Tip generation from the window: the calculate button, its stop request, the lucky number and
// the number selection dialog in row mode.
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "gen/Generator.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/chart/MainChart.h"
#include "WindowFixture.h"
#include "ui/sheet/NumberSelectionDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

using namespace numora;
using numora::test::answerInput;
using numora::ui::TForm1;

class GenerationWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const auto records = DrawCsv::parse(csv.readAll());
        QVERIFY(records.ok());
        QVERIFY(DrawFile(m_dir.filePath(QStringLiteral("ZahlenTr.dat"))).replaceAll(*records).ok());
    }

    void init() { startWindow(QDate(2026, 12, 10)); }

    void cleanup() { m_window.reset(); }

    // An option without meaning in the game played is off limits, saying why; back in the default
    // game it is as it was, its own hint again.
    void optionsWithoutMeaningAreDisabledSayingWhy()
    {
        auto* joker = find<QCheckBox>(QStringLiteral("CheckBox35"));
        auto* months = find<QCheckBox>(QStringLiteral("CheckBox29"));
        auto* dates = find<QCheckBox>(QStringLiteral("CheckBox30"));
        const QString datesHint = dates->toolTip();
        QVERIFY(joker->isEnabled() && months->isEnabled() && dates->isEnabled());

        Game small;
        small.id = QStringLiteral("mine16");
        small.numbers = 16;
        small.extra = Game::Extra::Joker;
        ProgramState& state = m_window->state();
        const Game played = state.game;
        state.useGame(small, std::nullopt);
        state.params.setCheckBox(30, true);
        state.hooks->optionsChanged();
        QVERIFY(!joker->isEnabled());
        QCOMPARE(joker->toolTip(), QStringLiteral("Die Jokerzahl kommt aus einer eigenen Trommel und zählt nicht zu den Richtigen."));
        QCOMPARE(joker->statusTip(), joker->toolTip());
        QVERIFY(!months->isEnabled());
        QVERIFY(!dates->isEnabled());
        QCOMPARE(dates->toolTip(), QStringLiteral("In diesem Spiel ist jede Zahl eine Datumszahl (1 bis 31)."));
        // The stored choice is shown as it is.
        QVERIFY(dates->isChecked());

        state.useGame(played, std::nullopt);
        state.hooks->optionsChanged();
        QVERIFY(joker->isEnabled() && months->isEnabled() && dates->isEnabled());
        QCOMPARE(dates->toolTip(), datesHint);
        QVERIFY(dates->statusTip().isEmpty());
    }

    void luckyNumberMakesTheSheetRepeatable()
    {
        auto* calculate = find<QPushButton>(QStringLiteral("BitBtn4"));
        QStringList first;
        for (int run = 0; run < 2; ++run) {
            answerInput(QStringLiteral("4711"));
            QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn5")), Qt::LeftButton);
            QCOMPARE(m_window->state().random->state(), 4711u);
            QTest::mouseClick(calculate, Qt::LeftButton);
            QStringList sheet;
            for (int firstField : {1, 7, 13, 19, 25, 31, 43, 49})
                sheet << rowTexts(firstField).join(QLatin1Char(','));
            QVERIFY(!sheet.first().startsWith(QLatin1Char(',')));
            if (run == 0)
                first = sheet;
            else
                QCOMPARE(sheet, first);
        }
        QCOMPARE(rowTexts(56), QStringList(6, QString()));
        QCOMPARE(calculate->text(), QStringLiteral("Tipps &berechnen"));
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Tipps wurden neu berechnet"));

        // The command line's domain run gives the same sheet for the same seed.
        ProgramState state;
        state.programDir = m_dir.path() + QLatin1Char('/');
        state.today = m_window->state().today;
        state.chosenDate.setDate(state.todayDay());
        state.sheet.setSheetReady(true);
        state.random->setState(4711);
        QVERIFY(Generator::generate(state).ok());
        QCOMPARE(state.sheet.field(0, 0), first.first().section(QLatin1Char(','), 0, 0));
        QCOMPARE(QStringList({state.sheet.field(7, 0), state.sheet.field(7, 5)}),
                 QStringList({first.last().section(QLatin1Char(','), 0, 0), first.last().section(QLatin1Char(','), 5, 5)}));
    }

    // The row checks of a run empty the statistic's series behind it; the Diagramm page still
    // shows the run's last statistic with its bars.
    void theDiagrammShowsTheRunsStatisticWithItsBars()
    {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn4")), Qt::LeftButton);
        auto* chart = find<ui::MainChart>(QStringLiteral("Chart1"));
        QVERIFY(!chart->title().isEmpty());
        qreal total = 0;
        for (QAbstractSeries* series : chart->chart()->series())
            if (auto* bars = qobject_cast<QAbstractBarSeries*>(series); bars && bars->isVisible())
                for (QBarSet* set : bars->barSets())
                    for (int i = 0; i < set->count(); ++i)
                        total += set->at(i);
        QVERIFY(total > 0);
    }

    void aSecondClickStopsALongRun()
    {
        // No row can pass: the run would spend a budget of 30 000 000 candidates.
        find<QSpinBox>(QStringLiteral("UpDown1"))->setValue(21);
        find<QSpinBox>(QStringLiteral("UpDown2"))->setValue(21);
        find<QSpinBox>(QStringLiteral("UpDown7"))->setValue(30000);
        auto* calculate = find<QPushButton>(QStringLiteral("BitBtn4"));
        QString captionDuringRun;
        QTimer::singleShot(100, [&] {
            captionDuringRun = calculate->text();
            QTest::mouseClick(calculate, Qt::LeftButton);
        });
        QTest::mouseClick(calculate, Qt::LeftButton);
        QCOMPARE(captionDuringRun, QStringLiteral("Stoppen"));
        QCOMPARE(calculate->text(), QStringLiteral("Tipps &berechnen"));
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Tipps wurden neu berechnet"));
        QVERIFY(m_window->state().runCounter < 30'000'000);
        QCOMPARE(rowTexts(1), QStringList(6, QString()));
        QVERIFY(m_window->state().sheet.sheetReady());
    }

    void rowModeWritesTheTickedNumbers()
    {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ui::TForm6*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QStringLiteral("3. Tipp"));
            QVERIFY(!dialog->findChild<QPushButton*>(QStringLiteral("BitBtn4"))->isVisible());
            QVERIFY(dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isVisible());
            for (int n : {40, 2, 17, 33, 9, 21})
                QTest::mouseClick(dialog->numberBox(n), Qt::LeftButton);
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
        });
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Tipp3Edit")), Qt::LeftButton);
        QCOMPARE(rowTexts(13), (QStringList{"2", "9", "17", "21", "33", "40"}));
    }

    void weightListDialogsProposeTheSameName()
    {
        struct Proposal {
            QString name;
            QString suffix;
        };
        QList<Proposal> proposals;
        auto inspectNextFileDialog = [&proposals] {
            QTimer::singleShot(0, [&proposals] {
                auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                proposals.append({QFileInfo(dialog->selectedFiles().value(0)).fileName(), dialog->defaultSuffix()});
                dialog->reject();
            });
        };
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ui::TForm6*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (const char* button : {"SpeedButton1", "SpeedButton2"}) {
                inspectNextFileDialog();
                QTest::mouseClick(dialog->findChild<QToolButton*>(QLatin1String(button)), Qt::LeftButton);
            }
            dialog->reject();
        });
        QTest::mouseClick(find<QToolButton>(QStringLiteral("Tipp1Edit")), Qt::LeftButton);
        QCOMPARE(proposals.size(), 2);
        for (const Proposal& p : proposals) {
            QCOMPARE(p.name, QStringLiteral("20261210.nwl"));
            QCOMPARE(p.suffix, QStringLiteral("nwl"));
        }
    }

    void poolDialogDecidesTheRun()
    {
        find<QCheckBox>(QStringLiteral("CheckBox20"))->setChecked(true);
        auto* calculate = find<QPushButton>(QStringLiteral("BitBtn4"));
        // Abort: no row is drawn and the button is back.
        bool rechnenShown = false;
        bool okShown = true;
        bool rechnenDefault = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<ui::TForm6*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* rechnen = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn4"));
            rechnenShown = rechnen->isVisible();
            okShown = dialog->findChild<QPushButton*>(QStringLiteral("BitBtn1"))->isVisible();
            rechnenDefault = rechnen->isDefault();
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn2"))->click();
        });
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(rechnenShown);
        // "Rechnen" lies over OK, which must not be reachable; Enter rebuilds the pool.
        QVERIFY(!okShown);
        QVERIFY(rechnenDefault);
        QCOMPARE(rowTexts(1), QStringList(6, QString()));
        QCOMPARE(calculate->text(), QStringLiteral("Tipps &berechnen"));

        // "Rechnen" with only the numbers 1..8 ticked: every row is drawn from them.
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<ui::TForm6*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            for (int n = 9; n <= 49; ++n)
                if (dialog->numberBox(n)->isChecked())
                    QTest::mouseClick(dialog->numberBox(n), Qt::LeftButton);
            for (int n = 1; n <= 8; ++n)
                if (!dialog->numberBox(n)->isChecked())
                    QTest::mouseClick(dialog->numberBox(n), Qt::LeftButton);
            dialog->findChild<QPushButton*>(QStringLiteral("BitBtn4"))->click();
        });
        find<QSpinBox>(QStringLiteral("UpDown8"))->setValue(1);
        // Neither the last draws nor the digit sum may rule out every row of 1..8.
        find<QCheckBox>(QStringLiteral("CheckBox4"))->setChecked(false);
        find<QCheckBox>(QStringLiteral("CheckBox5"))->setChecked(false);
        find<QCheckBox>(QStringLiteral("CheckBox23"))->setChecked(false);
        find<QCheckBox>(QStringLiteral("CheckBox18"))->setChecked(false);
        find<QSpinBox>(QStringLiteral("UpDown1"))->setValue(21);
        QTest::mouseClick(calculate, Qt::LeftButton);
        const QStringList row = rowTexts(1);
        QVERIFY2(!row.first().isEmpty(), qPrintable(m_window->statusPanel(1)->text()));
        for (const QString& n : row)
            QVERIFY(n.toInt() >= 1 && n.toInt() <= 8);
    }

    void closingDuringARunEndsItFirst()
    {
        find<QSpinBox>(QStringLiteral("UpDown1"))->setValue(21);
        find<QSpinBox>(QStringLiteral("UpDown2"))->setValue(21);
        find<QSpinBox>(QStringLiteral("UpDown7"))->setValue(30000);
        QTimer::singleShot(100, [this] { m_window->close(); });
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn4")), Qt::LeftButton);
        QVERIFY(!m_window->isVisible());
    }
};

QTEST_MAIN(GenerationWindowTest)
#include "GenerationWindowTest.moc"
