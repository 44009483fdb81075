// The CSV menu of the main window: export, an import that reads the whole file before it asks
// and replaces the history, and the merge that adds what a results CSV has beyond the history.
#include "draws/DrawCsv.h"
#include "draws/DrawFile.h"
#include "support/TestSupport.h"
#include "ui/common/FileDialogs.h"
#include "ui/mainwindow/MainWindow.h"
#include "WindowFixture.h"

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace numora;
using numora::ui::FileDialogs::answerNext;

namespace {

const QByteArray ShortCsv = "date,n1,n2,n3,n4,n5,n6\n"
                            "2024-01-03,5,11,23,30,41,49\n"
                            "2024-01-06,3,8,19,27,33,45\n";

// Two draws after the shipped history, as results sites write them.
const QByteArray NewerLines = "06.11.2019,2,9,17,24,38,41\n09.11.2019,4,12,19,28,33,47\n";

QByteArray shippedText()
{
    QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
    return csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray();
}

} // namespace

class CsvWindowTest : public QObject, private numora::test::WindowFixture {
    Q_OBJECT

private:
    QByteArray storedBytes() { return test::readBytes(drawPath()); }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(name);
        if (!test::writeBytes(path, bytes))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    // Answers the next message box with `button`; returns where its text will be.
    std::shared_ptr<QString> answerMessageBox(QMessageBox::StandardButton button)
    {
        auto text = std::make_shared<QString>();
        QTimer::singleShot(0, [button, text] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            *text = box->text();
            box->button(button)->click();
        });
        return text;
    }

    QAction* action(const QString& name) { return find<QAction>(name); }

private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void init()
    {
        QFile csv(QStringLiteral(NUMORA_SOURCE_DIR "/data/sayisal_loto.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(DrawFile(drawPath()).replaceAll(DrawCsv::parse(csv.readAll()).value()).ok());
        startWindow(QDate(2026, 12, 10));
    }

    void cleanup() { m_window.reset(); }

    void menuSitsInDateiWithHints()
    {
        auto* datei = find<QMenu>(QStringLiteral("Datei1"));
        QCOMPARE(datei->title(), QStringLiteral("&Datei"));
        QCOMPARE(m_window->menuBar()->actions().first(), datei->menuAction());
        QCOMPARE(action(QStringLiteral("CsvImportieren1"))->text(), QStringLiteral("CSV importieren…"));
        QCOMPARE(action(QStringLiteral("CsvExportieren1"))->text(), QStringLiteral("CSV exportieren…"));
        QCOMPARE(action(QStringLiteral("CsvHinzufuegen1"))->text(), QStringLiteral("CSV hinzufügen…"));
        for (const char* name : {"CsvImportieren1", "CsvHinzufuegen1", "CsvExportieren1"}) {
            QAction* a = action(QString::fromLatin1(name));
            a->hover();
            QVERIFY(!a->toolTip().isEmpty());
            QCOMPARE(m_window->statusPanel(1)->text(), a->toolTip());
        }
    }

    void exportWritesEveryDrawAsTheCommandLineDoes()
    {
        const QString path = m_dir.filePath(QStringLiteral("out.csv"));
        answerNext(path);
        action(QStringLiteral("CsvExportieren1"))->trigger();
        const auto records = DrawFile(drawPath()).readAll();
        QVERIFY(records.ok());
        QCOMPARE(test::readBytes(path), DrawCsv::format(*records));
        QVERIFY(m_window->statusPanel(1)->text().startsWith(QStringLiteral("1267 Ziehungen")));

        // Cancelled: nothing written.
        QFile::remove(path);
        answerNext(QString());
        action(QStringLiteral("CsvExportieren1"))->trigger();
        QVERIFY(!QFileInfo::exists(path));
    }

    void importAsksAndReplacesTheHistory()
    {
        const QByteArray before = storedBytes();
        const QString path = writeFile(QStringLiteral("kurz.csv"), ShortCsv);

        // No: the history stays.
        answerNext(path);
        auto question = answerMessageBox(QMessageBox::No);
        action(QStringLiteral("CsvImportieren1"))->trigger();
        QCOMPARE(*question, QStringLiteral("Die gespeicherten Ziehungen durch die 2 Ziehungen aus \"kurz.csv\" ersetzen?"));
        QVERIFY(storedBytes() == before);

        // Yes: replaced, and the window shows the chosen date (02.11.2019) again from the new history:
        // its first draw on or after that day.
        answerNext(path);
        question = answerMessageBox(QMessageBox::Yes);
        action(QStringLiteral("CsvImportieren1"))->trigger();
        QVERIFY(!question->isEmpty());
        const auto stored = DrawFile(drawPath()).readAll();
        QCOMPARE(stored->size(), std::size_t(2));
        QCOMPARE(DrawCsv::format(*stored), DrawCsv::format(DrawCsv::parse(ShortCsv).value()));
        QCOMPARE(find<QLabel>(QStringLiteral("Label29"))->text(), QStringLiteral("Mi 03.01.24     5  11  23  30  41  49"));
        // It says what it did, and the replaced history is kept beside the draw file.
        const QString backup = drawPath() + QStringLiteral(".bak");
        QCOMPARE(m_window->statusPanel(1)->text(),
                 QStringLiteral("%1 Ziehungen durch 2 ersetzt; die bisherigen sind in %2").arg(before.size() / 32).arg(backup));
        QVERIFY(numora::test::readBytes(backup) == before);
    }

    void malformedLineIsNamedAndNothingIsWritten()
    {
        const QByteArray before = storedBytes();
        const QString path = writeFile(QStringLiteral("kaputt.csv"), ShortCsv + "2024-01-10,7,14,21,28,35,50\n");
        answerNext(path);
        // The error comes before any question.
        auto error = answerMessageBox(QMessageBox::Ok);
        action(QStringLiteral("CsvImportieren1"))->trigger();
        QVERIFY2(error->contains(QStringLiteral("line 4")) && error->contains(QStringLiteral("kaputt.csv")),
                 qPrintable(*error));
        QVERIFY(storedBytes() == before);
    }

    // The shipped history plus two newer draws in the other form: only those two are appended, and
    // the window moves on to the newest.
    void mergeAppendsTheNewerDrawsAndSaysSo()
    {
        const QByteArray before = storedBytes();
        const QString path = writeFile(QStringLiteral("neu.csv"), shippedText() + NewerLines);
        answerNext(path);
        auto summary = answerMessageBox(QMessageBox::Ok);
        action(QStringLiteral("CsvHinzufuegen1"))->trigger();
        QCOMPARE(*summary, QStringLiteral("Angefügt: 2, schon vorhanden: 1267, Konflikte: 0, Lücken: 0"));
        QCOMPARE(m_window->statusPanel(1)->text(), *summary);
        QVERIFY(storedBytes().startsWith(before));
        QCOMPARE(storedBytes().size(), before.size() + 2 * 32);
        QCOMPARE(find<QLabel>(QStringLiteral("Label29"))->text(), QStringLiteral("Sa 09.11.19    4  12  19  28  33  47"));
    }

    void mergeWithAnAlteredDrawNamesItAndWritesNothing()
    {
        const QByteArray before = storedBytes();
        QByteArray text = shippedText();
        text.replace("2019-10-30,7,16,21,31,36,46", "2019-10-30,7,16,21,31,36,47");
        const QString path = writeFile(QStringLiteral("falsch.csv"), text + NewerLines);
        answerNext(path);
        auto error = answerMessageBox(QMessageBox::Ok);
        action(QStringLiteral("CsvHinzufuegen1"))->trigger();
        QVERIFY2(error->contains(QStringLiteral("30.10.2019: gespeichert 7 16 21 31 36 46, in der CSV-Datei 7 16 21 31 36 47")),
                 qPrintable(*error));
        QVERIFY(storedBytes() == before);
    }

    // A draw the history lacks is inserted only after Yes.
    void mergeAsksBeforeItFillsAGap()
    {
        auto records = DrawFile(drawPath()).readAll().value();
        const TZiehung missing = records[600];
        records.erase(records.begin() + 600);
        QVERIFY(DrawFile(drawPath()).replaceAll(records).ok());
        const QByteArray holed = storedBytes();
        const QString path = writeFile(QStringLiteral("alle.csv"), shippedText());

        const QString date = DayDate::formatShortDate(missing.Datum);
        answerNext(path);
        auto texts = answerMessageBoxes({QMessageBox::No, QMessageBox::Ok});
        action(QStringLiteral("CsvHinzufuegen1"))->trigger();
        QCOMPARE(texts->size(), 2);
        QVERIFY2(texts->at(0).contains(date), qPrintable(texts->at(0)));
        QCOMPARE(texts->at(1), QStringLiteral("Angefügt: 0, schon vorhanden: 1266, Konflikte: 0, Lücken: 1\nFehlende ältere Ziehungen: ")
                                   + date);
        QVERIFY(storedBytes() == holed);

        answerNext(path);
        texts = answerMessageBoxes({QMessageBox::Yes, QMessageBox::Ok});
        action(QStringLiteral("CsvHinzufuegen1"))->trigger();
        QCOMPARE(texts->size(), 2);
        QCOMPARE(texts->at(1), QStringLiteral("Angefügt: 0, schon vorhanden: 1266, Konflikte: 0, Lücken: 1 (eingefügt: 1)"));
        QCOMPARE(DrawFile(drawPath()).readAll()->size(), std::size_t(1267));
        QCOMPARE(DrawFile(drawPath()).readAll()->at(600).toBytes(), missing.toBytes());
    }
};

QTEST_MAIN(CsvWindowTest)
#include "CsvWindowTest.moc"
