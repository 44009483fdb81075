// The window "Systeme": numbers from the sheet, a proved wheel built in the background, its rows
// on the sheet twelve at a time, saved as a wheel file and tip files, loaded back and checked.
#include "base/TextCatalog.h"
#include "draws/DrawFile.h"
#include "support/TestSupport.h"
#include "output/TipFile.h"
#include "ui/common/FileDialogs.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/wheel/WheelWindow.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTest>

using namespace numora;
using numora::test::answerNextMessageBox;
using numora::test::draw;
using numora::ui::FileDialogs::answerNext;
using numora::ui::TForm1;
using numora::ui::WheelWindow;

class WheelWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

    WheelWindow* openWheels()
    {
        m_window->findChild<QAction*>(QStringLiteral("Systeme1"))->trigger();
        auto* wheels = m_window->findChild<WheelWindow*>();
        if (!wheels)
            qFatal("no wheel window");
        return wheels;
    }

    template <typename T>
    static T* in(WheelWindow* w, const char* name)
    {
        auto* widget = w->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }

    static void click(WheelWindow* w, const char* name) { QTest::mouseClick(in<QPushButton>(w, name), Qt::LeftButton); }

    static std::uint64_t columnTotal(QTableWidget* table, int column)
    {
        std::uint64_t total = 0;
        for (int row = 0; row < table->rowCount(); ++row)
            total += table->item(row, column)->text().remove(QLatin1Char('.')).toULongLong();
        return total;
    }

    // The wheel's rows as the sheet shows them: "1 2 3 4 5 6" per row.
    static QStringList sheetRows(const Wheel& wheel, std::size_t from)
    {
        QStringList rows;
        for (std::size_t r = from; r < from + 12; ++r)
            rows << (r < wheel.rows.size() ? Numbers::format(wheel.rows[r]).replace(QLatin1Char(','), QLatin1Char(' ')) : QString());
        return rows;
    }

    // The shipped language files in the program folder, then the language chosen from the menu.
    void chooseLanguage(const char* menuItem)
    {
        const QString shipped = QStringLiteral(NUMORA_SOURCE_DIR "/data/land/");
        const QString land = m_dir.filePath(QStringLiteral("land/"));
        QDir().mkpath(land);
        for (const QString& name : QDir(shipped).entryList(QDir::Files))
            if (!QFile::exists(land + name))
                QVERIFY(QFile::copy(shipped + name, land + name));
        m_window->findChild<QAction*>(QString::fromLatin1(menuItem))->trigger();
    }

    // A search that the catalogue cannot answer and that runs until stopped: a key number.
    static void startLongSearch(WheelWindow* wheels)
    {
        wheels->setChosenNumbers(Numbers::range(20, 33));
        wheels->setKeyNumbers(Numbers::of(20));
        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(7); // 5 wenn 5
        in<QSpinBox>(wheels, "WheelSeconds")->setValue(600);
        click(wheels, "WheelCalculate");
    }

    QStringList shownRows()
    {
        QStringList rows;
        for (int r = 0; r < 12; ++r) {
            QStringList fields;
            for (int p = 0; p < 6; ++p)
                fields << find<QLineEdit>(TTippSchein::fieldName(r, p))->text();
            rows << fields.join(QLatin1Char(' ')).trimmed();
        }
        return rows;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QApplication::setApplicationName(TForm1::applicationTitle());
        QVERIFY(m_dir.isValid());
        const std::vector<TZiehung> history{draw(1996, 11, 16, {3, 8, 19, 27, 33, 45})};
        QVERIFY(DrawFile(drawPath()).replaceAll(history).ok());
    }

    void init() { startWindow(QDate(2026, 12, 10)); }
    void cleanup()
    {
        m_window.reset();
        TextCatalog::clear();
    }

    // Twelve numbers, "4 wenn 4", at most 41 rows: built, proved, onto the sheet, saved, loaded.
    void buildPutOnSheetSaveAndLoad()
    {
        typeRow(1, {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")});
        typeRow(7, {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10"), QStringLiteral("11"), QStringLiteral("12")});
        WheelWindow* wheels = openWheels();
        click(wheels, "WheelFromSheet");
        QCOMPARE(wheels->chosenNumbers(), Numbers::range(1, 12));
        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(4);
        QCOMPARE(in<QComboBox>(wheels, "WheelGuarantee")->currentText(), QStringLiteral("4 wenn 4"));
        in<QSpinBox>(wheels, "WheelBudget")->setValue(41);

        QSignalSpy finished(wheels, &WheelWindow::buildFinished);
        click(wheels, "WheelCalculate");
        QCOMPARE(in<QPushButton>(wheels, "WheelCalculate")->text(), QStringLiteral("Stoppen"));
        QVERIFY(!in<QPushButton>(wheels, "WheelToSheet")->isEnabled());
        QVERIFY(finished.wait(120000));
        QCOMPARE(in<QPushButton>(wheels, "WheelCalculate")->text(), QStringLiteral("Berechnen"));
        QVERIFY(wheels->wheel().has_value());
        const Wheel wheel = *wheels->wheel();
        QVERIFY(wheel.rows.size() <= 41);
        QVERIFY(WheelCheck::run(wheel).holds);
        QCOMPARE(in<QPlainTextEdit>(wheels, "WheelRows")->toPlainText().split(QLatin1Char('\n')).size(), qsizetype(wheel.rows.size()));
        const QString proof = in<QLabel>(wheels, "WheelProof")->text();
        QVERIFY2(proof.startsWith(QStringLiteral("Garantie geprüft: alle 495 Vierer Ihrer 12 Zahlen")), qPrintable(proof));
        auto* odds = in<QTableWidget>(wheels, "WheelOdds");
        QCOMPARE(columnTotal(odds, 0), std::uint64_t(924));
        QCOMPARE(columnTotal(odds, 1), WheelOdds::AllDraws);
        // No draw with all six among the twelve has its best row below four.
        for (int k = 0; k < 4; ++k)
            QCOMPARE(odds->item(k, 0)->text(), QStringLiteral("0"));
        // The fee of one draw per row, from the print settings.
        QVERIFY2(in<QLabel>(wheels, "WheelCost")->text().contains(QStringLiteral("%1 Reihen zu 0,50").arg(wheel.rows.size())),
                 qPrintable(in<QLabel>(wheels, "WheelCost")->text()));

        // Rows 1..12, then 13..24 on the sheet.
        click(wheels, "WheelToSheet");
        QCOMPARE(shownRows(), sheetRows(wheel, 0));
        click(wheels, "WheelToSheet");
        QCOMPARE(shownRows(), sheetRows(wheel, 12));

        // Every twelve rows a tip file beside the wheel file.
        const QString path = m_dir.filePath(QStringLiteral("mein.nsy"));
        answerNext(path);
        click(wheels, "WheelSave");
        const int files = int((wheel.rows.size() + 11) / 12);
        for (int f = 1; f <= files; ++f) {
            TTippSchein sheet;
            QFile tip(m_dir.filePath(QStringLiteral("mein_%1.ntp").arg(f)));
            QVERIFY2(tip.open(QIODevice::ReadOnly), qPrintable(tip.fileName()));
            TipFile::read(tip.readAll(), sheet);
            QCOMPARE(sheet.rowText(0), Numbers::format(wheel.rows[std::size_t(12 * (f - 1))]));
        }
        QVERIFY(!QFile::exists(m_dir.filePath(QStringLiteral("mein_%1.ntp").arg(files + 1))));

        // Loaded back into a fresh choice: numbers, guarantee and rows return, proved again.
        wheels->setChosenNumbers(0);
        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(0);
        answerNext(path);
        click(wheels, "WheelLoad");
        QCOMPARE(wheels->wheel()->rows, wheel.rows);
        QCOMPARE(wheels->chosenNumbers(), wheel.numbers);
        QCOMPARE(in<QComboBox>(wheels, "WheelGuarantee")->currentIndex(), 4);
        QVERIFY(in<QLabel>(wheels, "WheelProof")->text().startsWith(QStringLiteral("Garantie geprüft")));

        // A file without its last row loads, and the proof line names the uncovered four.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QByteArray text = file.readAll();
        file.close();
        text.chop(1);
        text.truncate(text.lastIndexOf('\n') + 1);
        const QString shorter = m_dir.filePath(QStringLiteral("kurz.nsy"));
        QVERIFY(test::writeBytes(shorter, text));
        answerNext(shorter);
        click(wheels, "WheelLoad");
        QCOMPARE(wheels->wheel()->rows.size(), wheel.rows.size() - 1);
        const QString broken = in<QLabel>(wheels, "WheelProof")->text();
        const auto counter = WheelCheck::run(*wheels->wheel()).counterexample;
        QVERIFY(counter.has_value());
        QVERIFY2(broken.startsWith(QStringLiteral("Garantie 4 wenn 4 verletzt: %1 ").arg(Numbers::format(*counter))), qPrintable(broken));

        // A row with a number outside the wheel's numbers is refused by its line; the wheel stays.
        const QString bad = m_dir.filePath(QStringLiteral("falsch.nsy"));
        QVERIFY(test::writeBytes(bad, "# numbers: 1-12\n# guarantee: 4:4\n1,2,3,4,5,6\n1,2,3,4,5,13\n"));
        QString message;
        answerNextMessageBox(QMessageBox::Ok, &message);
        answerNext(bad);
        click(wheels, "WheelLoad");
        QVERIFY2(message.contains(QStringLiteral("line 4")), qPrintable(message));
        QCOMPARE(wheels->wheel()->rows.size(), wheel.rows.size() - 1);
        // In English the figures are written as English writes them.
        chooseLanguage("Englisch1");
        QVERIFY2(in<QLabel>(wheels, "WheelCost")->text().contains(QStringLiteral("0.50 €")), qPrintable(in<QLabel>(wheels, "WheelCost")->text()));
        const QString allDraws = in<QTableWidget>(wheels, "WheelOdds")->item(0, 1)->text();
        QVERIFY2(allDraws.contains(QLatin1Char(',')) && !allDraws.contains(QLatin1Char('.')), qPrintable(allDraws));
    }

    // "Stoppen" ends the search and keeps the smallest wheel found so far, proved.
    void stopKeepsTheSmallestWheelFound()
    {
        WheelWindow* wheels = openWheels();
        QSignalSpy finished(wheels, &WheelWindow::buildFinished);
        startLongSearch(wheels);
        QTRY_VERIFY_WITH_TIMEOUT(in<QLabel>(wheels, "WheelProgress")->text().startsWith(QStringLiteral("Kleinstes System bisher")), 60000);
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(30000));
        QVERIFY(wheels->wheel().has_value());
        QVERIFY(WheelCheck::run(*wheels->wheel()).holds);
        QVERIFY(in<QLabel>(wheels, "WheelProgress")->text().startsWith(QStringLiteral("Gestoppt")));
        // Rows of two-digit numbers, each on one line and whole.
        auto* rows = in<QPlainTextEdit>(wheels, "WheelRows");
        QApplication::processEvents();
        const QTextLayout* first = rows->document()->firstBlock().layout();
        QCOMPARE(first->lineCount(), 1);
        QVERIFY2(first->lineAt(0).naturalTextWidth() <= rows->viewport()->width() - 2 * rows->document()->documentMargin(),
                 qPrintable(QStringLiteral("%1 of %2 pixels").arg(first->lineAt(0).naturalTextWidth()).arg(rows->viewport()->width())));
        QVERIFY(in<QPushButton>(wheels, "WheelToSheet")->isEnabled());
    }

    // A second click makes a number a key, in every row; the catalogue answers at once; fewer
    // rows than the guarantee needs give the best rows with the exact share they cover.
    void keyNumbersCatalogueAndABudget()
    {
        WheelWindow* wheels = openWheels();
        for (int n = 1; n <= 10; ++n)
            QTest::mouseClick(in<QCheckBox>(wheels, qPrintable(QStringLiteral("WheelNumber%1").arg(n))), Qt::LeftButton);
        auto* three = in<QCheckBox>(wheels, "WheelNumber3");
        QTest::mouseClick(three, Qt::LeftButton);
        QCOMPARE(three->checkState(), Qt::PartiallyChecked);
        QCOMPARE(wheels->chosenNumbers(), Numbers::range(1, 10));
        QCOMPARE(wheels->keyNumbers(), Numbers::of(3));
        QVERIFY(in<QLabel>(wheels, "WheelChosen")->text().contains(QStringLiteral("davon 1 Bankzahlen")));

        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(5); // 4 wenn 5
        QSignalSpy finished(wheels, &WheelWindow::buildFinished);
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(120000));
        QVERIFY(wheels->wheel().has_value());
        const Wheel keyed = *wheels->wheel();
        QCOMPARE(keyed.keys, Numbers::of(3));
        for (NumberSet row : keyed.rows)
            QVERIFY(Numbers::contains(row, 3));
        QVERIFY(WheelCheck::run(keyed).holds);
        // The five-sets with the key: C(9,4).
        const QString keyedProof = in<QLabel>(wheels, "WheelProof")->text();
        QVERIFY2(keyedProof.startsWith(QStringLiteral("Garantie geprüft: alle 126 Fünfer")) && keyedProof.contains(QStringLiteral("Bankzahlen 3")),
                 qPrintable(keyedProof));

        // A third click takes the number away, a fourth chooses it again, not as a key.
        QTest::mouseClick(three, Qt::LeftButton);
        QTest::mouseClick(three, Qt::LeftButton);
        QCOMPARE(wheels->keyNumbers(), NumberSet(0));
        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(0); // 3 wenn 3
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(120000));
        QVERIFY(wheels->wheel().has_value());
        QVERIFY2(in<QLabel>(wheels, "WheelProgress")->text().startsWith(QStringLiteral("Aus dem Katalog")),
                 qPrintable(in<QLabel>(wheels, "WheelProgress")->text()));

        // Every five-set of ten needs a row of its own among at least 50: 40 rows cannot do.
        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(7); // 5 wenn 5
        in<QSpinBox>(wheels, "WheelBudget")->setValue(40);
        in<QSpinBox>(wheels, "WheelSeconds")->setValue(1);
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(120000));
        QVERIFY(wheels->wheel().has_value());
        const Wheel budget = *wheels->wheel();
        QCOMPARE(budget.rows.size(), std::size_t(40));
        const WheelOdds odds = WheelCheck::run(budget);
        QVERIFY(!odds.holds);
        const QString proof = in<QLabel>(wheels, "WheelProof")->text();
        const QString expected = QStringLiteral("In 40 Reihen gibt es keine Garantie 5 wenn 5. Die besten 40 Reihen treffen bei %1 von 252 Fünfer")
                                     .arg(odds.guaranteeSets - odds.failingSets);
        QVERIFY2(proof.startsWith(expected), qPrintable(proof));
        QVERIFY(in<QLabel>(wheels, "WheelProgress")->text().startsWith(QStringLiteral("Sie garantieren")));
        QVERIFY(in<QPushButton>(wheels, "WheelToSheet")->isEnabled());
    }

    // At the size the window opens with, every title of the odds table shows whole, and the
    // table shows all its columns, in the languages with the longest titles too.
    void oddsTitlesFitInEveryLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << QStringLiteral("Deutsch1");
        QTest::newRow("English") << QStringLiteral("Englisch1");
        QTest::newRow("Turkish") << QStringLiteral("Trkisch1");
    }

    void oddsTitlesFitInEveryLanguage()
    {
        QFETCH(QString, language);
        WheelWindow* wheels = openWheels();
        QVERIFY(QTest::qWaitForWindowExposed(wheels));
        chooseLanguage(qPrintable(language));
        QApplication::processEvents();
        auto* odds = in<QTableWidget>(wheels, "WheelOdds");
        QHeaderView* header = odds->horizontalHeader();
        for (int c = 0; c < odds->columnCount(); ++c)
            QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c),
                     qPrintable(QStringLiteral("\"%1\": %2 of %3 pixels")
                                    .arg(odds->horizontalHeaderItem(c)->text())
                                    .arg(header->sectionSize(c))
                                    .arg(header->sectionSizeHint(c))));
        QVERIFY2(header->length() <= header->viewport()->width(),
                 qPrintable(QStringLiteral("%1 of %2 pixels").arg(header->length()).arg(header->viewport()->width())));
    }

    // The line under "Berechnen" speaks the language chosen, during a search and after it.
    void progressFollowsTheLanguage()
    {
        WheelWindow* wheels = openWheels();
        QSignalSpy finished(wheels, &WheelWindow::buildFinished);
        startLongSearch(wheels);
        auto* progress = in<QLabel>(wheels, "WheelProgress");
        QTRY_VERIFY_WITH_TIMEOUT(progress->text().startsWith(QStringLiteral("Kleinstes System bisher")), 60000);
        chooseLanguage("Trkisch1");
        QVERIFY2(progress->text().contains(QStringLiteral("kolonla aranıyor")), qPrintable(progress->text()));
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(30000));
        QVERIFY2(progress->text().startsWith(QStringLiteral("Durduruldu: ")), qPrintable(progress->text()));
        chooseLanguage("Englisch1");
        QCOMPARE(progress->text(), QStringLiteral("Stopped: the smallest wheel found has %1 rows.").arg(wheels->wheel()->rows.size()));
    }

    // A build that finds no wheel leaves nothing of the one before: rows, proof, odds, chart
    // and cost go, and there is nothing to put on the sheet or save.
    void noWheelLeavesNothingOfTheLastOne()
    {
        WheelWindow* wheels = openWheels();
        QSignalSpy finished(wheels, &WheelWindow::buildFinished);
        wheels->setChosenNumbers(Numbers::range(1, 10));
        in<QComboBox>(wheels, "WheelGuarantee")->setCurrentIndex(0); // 3 wenn 3, from the catalogue
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(120000));
        QVERIFY(wheels->wheel().has_value());
        QVERIFY(!in<QPlainTextEdit>(wheels, "WheelRows")->toPlainText().isEmpty());

        // Stopped before its first cover: no S(4,5,13) exists, so the first rows cannot cover.
        startLongSearch(wheels);
        click(wheels, "WheelCalculate");
        QVERIFY(finished.wait(30000));
        QCOMPARE(in<QLabel>(wheels, "WheelProgress")->text(), QStringLiteral("Kein System innerhalb der Grenzen gefunden."));
        QVERIFY(!wheels->wheel().has_value());
        QCOMPARE(in<QPlainTextEdit>(wheels, "WheelRows")->toPlainText(), QString());
        QCOMPARE(in<QLabel>(wheels, "WheelProof")->text(), QString());
        QCOMPARE(in<QLabel>(wheels, "WheelCost")->text(), QString());
        auto* odds = in<QTableWidget>(wheels, "WheelOdds");
        for (int r = 0; r < odds->rowCount(); ++r)
            for (int c = 0; c < odds->columnCount(); ++c)
                QVERIFY(!odds->item(r, c) || odds->item(r, c)->text().isEmpty());
        QVERIFY(!in<QPushButton>(wheels, "WheelToSheet")->isEnabled());
        QVERIFY(!in<QPushButton>(wheels, "WheelSave")->isEnabled());
    }

    // Too few numbers for the guarantee: a message, no build.
    void tooFewNumbersAreNamed()
    {
        WheelWindow* wheels = openWheels();
        wheels->setChosenNumbers(Numbers::range(1, 6));
        QString message;
        answerNextMessageBox(QMessageBox::Ok, &message);
        click(wheels, "WheelCalculate");
        QVERIFY2(message.contains(QStringLiteral("mindestens 7 Zahlen")), qPrintable(message));
        QVERIFY(!wheels->building());
    }
};

QTEST_MAIN(WheelWindowTest)
#include "WheelWindowTest.moc"
