// The two historical analyses from the "Datenbank" tab: the back-test with its report, the
// comparison window and its stop, and the recurrence analysis. Reports are opened through the
// desktop, which a handler of this test stands in for.
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "support/TestSupport.h"
#include "ui/analysis/ChanceComparisonWindow.h"
#include "ui/common/FileDialogs.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QGraphicsTextItem>
#include <QValueAxis>
#include <QDateEdit>
#include <QDesktopServices>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QAction>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace numora;
using numora::test::answerInput;
using numora::test::makeDraw;

// Stands in for the desktop: records what the program asked it to open.
class DesktopRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl& url) { opened << url; }
};

class AnalysisWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    DesktopRecorder m_desktop;
    QTemporaryDir m_cwd;
    QString m_savedCwd;

    // Cancels the next input box.
    static void cancelInput()
    {
        QTimer::singleShot(0, [] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->reject();
        });
    }

    void chooseDate(const QDate& date) { find<QDateEdit>(QStringLiteral("DateTimePicker1"))->setDate(date); }

    ui::ChanceComparisonWindow* comparison() const
    {
        return m_window->findChild<ui::ChanceComparisonWindow*>(QStringLiteral("ChanceComparison"));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_desktop, "open");
        m_savedCwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_cwd.path()));
    }

    void cleanupTestCase()
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        QDir::setCurrent(m_savedCwd);
    }

    void cleanup()
    {
        m_window.reset();
        m_desktop.opened.clear();
        QFile::remove(QDir::current().filePath(QStringLiteral("Test.txt")));
        QFile::remove(m_dir.filePath(QStringLiteral("Test.rtf")));
    }

    void backtestWritesTheReportAndComparesWithChance()
    {
        // Five draws, three locked rows: the report of the domain's golden test.
        const std::vector<TZiehung> draws{
            makeDraw(2020, 1, 4, {1, 2, 3, 10, 11, 40}), makeDraw(2020, 1, 8, {1, 2, 3, 4, 30, 31}),
            makeDraw(2020, 1, 11, {10, 11, 12, 20, 21, 40}), makeDraw(2020, 1, 15, {5, 6, 7, 8, 9, 45}),
            makeDraw(2020, 1, 18, {1, 2, 3, 4, 5, 6})};
        QVERIFY(DrawFile(drawPath()).replaceAll(draws).ok());
        startWindow(QDate(2026, 12, 10));
        TTippSchein& sheet = m_window->state().sheet;
        const int rows[3][6] = {{1, 2, 3, 4, 5, 6}, {10, 11, 12, 13, 14, 15}, {20, 21, 22, 23, 24, 25}};
        for (int r = 0; r < 3; ++r) {
            for (int p = 0; p < 6; ++p)
                sheet.setField(r, p, QString::number(rows[r][p]));
            sheet.toggleLock(r);
        }
        find<QSpinBox>(QStringLiteral("UpDown8"))->setValue(1);
        auto* poolBox = find<QCheckBox>(QStringLiteral("CheckBox20"));
        poolBox->setChecked(true);
        chooseDate(QDate(2020, 1, 4));

        auto* button = find<QPushButton>(QStringLiteral("BitBtn9"));
        QVERIFY(button->isEnabled());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox31"))->isEnabled());
        answerInput(QStringLiteral("4711"));
        QTest::mouseClick(button, Qt::LeftButton);

        const QString report = QDir::current().filePath(QStringLiteral("Test.txt"));
        const QByteArray text = numora::test::readBytes(report);
        QVERIFY(text.startsWith("Aktuelle Einstellung brachten f\xc3\xbcr Sa. bzw. Mi.\r\n0x\t=>\t3\t=>\t4\r\n"));
        QVERIFY(text.endsWith("\r\n4 Ziehungen\r\n"));
        QCOMPARE(m_desktop.opened, QList<QUrl>{QUrl::fromLocalFile(report)});
        // Started from the menu the current folder is the home folder: the status bar says where.
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Testbericht gespeichert: ") + QDir::toNativeSeparators(report));
        QVERIFY(poolBox->isChecked());
        QCOMPARE(button->text(), QStringLiteral("Parameter testen"));
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate(2020, 1, 18));

        ui::ChanceComparisonWindow* window = comparison();
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vergleich mit Zufallstipps"));
        auto* table = window->findChild<QTableWidget*>(QStringLiteral("ComparisonTable"));
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("7"));
        QCOMPARE(table->item(6, 0)->text(), QStringLiteral("1"));
        QCOMPARE(table->item(7, 2)->text(), QStringLiteral("0,735"));
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("ComparisonSentence"))->text().contains(QStringLiteral("3 von 12 Reihen")));

        // The value axes write their numbers, as the language writes them.
        for (auto* view : window->findChildren<QChartView*>()) {
            auto* axis = qobject_cast<QValueAxis*>(view->chart()->axes(Qt::Vertical).value(0));
            QVERIFY(axis);
            QStringList texts;
            for (QGraphicsItem* item : view->scene()->items())
                if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                    texts << text->toPlainText();
            const QString top = view->chart()->locale().toString(qint64(axis->max()));
            QVERIFY2(texts.contains(top), qPrintable(top + QStringLiteral(" not among: ") + texts.join(QLatin1Char('|'))));
        }

        for (const char* name : {"Vergleich.png", "Vergleich.svg"}) {
            const QString path = m_cwd.filePath(QString::fromLatin1(name));
            ui::FileDialogs::answerNext(path);
            QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("SaveComparison")), Qt::LeftButton);
            const QByteArray saved = numora::test::readBytes(path);
            QVERIFY2(saved.startsWith(QByteArray(name[10] == 'p' ? "\x89PNG" : "<?xml")), name);
        }
    }

    void aSecondClickStopsTheBacktest()
    {
        QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(DrawFile(drawPath()).replaceAll(*DrawCsv::parse(csv.readAll())).ok());
        startWindow(QDate(2026, 12, 10));
        auto* poolBox = find<QCheckBox>(QStringLiteral("CheckBox20"));
        poolBox->setChecked(true);
        chooseDate(QDate(2019, 1, 1));
        auto* button = find<QPushButton>(QStringLiteral("BitBtn9"));
        auto* picker = find<QDateEdit>(QStringLiteral("DateTimePicker1"));

        // Stop once the replay has gone past the first draws.
        QString captionWhileRunning;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (m_window->state().chosenDate.value < DayDate::fromYmd(2019, 1, 20))
                return;
            poll.stop();
            captionWhileRunning = button->text();
            QTest::mouseClick(button, Qt::LeftButton);
        });
        poll.start(5);
        answerInput(QStringLiteral("99"));
        QTest::mouseClick(button, Qt::LeftButton);

        QCOMPARE(captionWhileRunning, QStringLiteral("Stoppen"));
        QCOMPARE(button->text(), QStringLiteral("Parameter testen"));
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn19"))->isEnabled());
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("Test.txt"))));
        QVERIFY(m_desktop.opened.isEmpty());
        QVERIFY(!comparison());
        QVERIFY(poolBox->isChecked());
        QVERIFY(m_window->state().sheet.sheetReady());
        QVERIFY(!m_window->state().generation.running());
        QCOMPARE(find<QPushButton>(QStringLiteral("BitBtn4"))->text(), QStringLiteral("Tipps &berechnen"));
        // Stopped halfway: the picker stands on a draw between the start and the newest draw.
        QVERIFY(picker->date() >= QDate(2019, 1, 20));
        QVERIFY(picker->date() < QDate(2019, 11, 2));
        QVERIFY(m_window->statusPanel(0)->text().endsWith(QStringLiteral(".2019")));
    }

    void tabsStayUsableAndNothingElseCutsABacktestShort()
    {
        QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(DrawFile(drawPath()).replaceAll(*DrawCsv::parse(csv.readAll())).ok());
        startWindow(QDate(2026, 12, 10));
        find<QCheckBox>(QStringLiteral("CheckBox20"))->setChecked(true);
        auto* button = find<QPushButton>(QStringLiteral("BitBtn9"));
        auto* calculate = find<QPushButton>(QStringLiteral("BitBtn4"));
        auto* tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
        auto* datenbank = find<QWidget>(QStringLiteral("TabSheet4"));
        const QString report = QDir::current().filePath(QStringLiteral("Test.txt"));

        // The same seed twice: once left alone, once with the tab, "Tipps berechnen" and the
        // menu's "Berechnen" clicked while it runs.
        QByteArray reports[2];
        QList<QWidget*> tabsSeen;
        bool calculateEnabled = true;
        bool stopEnabled = false;
        for (int run = 0; run < 2; ++run) {
            chooseDate(QDate(2019, 6, 1));
            QTimer poll;
            int step = 0;
            connect(&poll, &QTimer::timeout, this, [&] {
                if (m_window->state().chosenDate.value < DayDate::fromYmd(2019, 7, 1))
                    return;
                if (step == 0) {
                    QTabBar* bar = tabs->tabBar();
                    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tabs->indexOf(datenbank)).center());
                    calculateEnabled = calculate->isEnabled();
                    stopEnabled = button->isEnabled();
                    QTest::mouseClick(calculate, Qt::LeftButton);
                    m_window->findChild<QAction*>(QStringLiteral("Berechnen1"))->trigger();
                } else {
                    tabsSeen << tabs->currentWidget();
                }
                if (++step == 20)
                    poll.stop();
            });
            if (run == 1)
                poll.start(20);
            answerInput(QStringLiteral("4711"));
            QTest::mouseClick(button, Qt::LeftButton);
            reports[run] = numora::test::readBytes(report);
            QVERIFY(!reports[run].isEmpty());
        }
        QVERIFY(!calculateEnabled);
        QVERIFY(stopEnabled);
        QVERIFY(!tabsSeen.isEmpty());
        for (QWidget* seen : tabsSeen)
            QCOMPARE(seen, datenbank);
        QCOMPARE(tabs->currentWidget(), datenbank);
        QCOMPARE(reports[1], reports[0]);
        QVERIFY(calculate->isEnabled());
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn19"))->isEnabled());
    }

    void recurrenceWritesRtfBesideTheProgram()
    {
        const std::vector<TZiehung> draws{
            makeDraw(2020, 1, 4, {1, 2, 3, 4, 5, 6}), makeDraw(2020, 1, 8, {1, 2, 3, 10, 11, 12}),
            makeDraw(2020, 1, 11, {4, 5, 6, 10, 11, 13}), makeDraw(2020, 1, 15, {1, 2, 20, 21, 22, 23}),
            makeDraw(2020, 1, 18, {1, 2, 3, 4, 5, 6})};
        QVERIFY(DrawFile(drawPath()).replaceAll(draws).ok());
        startWindow(QDate(2026, 12, 10));
        chooseDate(QDate(2020, 1, 8));
        answerInput(QStringLiteral("7"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn19")), Qt::LeftButton);

        const QString rtf = m_dir.filePath(QStringLiteral("Test.rtf"));
        QVERIFY(numora::test::readBytes(rtf).startsWith("{\\rtf1"));
        QCOMPARE(m_desktop.opened, QList<QUrl>{QUrl::fromLocalFile(rtf)});
        QCOMPARE(find<QPushButton>(QStringLiteral("BitBtn19"))->text(), QStringLiteral("Ziehungen vergleichen"));
        // Left on the newest draw, row 1 holding the last analysed draw, on the "Lottotipp" tab.
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), QStringLiteral("Sa 18.01.20    1  2  3  4  5  6"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("1"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit3"))->text(), QStringLiteral("20"));
        QCOMPARE(find<QTabWidget>(QStringLiteral("PageControl1"))->currentIndex(), 0);
    }

    // Whenever the window shows a back-test's progress, every lime field of the sheet holds a
    // number of the draw shown beside it.
    void backtestHitMarksGoWithTheDrawShown()
    {
        std::vector<TZiehung> draws;
        QDate day(2020, 1, 4);
        for (int k = 0; k < 80; ++k, day = day.addDays(day.dayOfWeek() == 6 ? 4 : 3)) {
            std::array<int, 6> numbers{};
            for (int j = 0; j < 6; ++j)
                numbers[std::size_t(j)] = j * 8 + (k * 3) % 8 + 1;
            draws.push_back(makeDraw(day.year(), day.month(), day.day(), numbers));
        }
        QVERIFY(DrawFile(drawPath()).replaceAll(draws).ok());
        startWindow(QDate(2026, 12, 10));
        TTippSchein& sheet = m_window->state().sheet;
        for (int r = 0; r < 3; ++r) {
            for (int p = 0; p < 6; ++p)
                sheet.setField(r, p, QString::number(r * 16 + p * 2 + 1));
            sheet.toggleLock(r);
        }
        find<QSpinBox>(QStringLiteral("UpDown8"))->setValue(3);
        chooseDate(QDate(2020, 1, 4));

        int looked = 0;
        QStringList mismatches;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QApplication::activeModalWidget())
                return;
            const QStringList drawn = find<QLabel>(QStringLiteral("Label35"))->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).mid(2);
            ++looked;
            for (int r = 0; r < TTippSchein::RowCount; ++r)
                for (int p = 0; p < 6; ++p) {
                    auto* field = find<QLineEdit>(TTippSchein::fieldName(r, p));
                    if (field->palette().color(QPalette::Base) == QColor(0, 255, 0) && !drawn.contains(field->text()))
                        mismatches << QStringLiteral("%1 beside %2").arg(field->text(), drawn.join(QLatin1Char(' ')));
                }
        });
        poll.start(0);
        answerInput(QStringLiteral("4711"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn9")), Qt::LeftButton);
        poll.stop();
        QVERIFY(looked > 0);
        QVERIFY2(mismatches.isEmpty(), qPrintable(mismatches.mid(0, 5).join(QStringLiteral("; "))));
    }

    // Cancel in the first question of either analysis starts nothing and writes nothing.
    void cancelInTheQuestionRunsNothing()
    {
        const std::vector<TZiehung> draws{makeDraw(2020, 1, 4, {1, 2, 3, 4, 5, 6}),
                                          makeDraw(2020, 1, 8, {1, 2, 3, 10, 11, 12})};
        QVERIFY(DrawFile(drawPath()).replaceAll(draws).ok());
        startWindow(QDate(2026, 12, 10));
        chooseDate(QDate(2020, 1, 4));
        const QString rtf = m_dir.filePath(QStringLiteral("Test.rtf"));
        const QString txt = QDir::current().filePath(QStringLiteral("Test.txt"));
        for (const char* name : {"BitBtn9", "BitBtn19"}) {
            auto* button = find<QPushButton>(QString::fromLatin1(name));
            const QString caption = button->text();
            cancelInput();
            QTest::mouseClick(button, Qt::LeftButton);
            QVERIFY(!QFile::exists(txt));
            QVERIFY(!QFile::exists(rtf));
            QVERIFY(m_desktop.opened.isEmpty());
            QVERIFY(!comparison());
            QCOMPARE(button->text(), caption);
            QVERIFY(button->isEnabled());
        }
        QVERIFY(m_window->state().sheet.field(0, 0).isEmpty());
    }

    // The recurrence rewrites row 1 and empties the unlocked rows: it asks first when they hold
    // numbers, and No keeps the sheet as it was.
    void recurrenceAsksBeforeReplacingTheSheet()
    {
        const std::vector<TZiehung> draws{makeDraw(2020, 1, 4, {1, 2, 3, 4, 5, 6}),
                                          makeDraw(2020, 1, 8, {1, 2, 3, 10, 11, 12})};
        QVERIFY(DrawFile(drawPath()).replaceAll(draws).ok());
        startWindow(QDate(2026, 12, 10));
        chooseDate(QDate(2020, 1, 4));
        TTippSchein& sheet = m_window->state().sheet;
        const int tip[6] = {7, 17, 27, 37, 41, 47};
        for (int p = 0; p < 6; ++p)
            sheet.setField(3, p, QString::number(tip[p]));
        const QString rtf = m_dir.filePath(QStringLiteral("Test.rtf"));
        auto* button = find<QPushButton>(QStringLiteral("BitBtn19"));

        QString question;
        numora::test::answerNextMessageBox(QMessageBox::No, &question);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(question.contains(QStringLiteral("Tipp 1")));
        QVERIFY(!QFile::exists(rtf));
        QCOMPARE(sheet.field(3, 0), QStringLiteral("7"));

        numora::test::answerNextMessageBox(QMessageBox::Yes);
        // The threshold question comes once the box is gone.
        auto* poll = new QTimer(m_window.get());
        connect(poll, &QTimer::timeout, poll, [poll] {
            if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                poll->stop();
                dialog->setTextValue(QStringLiteral("7"));
                dialog->accept();
            }
        });
        poll->start(10);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(QFile::exists(rtf));
        QVERIFY(sheet.field(3, 0).isEmpty());
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "AnalysisWindowTest.moc"
