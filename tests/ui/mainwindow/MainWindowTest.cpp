// The main window against a small history in a temporary program directory.
#include "base/DayDate.h"
#include "draws/DrawFile.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"
#include "ui/chart/MainChart.h"

#include <QBarCategoryAxis>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

using namespace numora;
using numora::test::answerNextMessageBox;
using numora::test::draw;
using numora::ui::TForm1;

class MainWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:

    void writeHistory()
    {
        const std::vector<TZiehung> history{
            draw(1996, 11, 16, {3, 8, 19, 27, 33, 45}),
            draw(1996, 11, 23, {3, 14, 16, 23, 27, 43}),
            draw(1996, 11, 30, {1, 2, 3, 4, 5, 6}),
        };
        QVERIFY(DrawFile(m_dir.filePath(QStringLiteral("ZahlenTr.dat"))).replaceAll(history).ok());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QApplication::setApplicationName(TForm1::applicationTitle());
        QVERIFY(m_dir.isValid());
    }

    void init()
    {
        QFile::remove(m_dir.filePath(QStringLiteral("ZahlenTr.dat")));
        writeHistory();
        startWindow(QDate(2026, 12, 10));
    }

    void cleanup() { m_window.reset(); }

    void startsOnTheNewestDraw()
    {
        QCOMPARE(m_window->windowTitle(), QStringLiteral("Veldors Numora Sayisal Loto 6/49"));
        auto* tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
        const QStringList expected{QStringLiteral("Lottotipp"), QStringLiteral("Berechnung"), QStringLiteral("Diagramm"),
                                   QStringLiteral("Datenbank"), QStringLiteral("Internet-Optionen")};
        QCOMPARE(tabs->count(), expected.size());
        for (int i = 0; i < tabs->count(); ++i)
            QCOMPARE(tabs->tabText(i), expected[i]);

        const QString line = QStringLiteral("Sa 30.11.96    1  2  3  4  5  6");
        QCOMPARE(find<QLabel>(QStringLiteral("Label29"))->text(), line);
        QCOMPARE(find<QLabel>(QStringLiteral("Label35"))->text(), line);
        QCOMPARE(find<QLabel>(QStringLiteral("Label13"))->text(), QStringLiteral("QS: 21"));
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate(1996, 11, 30));
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker2"))->date(), QDate(1996, 11, 16));
        QCOMPARE(find<QSpinBox>(QStringLiteral("UpDown8"))->value(), 8);
        QVERIFY(m_window->state().sheet.sheetReady());
        QCOMPARE(find<QLineEdit>(QStringLiteral("ProxyPortEdit"))->text(), QStringLiteral("80"));
    }

    void menuAndControlsArePresent()
    {
        struct Item {
            const char* name;
            const char* text;
            bool enabled;
        };
        const Item items[] = {
            {"Aktualisieren1", "&Aktualisieren", true},
            {"Berechnen1", "&Berechnen", true},
            {"Abgeben1", "Ab&geben", true},
            {"Dokumentationanzeigen1", "Dokumentation anzeigen", true},
            {"Schlieen1", "S&chließen", true},
            {"Deutsch1", "Deutsch", true},
            {"schechisch1", "Tschechisch", true},
        };
        for (const Item& item : items) {
            auto* action = find<QAction>(QString::fromLatin1(item.name));
            QCOMPARE(action->text(), QString::fromUtf8(item.text));
            QCOMPARE(action->isEnabled(), item.enabled);
        }
        QCOMPARE(find<QPushButton>(QStringLiteral("BitBtn4"))->text(), QStringLiteral("Tipps &berechnen"));
        QVERIFY(find<QPushButton>(QStringLiteral("BitBtn8"))->isEnabled());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox16"))->isHidden());
        QVERIFY(find<QCheckBox>(QStringLiteral("CheckBox16"))->isChecked());
        QVERIFY(find<QPushButton>(QStringLiteral("Button7"))->isHidden());
    }

    void browsesBackAndForth()
    {
        auto* previous = find<QToolButton>(QStringLiteral("SpeedButton6"));
        auto* next = find<QToolButton>(QStringLiteral("SpeedButton7"));
        auto* line = find<QLabel>(QStringLiteral("Label35"));
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(line->text(), QStringLiteral("Sa 23.11.96    3  14  16  23  27  43"));
        QCOMPARE(find<QDateEdit>(QStringLiteral("DateTimePicker1"))->date(), QDate(1996, 11, 23));
        QTest::mouseClick(previous, Qt::LeftButton);
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(line->text(), QStringLiteral("Sa 16.11.96    3  8  19  27  33  45"));
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(line->text(), QStringLiteral("Sa 30.11.96    1  2  3  4  5  6"));

        // A chosen date before the first draw shows the first draw, with the wider separator.
        find<QDateEdit>(QStringLiteral("DateTimePicker1"))->setDate(QDate(1996, 11, 15));
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton5")), Qt::LeftButton);
        QCOMPARE(find<QLabel>(QStringLiteral("Label29"))->text(), QStringLiteral("Sa 16.11.96     3  8  19  27  33  45"));
        QCOMPARE(find<QLabel>(QStringLiteral("Label13"))->text(), QStringLiteral("QS: 135"));
    }

    void typedRowsAreSortedColouredAndCounted()
    {
        typeRow(1, {QStringLiteral("6"), QStringLiteral("40"), QStringLiteral("2"), QStringLiteral("1"),
                    QStringLiteral("41"), QStringLiteral("3")});
        QStringList row;
        for (int i = 1; i <= 6; ++i)
            row << find<QLineEdit>(QStringLiteral("Edit%1").arg(i))->text();
        QCOMPARE(row, (QStringList{"1", "2", "3", "6", "40", "41"}));
        QCOMPARE(find<QLabel>(QStringLiteral("Label22"))->text(), QStringLiteral("4"));
        QCOMPARE(find<QLabel>(QStringLiteral("Label36"))->text(), QStringLiteral("93"));
        QCOMPARE(find<QLabel>(QStringLiteral("Label22"))->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit1"))->palette().color(QPalette::Base), QColor(0, 255, 0));
        QVERIFY(find<QLineEdit>(QStringLiteral("Edit5"))->palette().color(QPalette::Base) != QColor(0, 255, 0));
        QCOMPARE(m_window->state().trefferbilanz.withoutBonus(4), 1);

        // The field rule: out of range and non-numbers leave the field empty.
        auto* field = find<QLineEdit>(QStringLiteral("Edit43"));
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("50"));
        QCOMPARE(field->text(), QString());
        QTest::keyClicks(field, QStringLiteral("x"));
        QCOMPARE(field->text(), QString());
        field->setText(QStringLiteral("007"));
        QCOMPARE(field->text(), QStringLiteral("7"));

        // Stepping to another draw evaluates the sheet against it.
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton6")), Qt::LeftButton);
        QCOMPARE(find<QLabel>(QStringLiteral("Label22"))->text(), QStringLiteral("1"));
    }

    void lockedRowsSurviveClearAll()
    {
        typeRow(1, {"1", "2", "3", "4", "5", "6"});
        typeRow(7, {"7", "8", "9", "10", "11", "12"});
        auto* label = find<QLabel>(QStringLiteral("Label28"));
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(m_window->state().sheet.row(0).locked);

        QString asked;
        answerNextMessageBox(QMessageBox::No);
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton11")), Qt::LeftButton);
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit7"))->text(), QStringLiteral("7"));

        answerNextMessageBox(QMessageBox::Yes, &asked);
        QTest::mouseClick(find<QToolButton>(QStringLiteral("SpeedButton11")), Qt::LeftButton);
        QCOMPARE(asked, QStringLiteral("Sollen alle Tipps gelöscht werden??"));
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit7"))->text(), QString());
        QCOMPARE(find<QLabel>(QStringLiteral("Label23"))->text(), QString());
        QCOMPARE(find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("1"));
        QCOMPARE(find<QLabel>(QStringLiteral("Label22"))->text(), QStringLiteral("6"));

        QTest::mouseClick(label, Qt::LeftButton);
        QVERIFY(!m_window->state().sheet.row(0).locked);
        QVERIFY(label->palette().color(QPalette::WindowText) != QColor(255, 0, 0));
    }

    void hintsGoToTheStatusBar()
    {
        auto* button = find<QToolButton>(QStringLiteral("SpeedButton6"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("vorhergehende Ziehung anzeigen"));
        auto* rowLabel = find<QLabel>(QStringLiteral("Label64"));
        QApplication::sendEvent(rowLabel, &enter);
        QCOMPARE(m_window->statusPanel(1)->text(), QStringLiteral("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!"));
    }

    void statisticButtonsFillTheChart()
    {
        auto* chart = find<ui::MainChart>(QStringLiteral("Chart1"));
        // Start-up draws the number distribution of all three draws.
        QCOMPARE(chart->title(), QStringLiteral("Zahlenverteilung     Ziehungen: 3    Quersumme: 94"));
        QCOMPARE(chart->bottomAxis()->categories().size(), 49);

        auto* tabs = find<QTabWidget>(QStringLiteral("PageControl1"));
        tabs->setCurrentIndex(3);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("BitBtn11")), Qt::LeftButton);
        QCOMPARE(tabs->currentIndex(), 2);
        // The start date 16.11.1996 itself is not counted: 1 2 3 4 5 6 gives five pairs.
        QCOMPARE(chart->title(), QStringLiteral("Ziehungen: 2     Paare gefunden : 5"));
        QCOMPARE(chart->bottomAxis()->categories().size(), 48);
        QCOMPARE(chart->valueAxis()->min(), 0.0);
        QCOMPARE(chart->valueAxis()->max(), 1.0);

        QTemporaryDir out;
        QVERIFY(chart->saveTo(out.filePath(QStringLiteral("chart.png"))));
        QVERIFY(chart->saveTo(out.filePath(QStringLiteral("chart.svg"))));
        QVERIFY(QImage(out.filePath(QStringLiteral("chart.png"))).width() > 0);
        QFile svg(out.filePath(QStringLiteral("chart.svg")));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        QVERIFY(svg.readAll().contains("<svg"));
    }

    void missingHistoryIsReportedAndCreated()
    {
        m_window.reset();
        const QString path = m_dir.filePath(QStringLiteral("ZahlenTr.dat"));
        QFile::remove(path);
        QString message;
        answerNextMessageBox(QMessageBox::Ok, &message);
        startWindow(QDate(2026, 12, 10));
        QCOMPARE(message, QStringLiteral("Lesen Sie zuerst die Daten der Ziehungen ein"));
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
        QCOMPARE(find<QLabel>(QStringLiteral("Label29"))->text(), QString());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
